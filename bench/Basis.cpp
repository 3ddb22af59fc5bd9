// The baseline: a bare Qt window of the same size with the same number and kinds of widgets,
// nested and hidden alike, with Qt's default fonts and colours and no reactions of its own.
// On its first activation it writes the ten exercises and focuses the first answer field.

#include "Meting.h"

#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QSvgWidget>
#include <QTextEdit>

#include <array>
#include <cstring>

namespace {

QLabel* Label(QWidget* ouder, QRect plaats, const QString& tekst) {
    auto* l = new QLabel(tekst, ouder);
    l->setGeometry(plaats);
    return l;
}

QLineEdit* Veld(QWidget* ouder, QRect plaats, const QString& tekst) {
    auto* e = new QLineEdit(tekst, ouder);
    e->setGeometry(plaats);
    return e;
}

QCheckBox* Vinkje(QWidget* ouder, QRect plaats, const QString& tekst, bool aan) {
    auto* c = new QCheckBox(tekst, ouder);
    c->setGeometry(plaats);
    c->setChecked(aan);
    return c;
}

QPushButton* Knop(QWidget* ouder, QRect plaats, const QString& tekst, bool zichtbaar) {
    auto* k = new QPushButton(tekst, ouder);
    k->setGeometry(plaats);
    k->setVisible(zichtbaar);
    return k;
}

QFrame* Kader(QWidget* ouder, QRect plaats, bool zichtbaar) {
    auto* f = new QFrame(ouder);
    f->setGeometry(plaats);
    f->setFrameStyle(QFrame::Box);
    f->setVisible(zichtbaar);
    return f;
}

QSvgWidget* Beeld(QWidget* ouder, QRect plaats, const QString& bestand) {
    auto* b = new QSvgWidget(bestand, ouder);
    b->setGeometry(plaats);
    return b;
}

class TBasisVenster : public QWidget {
public:
    TBasisVenster() {
        setFixedSize(888, 647);
        setWindowTitle(QStringLiteral("Basis"));

        auto* groep = new QGroupBox(QStringLiteral("Instellingen"), this);
        groep->setGeometry(24, 9, 841, 89);
        Label(groep, {94, 16, 85, 17}, QStringLiteral(" Max. tafel  :"));
        Veld(groep, {181, 16, 57, 17}, QStringLiteral("10"));
        Label(groep, {12, 40, 165, 17}, QStringLiteral("Max. vermenigvuldiger :"));
        Veld(groep, {180, 40, 58, 17}, QStringLiteral("10"));
        Label(groep, {61, 64, 115, 17}, QStringLiteral("Timer (minuten) :"));
        Veld(groep, {179, 64, 59, 17}, QStringLiteral("0"));
        Kader(groep, {246, 0, 197, 89}, true);
        Vinkje(groep, {274, 17, 129, 17}, QStringLiteral("Enkel positief"), true);
        Vinkje(groep, {274, 41, 129, 17}, QStringLiteral("Enkel negatief"), false);
        Vinkje(groep, {274, 63, 159, 17}, QStringLiteral("Positief én Negatief"), false);
        auto* orde = Kader(groep, {442, 8, 259, 80}, true);
        Vinkje(orde, {102, 8, 141, 17}, QStringLiteral("Klassiek tafelen :"), false);
        Vinkje(orde, {20, 31, 223, 17}, QStringLiteral("Variabele vermenigvuldiger :"), true);
        Vinkje(orde, {37, 54, 206, 17}, QStringLiteral("Ook onderliggende tafels :"), false);
        Beeld(groep, {718, 30, 37, 36}, QStringLiteral(":/beelden/printer.svg"));
        Beeld(groep, {787, 32, 35, 33}, QStringLiteral(":/beelden/icoon.svg"));

        Beeld(this, {26, 104, 57, 25}, QStringLiteral(":/beelden/stop.svg"));
        Label(this, {152, 109, 100, 17}, QStringLiteral("Oefening nr. : :"));
        Label(this, {256, 105, 20, 24}, QStringLiteral("1"));
        Knop(this, {353, 107, 62, 23}, QStringLiteral("RESET"), false);
        Label(this, {416, 106, 87, 24}, QString())->hide();
        Knop(this, {431, 107, 62, 22}, QStringLiteral("START"), false);

        auto* oefeningen = Kader(this, {24, 134, 642, 314}, true);
        Label(oefeningen, {14, 7, 600, 17},
              QStringLiteral("Nr.  Vermenigvuldiger               Tafel                 "
                             "                 Product                            Test"));
        for (int k = 0; k < 10; ++k) {
            const int top = 36 + 27 * k;
            Label(oefeningen, {12, top, 29, 18}, QStringLiteral("%1)").arg(k + 1));
            rijen[k].term1 = Label(oefeningen, {50, top, 106, 18}, QStringLiteral("00000000000"));
            Label(oefeningen, {171, top, 12, 18}, QStringLiteral("x"));
            rijen[k].term2 = Label(oefeningen, {196, top, 106, 18}, QStringLiteral("00000000000"));
            Label(oefeningen, {311, top, 12, 18}, QStringLiteral("="));
            rijen[k].veld =
                Veld(oefeningen, {337, top - 2, 191, 20}, QStringLiteral("00000000000000000000"));
            rijen[k].oordeel = Label(oefeningen, {549, top, 68, 16}, QString());
        }

        auto* punten = Kader(this, {687, 134, 177, 313}, true);
        Label(punten, {24, 28, 120, 17}, QStringLiteral("Behaalde punten"));
        Label(punten, {35, 66, 105, 37}, QStringLiteral("0"));
        Label(punten, {72, 135, 40, 30}, QStringLiteral("OP"));
        Label(punten, {35, 197, 105, 37}, QStringLiteral("10"));
        Label(punten, {26, 260, 120, 17}, QStringLiteral("Maximum punten"));

        Knop(this, {68, 456, 262, 24}, QStringLiteral("VOLGENDE OEFENING"), false);
        Knop(this, {397, 455, 136, 23}, QStringLiteral("CONTROLEER"), true);
        auto* help = new QTextEdit(this);
        help->setGeometry(24, 488, 841, 147);
        help->setReadOnly(true);

        auto* uitslag = Kader(this, {24, 136, 841, 313}, false);
        Label(uitslag, {370, 44, 116, 24}, QStringLiteral("Puntentotaal"));
        Label(uitslag, {340, 116, 36, 40}, QString());
        Label(uitslag, {414, 124, 30, 24}, QStringLiteral("OP"));
        Label(uitslag, {480, 114, 36, 40}, QString());
        Label(uitslag, {348, 209, 98, 41}, QString());
        Label(uitslag, {456, 208, 30, 40}, QStringLiteral("%"));

        auto* info = Kader(this, {272, 33, 585, 304}, false);
        Label(info, {58, 13, 110, 17}, QStringLiteral("Een product van :"));
        Label(info, {176, 8, 280, 24}, QStringLiteral("Werkgroep Rekenoefeningen"));
        Label(info, {161, 31, 200, 17}, QStringLiteral("https://quorbel.example.org"));
        Label(info, {216, 75, 120, 20}, QStringLiteral("Quorbel v.6.1"));
        Label(info, {16, 99, 526, 120},
              QStringLiteral("Flexibel Programma voor het oefenen met "
                             "tafels van vermenigvuldiging."));
        Beeld(info, {537, 6, 33, 36}, QStringLiteral(":/beelden/icoon.svg"));
        Knop(info, {270, 258, 36, 25}, QString(), true);
    }

    bool Gevuld() const { return gevuld; }

protected:
    void changeEvent(QEvent* e) override {
        if (e->type() == QEvent::ActivationChange && isActiveWindow() && !gevuld) {
            for (auto& rij : rijen) {
                rij.term1->setNum(1 + static_cast<int>(QRandomGenerator::global()->bounded(10)));
                rij.term2->setNum(10);
                rij.veld->clear();
                rij.oordeel->clear();
            }
            rijen[0].veld->setFocus();
            gevuld = true;
        }
        QWidget::changeEvent(e);
    }

private:
    struct TRij {
        QLabel *term1, *term2, *oordeel;
        QLineEdit* veld;
    };
    std::array<TRij, 10> rijen{};
    bool gevuld = false;
};

} // namespace

int main(int argc, char* argv[]) {
    const bool rust = argc > 1 && std::strcmp(argv[1], "rust") == 0;
    QApplication app(argc, argv);
    TBasisVenster venster;
    Meting::TMeter meter(
        venster, [&venster] { return venster.Gevuld(); }, rust);
    venster.show();
    venster.activateWindow();
    return app.exec();
}
