#include "Print1.h"

#include <QCheckBox>
#include <QEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QStylePainter>
#include <QWindow>
#include <qdrawutil.h>

namespace {

// A single black border round a lowered bevel.
class TBevelPaneel : public QFrame {
public:
    TBevelPaneel(QWidget* ouder, int bevel) : QFrame(ouder), bevel(bevel) {}

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.fillRect(rect(), palette().window());
        p.setPen(Qt::black);
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        qDrawShadePanel(&p, rect().adjusted(1, 1, -1, -1), palette(), true, bevel);
    }

private:
    int bevel;
};

// A check box with its caption left of the box.
class TLinksCheckBox : public QCheckBox {
public:
    using QCheckBox::QCheckBox;

protected:
    void paintEvent(QPaintEvent*) override {
        // Laid out right to left to put the box on the right; the closing mark keeps the caption
        // itself reading left to right, so its final ":" stays at the end.
        QStylePainter p(this);
        QStyleOptionButton optie;
        initStyleOption(&optie);
        optie.text += QChar(0x200E);
        p.drawControl(QStyle::CE_CheckBox, optie);
    }
};

QFont Lettertype(const QString& naam, int pixels, bool vet = false) {
    QFont f(naam);
    f.setPixelSize(pixels);
    f.setBold(vet);
    return f;
}

void ZetKleur(QWidget* w, QPalette::ColorRole rol, const QColor& kleur) {
    QPalette p = w->palette();
    p.setColor(rol, kleur);
    w->setPalette(p);
}

} // namespace

TPrintDialoog1::TPrintDialoog1(TPrintVerzoek& verzoek, QWidget* hoofdvenster)
    : QDialog(nullptr, Qt::Dialog | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      verzoek(&verzoek), hoofdvenster(hoofdvenster) {
    // Parentless, so that disabling the main window leaves the dialog enabled; application
    // modal, so that a click on the main window cannot activate it.
    setObjectName(QStringLiteral("PrintDialoog1"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);
    setFixedSize(658, 333);
    setFont(Lettertype(QStringLiteral("MS Sans Serif"), 11));
    setAutoFillBackground(true);
    ZetKleur(this, QPalette::Window, QColor(0x00, 0x80, 0x00));
    setCursor(Qt::ForbiddenCursor);

    Panel1 = new TBevelPaneel(this, 5);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(31, 39, 597, 249);
    ZetKleur(Panel1, QPalette::Window, QColor(0x80, 0x80, 0x80));
    Panel1->setCursor(Qt::ArrowCursor);

    Label1 = new QLabel(QStringLiteral("Printen van een schriftelijke oefening"), Panel1);
    Label1->setObjectName(QStringLiteral("Label1"));
    QFont kop = Lettertype(QStringLiteral("MS Sans Serif"), 19, true);
    kop.setUnderline(true);
    Label1->setFont(kop);
    ZetKleur(Label1, QPalette::WindowText, Qt::black);
    Label1->move(104, 24);
    Label1->adjustSize();

    Edit1 = new QLineEdit(QStringLiteral("Oefening"), Panel1);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(16, 96, 553, 28);
    Edit1->setFont(Lettertype(QStringLiteral("MS Sans Serif"), 16, true));
    ZetKleur(Edit1, QPalette::Text, Qt::black);

    CheckBox1 = new TLinksCheckBox(QStringLiteral("Extra blad met oplossingen printen :"), Panel1);
    CheckBox1->setObjectName(QStringLiteral("CheckBox1"));
    CheckBox1->setGeometry(16, 144, 309, 17);
    CheckBox1->setLayoutDirection(Qt::RightToLeft);
    CheckBox1->setFont(Lettertype(QStringLiteral("MS Sans Serif"), 16, true));
    ZetKleur(CheckBox1, QPalette::WindowText, Qt::black);

    OKKnop = new QPushButton(QIcon(QStringLiteral(":/beelden/vinkje.svg")), QStringLiteral("OK"),
                             Panel1);
    OKKnop->setObjectName(QStringLiteral("OKKnop"));
    OKKnop->setGeometry(160, 199, 81, 25);
    OKKnop->setDefault(true);

    CancelKnop = new QPushButton(QIcon(QStringLiteral(":/beelden/kruis.svg")),
                                 QStringLiteral("Cancel"), Panel1);
    CancelKnop->setObjectName(QStringLiteral("CancelKnop"));
    CancelKnop->setGeometry(373, 200, 81, 25);

    for (auto* knop : {OKKnop, CancelKnop})
        knop->setFocusPolicy(Qt::StrongFocus);
    Edit1->setFocus();

    connect(OKKnop, &QPushButton::clicked, this, &TPrintDialoog1::OKKnopClick);
    connect(CancelKnop, &QPushButton::clicked, this, &TPrintDialoog1::CancelKnopClick);
    if (hoofdvenster) {
        // The request lives in the main window: once that is gone the dialog has nothing to
        // write to.
        connect(hoofdvenster, &QObject::destroyed, this, [this] {
            this->verzoek = nullptr;
            this->hoofdvenster = nullptr;
            close();
        });
    }

    // Centred on the screen.
    QScreen* scherm = hoofdvenster ? hoofdvenster->screen() : nullptr;
    if (!scherm) scherm = QGuiApplication::primaryScreen();
    if (scherm) move(scherm->geometry().center() - rect().center());
}

TPrintDialoog1::~TPrintDialoog1() {
    // Destroyed without a button: as Cancel, so that the main window is never left disabled.
    if (!gesloten) {
        if (verzoek) {
            verzoek->Geannuleerd = true;
            verzoek->Klaar = true;
        }
        if (hoofdvenster) hoofdvenster->setEnabled(true);
    }
}

void TPrintDialoog1::showEvent(QShowEvent* e) {
    if (hoofdvenster && hoofdvenster->windowHandle() && windowHandle())
        windowHandle()->setTransientParent(hoofdvenster->windowHandle());
    QDialog::showEvent(e);
    // Ask for the focus ourselves: without a window manager nobody else gives it.
    activateWindow();
}

bool TPrintDialoog1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) FormActivate();
    return QDialog::event(e);
}

void TPrintDialoog1::FormActivate() {
    if (gesloten) return;
    if (verzoek) {
        verzoek->Klaar = false;
        verzoek->Titel = Edit1->text().toStdString();
    }
    if (hoofdvenster) hoofdvenster->setEnabled(false);
}

void TPrintDialoog1::OKKnopClick() {
    if (gesloten) return;
    if (verzoek) {
        verzoek->Titel = Edit1->text().toStdString();
        verzoek->Geannuleerd = false;
        verzoek->Klaar = true;
        verzoek->Oplossingen = CheckBox1->isChecked();
    }
    Sluit(QDialog::Accepted);
}

void TPrintDialoog1::CancelKnopClick() {
    if (gesloten) return;
    if (verzoek) {
        verzoek->Geannuleerd = true;
        verzoek->Klaar = true;
    }
    Sluit(QDialog::Rejected);
}

void TPrintDialoog1::reject() { CancelKnopClick(); }

void TPrintDialoog1::Sluit(int uitkomst) {
    gesloten = true;
    if (hoofdvenster) hoofdvenster->setEnabled(true);
    QPointer<QWidget> venster = hoofdvenster;
    done(uitkomst);
    // Closing a dialog does not by itself give the focus back to the main window.
    if (venster) venster->activateWindow();
}
