// The main window and its exercise area, driven with the mouse and the keyboard.
#include "Vensterhulp.h"

#include <QApplication>
#include <QMenu>

using namespace Hulp;

class TstVenster : public QObject {
    Q_OBJECT
private slots:
    void opstart();
    void besturingen_data();
    void besturingen();
    void alleenMetToetsenbord();
    void enterGaatRondEnControleertNiet();
    void controleren_data();
    void controleren();
    void nogmaalsControleren();
    void klikInVeldLeegtHetEnVerbergtVolgende();
    void veldVerlaten_data();
    void veldVerlaten();
    void volgendeOefening();
    void anderProgrammaBewaartAntwoorden();
    void contextmenuBewaartDeReeks();
    void klikInInactiefVenster();
    void stopBeeldSluit();
    void infoVlakToontVolleTeksten();
    void pictogrammenZijnGetekend();
    void paneelDeelsHertekend_data();
    void paneelDeelsHertekend();
};

void TstVenster::opstart() {
    auto w = Start();
    QCOMPARE(w->windowTitle(), QStringLiteral("Quorbel v.6.1 (DRK)"));
    QCOMPARE(w->size(), QSize(888, 647));
    QCOMPARE(w->minimumSize(), w->maximumSize());
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("1"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("0"));
    QCOMPARE(Tekst(*w, "Label8"), QStringLiteral("10"));
    for (int k = 1; k <= 10; ++k) {
        const int v = Tekst(*w, Rij(k, "Term1")).toInt();
        QVERIFY2(v >= 1 && v <= 10, qPrintable(Tekst(*w, Rij(k, "Term1"))));
        QCOMPARE(Tekst(*w, Rij(k, "Term2")), QStringLiteral("10"));
        QCOMPARE(Tekst(*w, Rij(k, "Result")), QString());
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")), QString());
    }
    for (const char* verborgen :
         {"VolgendeOefening", "Startknop", "OKKnop1", "KlokVenster", "Panel3", "Info"})
        QVERIFY2(!Zoek(*w, verborgen)->isVisible(), verborgen);
    QCOMPARE(Tekst(*w, "Help"), QString());
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
    for (auto* l : w->findChildren<QLabel*>())
        QVERIFY2(!l->text().contains("00000000000"), qPrintable(l->objectName()));
}

// Every control exists under its name, where it belongs, with its caption.
void TstVenster::besturingen_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QString>("ouder");
    QTest::addColumn<QRect>("plaats");
    QTest::addColumn<QString>("tekst");
    const struct {
        const char *naam, *ouder;
        QRect plaats;
        const char* tekst;
    } rijen[] = {
        {"Instellingen", "Form1", {24, 9, 841, 89}, nullptr},
        {"MaxTerm1", "Instellingen", {181, 16, 57, 17}, "10"},
        {"MaxTerm2", "Instellingen", {180, 40, 58, 17}, "10"},
        {"TimerMinuten", "Instellingen", {179, 64, 59, 17}, "0"},
        {"Positief", "Instellingen", {274, 17, 129, 17}, "Enkel positief"},
        {"Negatief", "Instellingen", {274, 41, 129, 17}, "Enkel negatief"},
        {"PositiefNegatief", "Instellingen", {274, 63, 159, 17}, "Positief én Negatief"},
        {"Groep1", "Instellingen", {442, 8, 259, 80}, nullptr},
        {"KlassiekTafelen", "Groep1", {102, 8, 141, 17}, "Klassiek tafelen :"},
        {"VariabeleVermenigvuldiger", "Groep1", {20, 31, 223, 17}, "Variabele vermenigvuldiger :"},
        {"OnderliggendeTafels", "Groep1", {37, 54, 206, 17}, "Ook onderliggende tafels :"},
        {"Image3", "Instellingen", {718, 30, 37, 36}, nullptr},
        {"Image1", "Instellingen", {787, 32, 35, 33}, nullptr},
        {"Image4", "Form1", {26, 104, 57, 25}, nullptr},
        {"OKKnop1", "Form1", {353, 107, 62, 23}, "RESET"},
        {"KlokVenster", "Form1", {416, 106, 87, 24}, ""},
        {"Startknop", "Form1", {431, 107, 62, 22}, "START"},
        {"Panel1", "Form1", {24, 134, 642, 314}, nullptr},
        {"Oef1Term1", "Panel1", {50, 36, 106, 18}, nullptr},
        {"Oef3Result", "Panel1", {337, 88, 191, 20}, nullptr},
        {"Oef5Kontrol", "Panel1", {549, 143, 68, 18}, nullptr},
        {"Oef10Term2", "Panel1", {196, 280, 106, 18}, nullptr},
        {"Panel2", "Form1", {687, 134, 177, 313}, nullptr},
        {"Label6", "Panel2", {35, 66, 105, 37}, "0"},
        {"Label8", "Panel2", {35, 197, 105, 37}, "10"},
        {"VolgendeOefening", "Form1", {68, 456, 262, 24}, "VOLGENDE OEFENING"},
        {"Kontroleer", "Form1", {397, 455, 136, 23}, "CONTROLEER"},
        {"Help", "Form1", {24, 488, 841, 147}, ""},
        {"Panel3", "Form1", {24, 136, 841, 313}, nullptr},
        {"Label51", "Panel3", {348, 209, 98, 41}, nullptr},
        {"Info", "Form1", {272, 33, 585, 304}, nullptr},
        {"Label45", "Info", {16, 99, 526, 120}, nullptr},
        {"OKKnop", "Info", {270, 258, 36, 25}, ""},
    };
    for (const auto& r : rijen)
        QTest::newRow(r.naam) << r.naam << r.ouder << r.plaats
                              << (r.tekst ? QString::fromUtf8(r.tekst) : QStringLiteral("-"));
}

void TstVenster::besturingen() {
    QFETCH(QString, naam);
    QFETCH(QString, ouder);
    QFETCH(QRect, plaats);
    QFETCH(QString, tekst);
    auto w = Start();
    QWidget* b = Zoek(*w, naam);
    QCOMPARE(b->parentWidget()->objectName(), ouder);
    QCOMPARE(b->geometry(), plaats);
    if (tekst != "-") QCOMPARE(Tekst(*w, naam), tekst);
}

// Type, Enter, type, Enter ... then CONTROLEER: every row right.
void TstVenster::alleenMetToetsenbord() {
    auto w = Start();
    Beantwoord(*w, 10);
    Klik(Zoek(*w, "Kontroleer"));
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")), QStringLiteral("GOED"));
        QCOMPARE(Zoek<QLabel>(*w, Rij(k, "Kontrol"))->palette().color(QPalette::WindowText),
                 QColor(0, 128, 0));
    }
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("10"));
    QVERIFY(Zoek(*w, "VolgendeOefening")->isVisible());
}

void TstVenster::enterGaatRondEnControleertNiet() {
    auto w = Start();
    auto* tien = Zoek<QLineEdit>(*w, Rij(10, "Result"));
    Klik(tien);
    Typ(tien, "7");
    Enter(tien);
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
    Typ(QApplication::focusWidget(), "3");
    Enter(QApplication::focusWidget());
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(2, "Result")));
    // A field reached with Enter keeps its text; nothing is checked.
    for (int i = 0; i < 9; ++i)
        Enter(QApplication::focusWidget());
    QCOMPARE(Tekst(*w, Rij(10, "Result")), QStringLiteral("7"));
    QCOMPARE(Tekst(*w, Rij(1, "Result")), QStringLiteral("3"));
    QCOMPARE(Tekst(*w, Rij(1, "Kontrol")), QString());
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
}

void TstVenster::controleren_data() {
    QTest::addColumn<int>("goed");
    QTest::newRow("all empty") << -1;
    QTest::newRow("none right") << 0;
    QTest::newRow("seven right") << 7;
    QTest::newRow("all right") << 10;
}

void TstVenster::controleren() {
    QFETCH(int, goed);
    auto w = Start();
    if (goed >= 0) Beantwoord(*w, goed);
    Klik(Zoek(*w, "Kontroleer"));
    for (int k = 1; k <= 10; ++k) {
        const bool juist = k <= goed;
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")),
                 juist ? QStringLiteral("GOED") : QStringLiteral("FOUT"));
        QCOMPARE(Zoek<QLabel>(*w, Rij(k, "Kontrol"))->palette().color(QPalette::WindowText),
                 juist ? QColor(0, 128, 0) : QColor(255, 0, 0));
    }
    QCOMPARE(Tekst(*w, "Label6"), QString::number(qMax(goed, 0)));
    QCOMPARE(Tekst(*w, "Label8"), QStringLiteral("10"));
}

// Checking again never counts twice; correcting answers counts from the committed points.
void TstVenster::nogmaalsControleren() {
    auto w = Start();
    Beantwoord(*w, 10);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    Beantwoord(*w, 7);
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("17"));
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("17"));
    for (int k : {8, 9}) {
        auto* veld = Zoek(*w, Rij(k, "Result"));
        Klik(veld);
        Typ(veld, Product(*w, k));
    }
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("19"));
    QCOMPARE(Tekst(*w, Rij(9, "Kontrol")), QStringLiteral("GOED"));
    QCOMPARE(Tekst(*w, Rij(10, "Kontrol")), QStringLiteral("FOUT"));
}

void TstVenster::klikInVeldLeegtHetEnVerbergtVolgende() {
    auto w = Start();
    Beantwoord(*w, 3);
    Klik(Zoek(*w, "Kontroleer"));
    QVERIFY(Zoek(*w, "VolgendeOefening")->isVisible());
    Klik(Zoek(*w, Rij(2, "Result")));
    QCOMPARE(Tekst(*w, Rij(2, "Result")), QString());
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
    // A press released outside the field gives it the focus but is no click: the text stays.
    Klik(Zoek(*w, "Kontroleer"));
    DrukZonderKlik(Zoek(*w, Rij(3, "Result")));
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(3, "Result")));
    QCOMPARE(Tekst(*w, Rij(3, "Result")), Product(*w, 3));
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
}

void TstVenster::veldVerlaten_data() {
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("daarna");
    QTest::newRow("point becomes comma") << "12.5"
                                         << "12,5";
    QTest::newRow("blanks trimmed") << "  42 "
                                    << "42";
    QTest::newRow("not a number") << "56a"
                                  << "";
    QTest::newRow("second point") << "1.234.5"
                                  << "";
    QTest::newRow("inner blank") << "5 6"
                                 << "";
    QTest::newRow("exponent kept") << "5,6e+1"
                                   << "5,6e+1";
    QTest::newRow("non-ASCII") << QString::fromUtf8("५६") << "";
}

// Leaving a field cleans it, whether by Enter, Tab or a click elsewhere.
void TstVenster::veldVerlaten() {
    QFETCH(QString, getypt);
    QFETCH(QString, daarna);
    auto w = Start();
    auto* een = Zoek(*w, Rij(1, "Result"));
    Klik(een);
    Typ(een, getypt);
    Enter(een);
    QCOMPARE(Tekst(*w, Rij(1, "Result")), daarna);
    auto* twee = Zoek(*w, Rij(2, "Result"));
    Typ(twee, getypt);
    QTest::keyClick(twee, Qt::Key_Tab);
    QCOMPARE(Tekst(*w, Rij(2, "Result")), daarna);
    auto* drie = Zoek(*w, Rij(3, "Result"));
    Typ(drie, getypt);
    Klik(Zoek(*w, "Kontroleer")); // the field is cleaned before the check reads it
    QCOMPARE(Tekst(*w, Rij(3, "Result")), daarna);
}

void TstVenster::volgendeOefening() {
    auto w = Start();
    Beantwoord(*w, 4);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("2"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("4"));
    QCOMPARE(Tekst(*w, "Label8"), QStringLiteral("20"));
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(Tekst(*w, Rij(k, "Result")), QString());
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")), QString());
    }
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
}

// A pupil who switches to another program and back finds everything as it was.
void TstVenster::anderProgrammaBewaartAntwoorden() {
    auto w = Start();
    const QStringList oefeningen = Oefeningen(*w);
    auto* drie = Zoek(*w, Rij(3, "Result"));
    Klik(drie);
    Typ(drie, "12.");
    AnderProgramma();
    QVERIFY(!w->isActiveWindow());
    TerugNaar(*w);
    QVERIFY(w->isActiveWindow());
    QCOMPARE(Oefeningen(*w), oefeningen);
    QCOMPARE(Tekst(*w, Rij(3, "Result")), QStringLiteral("12.")); // not even left
    QCOMPARE(QApplication::focusWidget(), drie);
}

void TstVenster::contextmenuBewaartDeReeks() {
    auto w = Start();
    const QStringList oefeningen = Oefeningen(*w);
    auto* vier = Zoek(*w, Rij(4, "Result"));
    Klik(vier);
    Typ(vier, "8.");
    QContextMenuEvent e(QContextMenuEvent::Mouse, vier->rect().center(),
                        vier->mapToGlobal(vier->rect().center()));
    QApplication::sendEvent(vier, &e);
    QWidget* menu = QApplication::activePopupWidget();
    QVERIFY(menu);
    menu->close();
    QCoreApplication::processEvents();
    QCOMPARE(Oefeningen(*w), oefeningen);
    QCOMPARE(Tekst(*w, Rij(4, "Result")), QStringLiteral("8.")); // the menu is no leaving
}

// Qt moves the focus inside a window that is not active without telling the controls; the field
// left behind is still cleaned, and the press is no click until the focus has arrived.
void TstVenster::klikInInactiefVenster() {
    auto w = Start();
    auto* drie = Zoek<QLineEdit>(*w, Rij(3, "Result"));
    Klik(drie);
    Typ(drie, "42");
    auto* maxTafel = Zoek<QLineEdit>(*w, "MaxTerm1");
    Klik(maxTafel);
    QCOMPARE(maxTafel->text(), QString());
    AnderProgramma();
    Klik(drie);
    QCOMPARE(maxTafel->text(), QStringLiteral("10"));
    QCOMPARE(drie->text(), QStringLiteral("42"));
    TerugNaar(*w);
    QCOMPARE(QApplication::focusWidget(), drie);
    QCOMPARE(drie->text(), QStringLiteral("42"));
}

void TstVenster::stopBeeldSluit() {
    auto w = Start();
    Klik(Zoek(*w, "Image4"));
    QVERIFY(!w->isVisible());
}

// The panel's labels are sized only when it opens; then every text fits in full.
void TstVenster::infoVlakToontVolleTeksten() {
    auto w = Start();
    Klik(Zoek(*w, "Image1"));
    QVERIFY(Zoek(*w, "Info")->isVisible());
    for (const char* naam : {"Label42", "Label43", "Label44", "Label46"}) {
        auto* l = Zoek<QLabel>(*w, naam);
        const QFontMetrics maat(l->font());
        QVERIFY2(l->width() >= maat.horizontalAdvance(l->text()), naam);
        QVERIFY2(l->height() >= maat.height(), naam);
    }
    Klik(Zoek(*w, "OKKnop"));
    QVERIFY(!Zoek(*w, "Info")->isVisible());
    // A second opening keeps them as they are.
    const QRect plaats = Zoek(*w, "Label43")->geometry();
    Klik(Zoek(*w, "Image1"));
    QCOMPARE(Zoek(*w, "Label43")->geometry(), plaats);
}

// The window icon and the OK button's check mark are drawn from our pictures, not left empty.
void TstVenster::pictogrammenZijnGetekend() {
    auto w = Start();
    auto getekend = [](const QIcon& pictogram, int maat) {
        const QImage beeld = pictogram.pixmap(maat).toImage();
        for (int y = 0; y < beeld.height(); ++y)
            for (int x = 0; x < beeld.width(); ++x)
                if (qAlpha(beeld.pixel(x, y)) > 0) return true;
        return false;
    };
    QVERIFY(getekend(w->windowIcon(), 64));
    QVERIFY(getekend(Zoek<QPushButton>(*w, "OKKnop")->icon(), 18));
}

// A panel repainted in part shows there exactly what a whole repaint shows: border and bevel
// where the part reaches them, the plain background inside them.
void TstVenster::paneelDeelsHertekend_data() {
    QTest::addColumn<QString>("naam");
    QTest::addColumn<QRect>("deel");
    QTest::newRow("oefenvlak, binnenin") << "Panel1" << QRect(600, 200, 30, 20);
    QTest::newRow("oefenvlak, tegen de bevel") << "Panel1" << QRect(2, 100, 20, 20);
    QTest::newRow("oefenvlak, over de rand") << "Panel1" << QRect(0, 0, 642, 4);
    QTest::newRow("oefenvlak, hoek rechtsonder") << "Panel1" << QRect(630, 300, 12, 14);
    QTest::newRow("puntenvlak, tegen de bevel") << "Panel2" << QRect(7, 100, 10, 10);
    QTest::newRow("puntenvlak, binnenin") << "Panel2" << QRect(60, 100, 10, 10);
    QTest::newRow("uitslagvlak, tegen de bevel") << "Panel3" << QRect(827, 100, 10, 40);
    QTest::newRow("groep, tegen de bevel") << "Groep1" << QRect(10, 70, 50, 10);
    QTest::newRow("groep, binnenin") << "Groep1" << QRect(10, 69, 50, 10);
}

void TstVenster::paneelDeelsHertekend() {
    QFETCH(QString, naam);
    QFETCH(QRect, deel);
    auto w = Start();
    QWidget* paneel = Zoek(*w, naam);
    QPixmap heel(paneel->size());
    paneel->render(&heel);
    QPixmap gedeeltelijk(paneel->size());
    gedeeltelijk.fill(Qt::magenta);
    paneel->render(&gedeeltelijk, deel.topLeft(), QRegion(deel));
    QCOMPARE(gedeeltelijk.copy(deel).toImage(), heel.copy(deel).toImage());
}

QTEST_MAIN(TstVenster)
#include "tst_venster.moc"
