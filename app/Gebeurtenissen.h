#pragma once
// Turns Qt's events into the program's own: click, focus gained and lost between controls of the
// window, key press, mouse moved over a control, window activated, check box changed, and the
// window's default (Enter) and cancel (Esc) buttons. Handlers never see Qt's focus reasons.

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>

#include <functional>

#include <QAbstractButton>
class QCheckBox;
class QKeyEvent;
class QWidget;
class QTimer;
class QWindow;

class TGebeurtenissen : public QObject {
public:
    using Reactie = std::function<void()>;
    // Returns true when the key was handled and must not reach the control.
    using ToetsReactie = std::function<bool(QKeyEvent*)>;

    explicit TGebeurtenissen(QWidget* venster);
    ~TGebeurtenissen() override;

    // Every control of the window is registered, so that a mouse move over a part of a control
    // (an edit's inner widget, say) counts for the control, and a move over a control without a
    // reaction leaves things as they are.
    void Besturing(QWidget* w);

    void OpKlik(QWidget* w, Reactie r);
    void OpKlik(QAbstractButton* knop, Reactie r);
    void OpFocusIn(QWidget* w, Reactie r);
    void OpFocusUit(QWidget* w, Reactie r);
    void OpToets(QWidget* w, ToetsReactie r);
    void OpMuisBeweging(QWidget* w, Reactie r);
    void OpVinkje(QCheckBox* vak, Reactie r);
    void OpActivering(Reactie r);

    // Enter anywhere in the window presses the default button while it is visible and enabled;
    // Esc likewise presses the cancel button.
    void ZetStandaardKnop(QAbstractButton* knop) { standaardKnop = knop; }
    void ZetAnnuleerKnop(QAbstractButton* knop) { annuleerKnop = knop; }

    // Another window of this program (our own dialog): focus coming back from it activates the
    // main window again, unlike a return from another program, a menu or a system dialog.
    void EigenVenster(QWidget* w);

protected:
    bool eventFilter(QObject* doel, QEvent* gebeurtenis) override;

private:
    QWidget* BesturingVan(QWidget* w) const;
    void Volg(QWidget* w);
    bool IsVanVenster(QWidget* w) const;
    void FocusVensterGewijzigd(QWindow* w);
    void FocusVerschoven();

    QWidget* venster;
    QSet<QWidget*> besturingen;
    QSet<QWidget*> gevolgd;
    QHash<QWidget*, Reactie> kliks, focusIn, focusUit, muis;
    QHash<QWidget*, ToetsReactie> toetsen;
    Reactie activering;
    QPointer<QAbstractButton> standaardKnop, annuleerKnop;
    QList<QPointer<QWidget>> eigenVensters;
    QPointer<QWidget> ingedrukt;    // the control that got the left press of a click in progress
    QPointer<QWidget> laatsteFocus; // the control whose focus gain was last reported
    bool eersteActivering = true;
    bool terugVanEigenVenster = false;
};

// Tooltips of the whole program hide after an exact pause: Qt's own timing is some hundreds of
// milliseconds off, so the tip is shown for long and closed by a precise timer of ours.
class TTooltipPauze : public QObject {
public:
    explicit TTooltipPauze(int milliseconden, QObject* ouder = nullptr);
    ~TTooltipPauze() override;

protected:
    bool eventFilter(QObject* doel, QEvent* gebeurtenis) override;

private:
    int pauze;
    QTimer* sluiter;
};
