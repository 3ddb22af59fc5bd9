// The timed competition in the real window: START, the countdown on a clock the test drives,
// the locked area with its results, and RESET back to the normal drill.
#include "KlokTekst.h"
#include "Vensterhulp.h"

#include <QApplication>
#include <QTimer>

#include <chrono>

using namespace Hulp;
using namespace std::chrono_literals;
using std::chrono::milliseconds;

namespace {

QTimer* Timer1(const TForm1& w) { return Zoek<QTimer>(w, "Timer1"); }

// Click the minutes field, type, Enter: as a pupil commits the minutes.
void ZetMinuten(TForm1& w, const QString& minuten) {
    auto* v = Zoek(w, "TimerMinuten");
    Klik(v);
    Typ(v, minuten);
    Enter(v);
}

// A shown window on the test's clock, minutes committed and START clicked.
std::unique_ptr<TForm1> StartWedstrijd(TTestKlok& klok, int minuten) {
    auto w = Start();
    w->ZetKlok(klok);
    ZetMinuten(*w, QString::number(minuten));
    Klik(Zoek(*w, "Startknop"));
    return w;
}

// Time passes and the one-second timer fires.
void Tik(TForm1& w, TTestKlok& klok, milliseconds duur) {
    klok.Verstrijk(duur);
    w.Timer1Timer();
}

QString Klok(milliseconds resterend) { return KlokTekst(resterend, QLocale()); }

// Fills the rows by a pattern: 'G' the right product, 'F' a wrong one, '.' left empty.
void VulIn(TForm1& w, const QString& patroon) {
    for (int k = 1; k <= 10; ++k) {
        const QChar c = patroon[k - 1];
        if (c == '.') continue;
        auto* veld = Zoek(w, Rij(k, "Result"));
        Klik(veld);
        Typ(veld, c == 'G' ? Product(w, k) : QStringLiteral("7777"));
    }
}

bool IsNieuweReeks(const TForm1& w) {
    return Tekst(w, "Reeksteller") == "1" && Tekst(w, "Label6") == "0" &&
           Tekst(w, "Label8") == "10";
}

void VerifieerAfgesloten(const TForm1& w) {
    QVERIFY(!Zoek(w, "Panel1")->isEnabled());
    QVERIFY(!Zoek(w, "Kontroleer")->isVisible());
    QVERIFY(!Zoek(w, "VolgendeOefening")->isVisible());
    QVERIFY(Zoek(w, "Panel3")->isVisible());
    QVERIFY(Zoek(w, "OKKnop1")->isVisible());
    QVERIFY(Zoek(w, "KlokVenster")->isVisible());
    QVERIFY(!Zoek(w, "Instellingen")->isEnabled());
    QVERIFY(!Timer1(w)->isActive());
    QVERIFY(!w.Wedstrijd().Loopt());
}

} // namespace

class TstWedstrijdVenster : public QObject {
    Q_OBJECT
private slots:
    void start();
    void verborgenStartknopKlikNiet();
    void aftellen();
    void uitslag_data();
    void uitslag();
    void afgeslotenVlak();
    void veldMetFocusBijHetEinde_data();
    void veldMetFocusBijHetEinde();
    void reset_data();
    void reset();
    void escZonderReset();
    void klokVerzetten_data();
    void klokVerzetten();
    void klassiekeVolgorde();
};

void TstWedstrijdVenster::start() {
    TTestKlok klok;
    auto w = Start();
    w->ZetKlok(klok);
    Beantwoord(*w, 6);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    ZetMinuten(*w, "3");
    QVERIFY(Zoek(*w, "Startknop")->isVisible());
    QVERIFY(!Timer1(*w)->isActive()); // no ticks outside a countdown
    Beantwoord(*w, 4);
    Klik(Zoek(*w, "Kontroleer"));

    Klik(Zoek(*w, "Startknop"));
    QVERIFY(!Zoek(*w, "Startknop")->isVisible());
    QVERIFY(Zoek(*w, "KlokVenster")->isVisible());
    QCOMPARE(Tekst(*w, "KlokVenster"), KlokTekst(std::chrono::minutes(3), QLocale()));
    QVERIFY(Zoek(*w, "OKKnop1")->isVisible());
    QVERIFY(!Zoek(*w, "Panel3")->isVisible());
    QVERIFY(!Zoek(*w, "Instellingen")->isEnabled());
    QVERIFY(Timer1(*w)->isActive());
    QCOMPARE(Timer1(*w)->interval(), 1000);
    QVERIFY(w->Wedstrijd().Loopt());
    QCOMPARE(w->Wedstrijd().StartMoment(), klok.Nu());
    QVERIFY(IsNieuweReeks(*w));
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(Tekst(*w, Rij(k, "Result")), QString());
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")), QString());
    }
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
    // The information and print pictures lie in the disabled settings panel.
    Klik(Zoek(*w, "Image1"));
    QVERIFY(!Zoek(*w, "Info")->isVisible());
    // The drill goes on as usual while counting.
    Beantwoord(*w, 10);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("2"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("10"));
}

// Minutes set back to 0 and START clicked at once: leaving the field hides START under the
// press, and a hidden button is no button to click.
void TstWedstrijdVenster::verborgenStartknopKlikNiet() {
    TTestKlok klok;
    auto w = Start();
    w->ZetKlok(klok);
    ZetMinuten(*w, "5");
    auto* veld = Zoek(*w, "TimerMinuten");
    Klik(veld);
    Typ(veld, "0");
    Klik(Zoek(*w, "Startknop"));
    QVERIFY(!Zoek(*w, "Startknop")->isVisible());
    QVERIFY(!w->Wedstrijd().Loopt());
    QVERIFY(!Timer1(*w)->isActive());
    QVERIFY(!Zoek(*w, "KlokVenster")->isVisible());
    QVERIFY(Zoek(*w, "Instellingen")->isEnabled());
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
}

// Each tick shows the time left, until the end is passed by a millisecond.
void TstWedstrijdVenster::aftellen() {
    TTestKlok klok;
    auto w = StartWedstrijd(klok, 2);
    Tik(*w, klok, 0ms);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(2min));
    Tik(*w, klok, 1s);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(119s));
    Tik(*w, klok, 1min);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(59s));
    QVERIFY(Klok(59s) != Klok(2min));
    Tik(*w, klok, 59s);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(0s));
    QVERIFY(w->Wedstrijd().Loopt());
    QVERIFY(!Zoek(*w, "Panel3")->isVisible());
    Tik(*w, klok, 1ms);
    VerifieerAfgesloten(*w);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(0s)); // the last time left stays
    // Later ticks, should one still come, change nothing.
    const QString punten = Tekst(*w, "Label48");
    Tik(*w, klok, 5s);
    QCOMPARE(Tekst(*w, "Label48"), punten);
    VerifieerAfgesloten(*w);
}

void TstWedstrijdVenster::uitslag_data() {
    QTest::addColumn<int>("minuten");
    QTest::addColumn<int>("volleSets"); // all right, then VOLGENDE OEFENING
    QTest::addColumn<QString>("laatsteSet");
    QTest::addColumn<QString>("punten");
    QTest::addColumn<QString>("gemaakt");
    QTest::addColumn<QString>("percentage");
    QTest::newRow("nothing answered") << 1 << 0 << ".........."
                                      << "0"
                                      << "0"
                                      << "0";
    QTest::newRow("13 of 14, cut") << 2 << 1 << "GGFG......"
                                   << "13"
                                   << "14"
                                   << "92,8";
    QTest::newRow("3 of 3") << 1 << 0 << "GGG......."
                            << "3"
                            << "3"
                            << "100";
    QTest::newRow("empty row above a filled one") << 1 << 0 << "GG.GGGGGGG"
                                                  << "9"
                                                  << "10"
                                                  << "90";
    QTest::newRow("all wrong") << 1 << 0 << "FFFFF....."
                               << "0"
                               << "5"
                               << "0";
    QTest::newRow("unreached after two sets") << 5 << 2 << ".........."
                                              << "20"
                                              << "20"
                                              << "100";
    QTest::newRow("two of three") << 1 << 0 << "GFG......."
                                  << "2"
                                  << "3"
                                  << "66,6";
}

void TstWedstrijdVenster::uitslag() {
    QFETCH(int, minuten);
    QFETCH(int, volleSets);
    QFETCH(QString, laatsteSet);
    QFETCH(QString, punten);
    QFETCH(QString, gemaakt);
    QFETCH(QString, percentage);
    TTestKlok klok;
    auto w = StartWedstrijd(klok, minuten);
    for (int i = 0; i < volleSets; ++i) {
        Beantwoord(*w, 10);
        Klik(Zoek(*w, "Kontroleer"));
        Klik(Zoek(*w, "VolgendeOefening"));
        Tik(*w, klok, 20s);
    }
    VulIn(*w, laatsteSet);
    Tik(*w, klok, std::chrono::minutes(minuten) + 1ms - volleSets * 20s);
    VerifieerAfgesloten(*w);
    QCOMPARE(Tekst(*w, "Label48"), punten);
    QCOMPARE(Tekst(*w, "Label49"), gemaakt);
    QCOMPARE(Tekst(*w, "Label51"), percentage);
    // The last set was judged, and the score panel shows it.
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")),
                 laatsteSet[k - 1] == 'G' ? QStringLiteral("GOED") : QStringLiteral("FOUT"));
    QCOMPARE(Tekst(*w, "Label6"), QString::number(10 * volleSets + laatsteSet.count('G')));
    // The points keep their right edge, the attempted their left one, whatever their length.
    auto* l48 = Zoek<QLabel>(*w, "Label48");
    QCOMPARE(l48->x() + l48->width(), 376);
    QCOMPARE(l48->y(), 116);
    QVERIFY(l48->width() >= l48->sizeHint().width());
    auto* l49 = Zoek<QLabel>(*w, "Label49");
    QCOMPARE(l49->pos(), QPoint(480, 114));
    QVERIFY(l49->width() >= l49->sizeHint().width());
}

// Nothing can be typed or checked once time is up.
void TstWedstrijdVenster::afgeslotenVlak() {
    TTestKlok klok;
    auto w = StartWedstrijd(klok, 1);
    VulIn(*w, "GG........");
    Tik(*w, klok, 1min + 1ms);
    VerifieerAfgesloten(*w);
    auto* drie = Zoek<QLineEdit>(*w, Rij(3, "Result"));
    Klik(drie);
    Typ(drie, "5");
    QCOMPARE(drie->text(), QString());
    QVERIFY(QApplication::focusWidget() != drie);
    // Enter is not a way back to the drill either.
    QTest::keyClick(w.get(), Qt::Key_Return);
    VerifieerAfgesloten(*w);
    QCOMPARE(Tekst(*w, "Label48"), QStringLiteral("2"));
}

void TstWedstrijdVenster::veldMetFocusBijHetEinde_data() {
    QTest::addColumn<QString>("getypt"); // into row 10, which keeps the focus; %p is its product
    QTest::addColumn<bool>("actief");
    QTest::addColumn<QString>("daarna");
    QTest::addColumn<QString>("punten");
    QTest::addColumn<QString>("gemaakt");
    QTest::newRow("point, active") << "12.5" << true << "12,5"
                                   << "0"
                                   << "10";
    QTest::newRow("point, other program") << "12.5" << false << "12.5"
                                          << "0"
                                          << "10";
    QTest::newRow("right with a point, active") << "%p.0" << true << "%p,0"
                                                << "1"
                                                << "10";
    QTest::newRow("right with a point, other program") << "%p.0" << false << "%p.0"
                                                       << "1"
                                                       << "10";
    QTest::newRow("letters, active") << "abc" << true << ""
                                     << "0"
                                     << "0";
    QTest::newRow("letters, other program") << "abc" << false << "abc"
                                            << "0"
                                            << "10";
}

// When the window is active at the end, the focused answer field is cleaned before the set is
// judged; when another program is, the field is judged as typed and counts as not empty.
void TstWedstrijdVenster::veldMetFocusBijHetEinde() {
    QFETCH(QString, getypt);
    QFETCH(bool, actief);
    QFETCH(QString, daarna);
    QFETCH(QString, punten);
    QFETCH(QString, gemaakt);
    TTestKlok klok;
    auto w = StartWedstrijd(klok, 1);
    const QString product = Product(*w, 10);
    auto* tien = Zoek(*w, Rij(10, "Result"));
    Klik(tien);
    Typ(tien, QString(getypt).replace("%p", product));
    QCOMPARE(QApplication::focusWidget(), tien);
    if (!actief) {
        AnderProgramma();
        QVERIFY(!w->isActiveWindow());
    }
    Tik(*w, klok, 1min + 1ms);
    VerifieerAfgesloten(*w);
    QCOMPARE(Tekst(*w, Rij(10, "Result")), QString(daarna).replace("%p", product));
    QCOMPARE(Tekst(*w, "Label48"), punten);
    QCOMPARE(Tekst(*w, "Label49"), gemaakt);
    if (!actief) {
        TerugNaar(*w);
        VerifieerAfgesloten(*w);
        QCOMPARE(Tekst(*w, "Label49"), gemaakt);
    }
}

void TstWedstrijdVenster::reset_data() {
    QTest::addColumn<bool>("afgelopen"); // after the end, or while counting
    QTest::addColumn<bool>("metEsc");
    QTest::newRow("finished, click") << true << false;
    QTest::newRow("finished, Esc") << true << true;
    QTest::newRow("counting, click") << false << false;
    QTest::newRow("counting, Esc") << false << true;
}

void TstWedstrijdVenster::reset() {
    QFETCH(bool, afgelopen);
    QFETCH(bool, metEsc);
    TTestKlok klok;
    auto w = StartWedstrijd(klok, 2);
    Beantwoord(*w, 10);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    VulIn(*w, "GGG.F.....");
    if (afgelopen) {
        Tik(*w, klok, 2min + 1ms);
        VerifieerAfgesloten(*w);
    } else {
        Tik(*w, klok, 30s);
    }

    if (metEsc) {
        QWidget* focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : w.get(), Qt::Key_Escape);
    } else {
        Klik(Zoek(*w, "OKKnop1"));
    }
    QVERIFY(Zoek(*w, "Panel1")->isEnabled());
    QVERIFY(Zoek(*w, "Kontroleer")->isVisible());
    QVERIFY(!Zoek(*w, "KlokVenster")->isVisible());
    QVERIFY(!Zoek(*w, "OKKnop1")->isVisible());
    QVERIFY(!Zoek(*w, "Panel3")->isVisible());
    QVERIFY(!Zoek(*w, "Startknop")->isVisible());
    QVERIFY(Zoek(*w, "Instellingen")->isEnabled());
    QCOMPARE(Tekst(*w, "TimerMinuten"), QStringLiteral("0"));
    QVERIFY(IsNieuweReeks(*w));
    for (int k = 1; k <= 10; ++k) {
        QCOMPARE(Tekst(*w, Rij(k, "Result")), QString());
        QCOMPARE(Tekst(*w, Rij(k, "Kontrol")), QString());
    }
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));

    // A countdown cut short stops at the next tick and never ends in results.
    Tik(*w, klok, 1s);
    QVERIFY(!Timer1(*w)->isActive());
    QVERIFY(!w->Wedstrijd().Loopt());
    Tik(*w, klok, 5min);
    QVERIFY(!Zoek(*w, "Panel3")->isVisible());
    QVERIFY(Zoek(*w, "Panel1")->isEnabled());

    // The normal drill works again.
    Beantwoord(*w, 8);
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("8"));
    QVERIFY(Zoek(*w, "VolgendeOefening")->isVisible());
}

// Esc only presses RESET while it is visible.
void TstWedstrijdVenster::escZonderReset() {
    auto w = Start();
    Beantwoord(*w, 5);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    ZetMinuten(*w, "5");
    Beantwoord(*w, 3);
    const QStringList oefeningen = Oefeningen(*w);
    QWidget* focus = QApplication::focusWidget();
    Typ(focus, "12");
    QTest::keyClick(focus, Qt::Key_Escape);
    QTest::keyClick(w.get(), Qt::Key_Escape);
    QCOMPARE(Tekst(*w, "TimerMinuten"), QStringLiteral("5"));
    QVERIFY(Zoek(*w, "Startknop")->isVisible());
    QCOMPARE(Oefeningen(*w), oefeningen);
    QCOMPARE(Tekst(*w, Rij(1, "Result")), Product(*w, 1) + "12");
    QCOMPARE(Tekst(*w, Rij(2, "Result")), Product(*w, 2));
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("1"));
}

void TstWedstrijdVenster::klokVerzetten_data() {
    QTest::addColumn<milliseconds>("begin");  // time of day at START
    QTest::addColumn<milliseconds>("sprong"); // the wall clock set during the countdown
    QTest::newRow("an hour forward") << milliseconds(10h) << milliseconds(1h);
    QTest::newRow("an hour back") << milliseconds(10h) << milliseconds(-1h);
    QTest::newRow("a day back") << milliseconds(10h) << milliseconds(-24h);
    QTest::newRow("over midnight") << milliseconds(23h + 59min + 30s) << milliseconds(0);
}

// The countdown runs its full length, whatever the wall clock does.
void TstWedstrijdVenster::klokVerzetten() {
    QFETCH(milliseconds, begin);
    QFETCH(milliseconds, sprong);
    TTestKlok klok(DagGetal(2024, 10, 26, begin));
    auto w = StartWedstrijd(klok, 2);
    Tik(*w, klok, 30s);
    klok.VerzetNu(sprong);
    Tik(*w, klok, 30s);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(1min));
    QVERIFY(w->Wedstrijd().Loopt());
    Tik(*w, klok, 1min);
    QCOMPARE(Tekst(*w, "KlokVenster"), Klok(0s));
    QVERIFY(!Zoek(*w, "Panel3")->isVisible());
    Tik(*w, klok, 1ms);
    VerifieerAfgesloten(*w);
}

// START begins classic order again at multiplier 0; RESET lets it count on.
void TstWedstrijdVenster::klassiekeVolgorde() {
    TTestKlok klok;
    auto w = Start();
    w->ZetKlok(klok);
    Klik(Zoek(*w, "KlassiekTafelen"));
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    ZetMinuten(*w, "1");
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("20 x 10"));
    Klik(Zoek(*w, "Startknop"));
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("0 x 10"));
    QCOMPARE(Oefeningen(*w).last(), QStringLiteral("9 x 10"));
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("10 x 10"));
    Klik(Zoek(*w, "OKKnop1"));
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("20 x 10"));
    QCOMPARE(Oefeningen(*w).last(), QStringLiteral("29 x 10"));
}

QTEST_MAIN(TstWedstrijdVenster)
#include "tst_wedstrijdvenster.moc"
