#include "Gebeurtenissen.h"

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <QWidget>
#include <QWindow>

TGebeurtenissen::TGebeurtenissen(QWidget* venster_) : QObject(venster_), venster(venster_) {
    // Application-wide, so that mouse moves and keys are seen before any control handles them.
    qApp->installEventFilter(this);
    connect(qApp, &QGuiApplication::focusWindowChanged, this,
            &TGebeurtenissen::FocusVensterGewijzigd);
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
        if (s != Qt::ApplicationActive) terugVanEigenVenster = false;
    });
}

TGebeurtenissen::~TGebeurtenissen() { qApp->removeEventFilter(this); }

void TGebeurtenissen::Besturing(QWidget* w) {
    besturingen.insert(w);
    w->setMouseTracking(true);
}

void TGebeurtenissen::Volg(QWidget* w) {
    Besturing(w);
    gevolgd.insert(w);
}

void TGebeurtenissen::OpKlik(QWidget* w, Reactie r) {
    Volg(w);
    kliks.insert(w, std::move(r));
}

void TGebeurtenissen::OpKlik(QAbstractButton* knop, Reactie r) {
    Besturing(knop);
    // The focus-lost reaction that a press triggers can hide the pressed button itself; a
    // button that is no longer there to see is not clicked.
    connect(knop, &QAbstractButton::clicked, this, [knop, r = std::move(r)] {
        if (knop->isVisible()) r();
    });
}

void TGebeurtenissen::OpFocusIn(QWidget* w, Reactie r) {
    Volg(w);
    focusIn.insert(w, std::move(r));
}

void TGebeurtenissen::OpFocusUit(QWidget* w, Reactie r) {
    Volg(w);
    focusUit.insert(w, std::move(r));
}

void TGebeurtenissen::OpToets(QWidget* w, ToetsReactie r) {
    Volg(w);
    toetsen.insert(w, std::move(r));
}

void TGebeurtenissen::OpMuisBeweging(QWidget* w, Reactie r) {
    Besturing(w);
    muis.insert(w, std::move(r));
}

void TGebeurtenissen::OpVinkje(QCheckBox* vak, Reactie r) {
    Besturing(vak);
    // toggled runs for the program's changes as well as the user's; one signal, one reaction.
    connect(vak, &QCheckBox::toggled, this, [r = std::move(r)] { r(); });
}

void TGebeurtenissen::OpActivering(Reactie r) { activering = std::move(r); }

void TGebeurtenissen::EigenVenster(QWidget* w) { eigenVensters.append(w); }

void TGebeurtenissen::FocusVensterGewijzigd(QWindow* w) {
    if (!w || w == venster->windowHandle()) return;
    for (const auto& eigen : eigenVensters)
        if (eigen && eigen->windowHandle() == w) terugVanEigenVenster = true;
}

// Qt moves the focus between controls of a window that is not active without telling them, and
// tells the new one only as the window becomes active again. That is still a move inside the
// window: report it as one, so that the control left behind gets its focus-lost reaction.
void TGebeurtenissen::FocusVerschoven() {
    QWidget* nu = venster->focusWidget();
    if (nu == laatsteFocus) return;
    QWidget* vorig = laatsteFocus;
    laatsteFocus = nu;
    if (vorig && focusUit.contains(vorig)) focusUit[vorig]();
    if (nu && nu == venster->focusWidget() && focusIn.contains(nu)) focusIn[nu]();
}

bool TGebeurtenissen::IsVanVenster(QWidget* w) const { return w && w->window() == venster; }

QWidget* TGebeurtenissen::BesturingVan(QWidget* w) const {
    while (w && !besturingen.contains(w)) {
        if (w == venster) return w;
        w = w->parentWidget();
    }
    return w;
}

bool TGebeurtenissen::eventFilter(QObject* doel, QEvent* e) {
    if (!doel->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(doel);

    switch (e->type()) {
    case QEvent::WindowActivate:
        if (w == venster && venster->isEnabled() && (eersteActivering || terugVanEigenVenster)) {
            eersteActivering = false;
            terugVanEigenVenster = false;
            if (activering) activering();
        }
        return false;
    case QEvent::MouseMove: {
        if (!e->spontaneous() || !IsVanVenster(w)) return false;
        if (auto* b = BesturingVan(w); b && muis.contains(b)) muis[b]();
        return false;
    }
    case QEvent::KeyPress: {
        if (!IsVanVenster(w)) return false;
        auto* toets = static_cast<QKeyEvent*>(e);
        const bool enter = toets->key() == Qt::Key_Return || toets->key() == Qt::Key_Enter;
        if (enter && standaardKnop && standaardKnop->isVisible() && standaardKnop->isEnabled()) {
            standaardKnop->click();
            return true;
        }
        if (toets->key() == Qt::Key_Escape && annuleerKnop && annuleerKnop->isVisible() &&
            annuleerKnop->isEnabled()) {
            annuleerKnop->click();
            return true;
        }
        if (gevolgd.contains(w) && toetsen.contains(w)) return toetsen[w](toets);
        return false;
    }
    case QEvent::MouseButtonPress:
        // Qt has already moved the window's focus to the pressed control; in a window that is
        // not active it did so silently.
        if (IsVanVenster(w) && !venster->isActiveWindow()) FocusVerschoven();
        break;
    default:
        break;
    }

    if (!gevolgd.contains(w)) return false;
    switch (e->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut: {
        // Only focus moving between controls of this window counts: not the window being
        // (de)activated, and not a popup menu opening or closing.
        const auto reden = static_cast<QFocusEvent*>(e)->reason();
        if (reden == Qt::PopupFocusReason) return false;
        if (reden == Qt::ActiveWindowFocusReason) {
            if (e->type() == QEvent::FocusIn) FocusVerschoven();
            return false;
        }
        const bool in = e->type() == QEvent::FocusIn;
        laatsteFocus = in ? w : nullptr;
        auto& tabel = in ? focusIn : focusUit;
        if (tabel.contains(w)) tabel[w]();
        return false;
    }
    case QEvent::MouseButtonPress:
        if (static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton && w->isEnabled())
            ingedrukt = w;
        return false;
    case QEvent::MouseButtonRelease: {
        auto* muisKlik = static_cast<QMouseEvent*>(e);
        if (muisKlik->button() != Qt::LeftButton) return false;
        // A click on a control that takes the focus counts once the focus has arrived: in a
        // window that is not active it has not, and emptying a field there would strand it.
        const bool focusAangekomen = !(w->focusPolicy() & Qt::ClickFocus) || w->hasFocus();
        const bool klik = ingedrukt == w && w->isEnabled() && focusAangekomen &&
                          w->rect().contains(muisKlik->position().toPoint());
        ingedrukt = nullptr;
        if (klik && kliks.contains(w)) kliks[w]();
        return false;
    }
    default:
        return false;
    }
}

TTooltipPauze::TTooltipPauze(int milliseconden, QObject* ouder)
    : QObject(ouder), pauze(milliseconden), sluiter(new QTimer(this)) {
    sluiter->setSingleShot(true);
    sluiter->setTimerType(Qt::PreciseTimer);
    connect(sluiter, &QTimer::timeout, this, [] {
        // Close the tip label itself: hideText() would keep it up for another 300 ms.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->inherits("QTipLabel") && w->isVisible()) w->close();
    });
    qApp->installEventFilter(this);
}

TTooltipPauze::~TTooltipPauze() { qApp->removeEventFilter(this); }

bool TTooltipPauze::eventFilter(QObject* doel, QEvent* e) {
    if (e->type() != QEvent::ToolTip || !doel->isWidgetType()) return false;
    auto* w = static_cast<QWidget*>(doel);
    if (w->toolTip().isEmpty()) return false;
    auto* hulp = static_cast<QHelpEvent*>(e);
    // Far longer than the pause, so that only our timer decides when the tip goes.
    QToolTip::showText(hulp->globalPos(), w->toolTip(), w, {}, 10 * pauze + 10000);
    sluiter->start(pauze);
    return true;
}
