// The timed competition without its window: the countdown on a clock the test drives, the
// unreached rows and the figures of the results panel.
#include "Klok.h"
#include "ReeksStand.h"
#include "Wedstrijd.h"

#include <QDateTime>
#include <QTest>

#include <array>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <ctime>

using namespace std::chrono_literals;

class TstWedstrijd : public QObject {
    Q_OBJECT
private slots:
    void uitslag_data();
    void uitslag();
    void onbereikteRijen_data();
    void onbereikteRijen();
    void slotVanDeWedstrijd_data();
    void slotVanDeWedstrijd();
    void aftellen_data();
    void aftellen();
    void eindeNaEenMilliseconde();
    void vreemdeMinuten_data();
    void vreemdeMinuten();
    void resetTijdensAftellen();
    void tikZonderWedstrijd();
    void splitsTijd_data();
    void splitsTijd();
    void dagGetal_data();
    void dagGetal();
    void systeemKlok_data();
    void systeemKlok();
};

// Ten answer texts written as one character per row: '_' empty, ' ' a space, 'x' "12".
static std::array<std::string, 10> Antwoorden(const QString& rijen) {
    std::array<std::string, 10> uit;
    for (qsizetype k = 0; k < 10 && k < rijen.size(); ++k) {
        if (rijen[k] == u' ')
            uit[k] = " ";
        else if (rijen[k] == u'x')
            uit[k] = "12";
    }
    return uit;
}

void TstWedstrijd::uitslag_data() {
    QTest::addColumn<int>("punten");
    QTest::addColumn<int>("gemaakt");
    QTest::addColumn<QString>("puntenTekst");
    QTest::addColumn<QString>("gemaaktTekst");
    QTest::addColumn<QString>("percentage");
    QTest::newRow("nothing attempted") << 0 << 0 << "0"
                                       << "0"
                                       << "0";
    QTest::newRow("points but nothing attempted") << 4 << 0 << "0"
                                                  << "0"
                                                  << "0";
    QTest::newRow("13 of 14 is cut, not rounded") << 13 << 14 << "13"
                                                  << "14"
                                                  << "92,8";
    QTest::newRow("2 of 3 is cut, not rounded") << 2 << 3 << "2"
                                                << "3"
                                                << "66,6";
    QTest::newRow("1 of 3") << 1 << 3 << "1"
                            << "3"
                            << "33,3";
    QTest::newRow("3 of 3 has no comma") << 3 << 3 << "3"
                                         << "3"
                                         << "100";
    QTest::newRow("none right") << 0 << 10 << "0"
                                << "10"
                                << "0";
    QTest::newRow("7 of 10 is exactly 70") << 7 << 10 << "7"
                                           << "10"
                                           << "70";
    QTest::newRow("1 of 8 keeps one decimal") << 1 << 8 << "1"
                                              << "8"
                                              << "12,5";
    QTest::newRow("a long competition") << 1234 << 1240 << "1234"
                                        << "1240"
                                        << "99,5";
    QTest::newRow("largest figures") << INT_MAX << INT_MAX << "2147483647"
                                     << "2147483647"
                                     << "100";
}

void TstWedstrijd::uitslag() {
    QFETCH(int, punten);
    QFETCH(int, gemaakt);
    QFETCH(QString, puntenTekst);
    QFETCH(QString, gemaaktTekst);
    QFETCH(QString, percentage);
    const TUitslag u = BerekenUitslag(punten, gemaakt);
    QCOMPARE(QString::fromStdString(u.Punten), puntenTekst);
    QCOMPARE(QString::fromStdString(u.Gemaakt), gemaaktTekst);
    QCOMPARE(QString::fromStdString(u.Percentage), percentage);
}

void TstWedstrijd::onbereikteRijen_data() {
    QTest::addColumn<QString>("rijen");
    QTest::addColumn<int>("onbereikt");
    QTest::newRow("all empty") << "__________" << 10;
    QTest::newRow("all filled") << "xxxxxxxxxx" << 0;
    QTest::newRow("rows 5 to 10 empty") << "xxxx______" << 6;
    QTest::newRow("only row 1 filled") << "x_________" << 9;
    QTest::newRow("empty row above a filled one") << "xx_xxxxxxx" << 0;
    QTest::newRow("gaps, then empty to the end") << "x__x_x____" << 4;
    QTest::newRow("a space is not empty") << "xxx______ " << 0;
    QTest::newRow("a space higher up stops the count") << "xx _______" << 7;
}

void TstWedstrijd::onbereikteRijen() {
    QFETCH(QString, rijen);
    QFETCH(int, onbereikt);
    QCOMPARE(OnbereikteRijen(Antwoorden(rijen)), onbereikt);
}

// The ending after the last check of the current set: `goed` lists the right answers of each
// set, the last one being the set on screen, `rijen` its answer fields.
void TstWedstrijd::slotVanDeWedstrijd_data() {
    QTest::addColumn<QList<int>>("goed");
    QTest::addColumn<QString>("rijen");
    QTest::addColumn<QStringList>("uitslag");
    QTest::addColumn<int>("maximum");
    QTest::newRow("nothing answered")
        << QList<int>{0} << "__________" << QStringList{"0", "0", "0"} << 0;
    QTest::newRow("13 of 14") << QList<int>{10, 3} << "xxxx______"
                              << QStringList{"13", "14", "92,8"} << 14;
    QTest::newRow("empty row above a filled one")
        << QList<int>{9} << "xx_xxxxxxx" << QStringList{"9", "10", "90"} << 10;
    QTest::newRow("3 of 3") << QList<int>{3} << "xxx_______" << QStringList{"3", "3", "100"} << 3;
    QTest::newRow("uncleaned space in the last row")
        << QList<int>{10, 4} << "xxxx_____ " << QStringList{"14", "20", "70"} << 20;
    QTest::newRow("a whole empty set after two full ones")
        << QList<int>{10, 10, 0} << "__________" << QStringList{"20", "20", "100"} << 20;
}

void TstWedstrijd::slotVanDeWedstrijd() {
    QFETCH(QList<int>, goed);
    QFETCH(QString, rijen);
    QFETCH(QStringList, uitslag);
    QFETCH(int, maximum);
    TReeksStand stand;
    for (qsizetype k = 0; k < goed.size(); ++k) {
        if (k > 0) stand.Volgende();
        stand.Controle(goed[k]);
    }
    const TUitslag u = SluitWedstrijdAf(stand, Antwoorden(rijen));
    QCOMPARE((QStringList{QString::fromStdString(u.Punten), QString::fromStdString(u.Gemaakt),
                          QString::fromStdString(u.Percentage)}),
             uitslag);
    QCOMPARE(stand.MaxPunten(), maximum);
}

// The one-second timer ticks on; somewhere the wall clock may be set. The countdown must end
// at the first tick that lies at least a millisecond after its full length, whatever the wall
// clock did.
void TstWedstrijd::aftellen_data() {
    QTest::addColumn<int>("minuten");
    QTest::addColumn<double>("begin");  // wall clock at START
    QTest::addColumn<int>("sprongNa");  // seconds after START at which the wall clock jumps
    QTest::addColumn<int>("sprongMin"); // and by how many minutes
    const double middag = DagGetal(2024, 5, 14, 12h);
    QTest::newRow("one minute") << 1 << middag << 0 << 0;
    QTest::newRow("across midnight") << 1 << DagGetal(2024, 5, 14, 23h + 59min + 30s) << 0 << 0;
    QTest::newRow("across midnight and new year")
        << 5 << DagGetal(2023, 12, 31, 23h + 58min) << 0 << 0;
    QTest::newRow("summer time begins") << 2 << DagGetal(2024, 3, 31, 1h + 59min + 30s) << 30 << 60;
    QTest::newRow("summer time ends") << 2 << DagGetal(2024, 10, 27, 2h + 59min + 30s) << 30 << -60;
    QTest::newRow("clock set back an hour across midnight")
        << 3 << DagGetal(2024, 5, 15, 0h + 0min + 30s) << 60 << -60;
    QTest::newRow("clock corrected by seconds") << 1 << middag << 10 << 0;
    QTest::newRow("clock set a day ahead") << 1 << middag << 1 << 24 * 60;
}

void TstWedstrijd::aftellen() {
    QFETCH(int, minuten);
    QFETCH(double, begin);
    QFETCH(int, sprongNa);
    QFETCH(int, sprongMin);
    TTestKlok klok(begin);
    klok.Verstrijk(137ms); // START comes at any moment within a second
    const double startMoment = klok.Nu();

    TWedstrijd w;
    w.Start(klok, minuten);
    QVERIFY(w.Loopt());
    QCOMPARE(w.StartMoment(), startMoment);
    QVERIFY(std::abs(w.EindMoment() - (startMoment + minuten / 1440.0)) < 1e-9);

    const auto lengte = std::chrono::milliseconds(std::chrono::minutes(minuten));
    auto vorige = w.Resterend(klok);
    QCOMPARE(vorige, lengte);
    int tikken = 0;
    TTik tik = TTik::ToonResterend;
    while (tik == TTik::ToonResterend && tikken < 100'000) {
        klok.Verstrijk(1s);
        ++tikken;
        if (tikken == sprongNa) klok.VerzetNu(std::chrono::minutes(sprongMin));
        tik = w.Tik(klok, true);
        const auto resterend = w.Resterend(klok);
        QVERIFY(resterend >= 0ms);
        QVERIFY(resterend <= vorige);
        QCOMPARE(resterend, std::max(lengte - std::chrono::milliseconds(tikken * 1000), 0ms));
        vorige = resterend;
    }
    QCOMPARE(tik, TTik::Einde);
    QCOMPARE(tikken, minuten * 60 + 1); // at exactly the end it is not yet passed
    QVERIFY(!w.Loopt());
    QCOMPARE(w.StartMoment(), startMoment);
}

void TstWedstrijd::eindeNaEenMilliseconde() {
    TTestKlok klok;
    TWedstrijd w;
    w.Start(klok, 1);
    klok.Verstrijk(59'999ms);
    QCOMPARE(w.Resterend(klok), 1ms);
    QVERIFY(!w.Verstreken(klok));
    klok.Verstrijk(1ms);
    QCOMPARE(w.Resterend(klok), 0ms);
    QVERIFY(!w.Verstreken(klok));
    klok.Verstrijk(999us);
    QVERIFY(!w.Verstreken(klok));
    QCOMPARE(w.Tik(klok, true), TTik::ToonResterend);
    klok.Verstrijk(1us);
    QVERIFY(w.Verstreken(klok));
    QCOMPARE(w.Resterend(klok), 0ms);
    QCOMPARE(w.Tik(klok, true), TTik::Einde);
}

// Minutes come from a field that holds any 32-bit integer.
void TstWedstrijd::vreemdeMinuten_data() {
    QTest::addColumn<int>("minuten");
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -3;
    QTest::newRow("smallest") << INT_MIN;
    QTest::newRow("three digits") << 999;
    QTest::newRow("largest") << INT_MAX;
}

void TstWedstrijd::vreemdeMinuten() {
    QFETCH(int, minuten);
    TTestKlok klok;
    TWedstrijd w;
    w.Start(klok, minuten);
    QVERIFY(std::isfinite(w.EindMoment()));
    QVERIFY(std::abs((w.EindMoment() - w.StartMoment()) * 1440 - minuten) <
            1e-6 * (1 + std::abs(double(minuten))));
    const auto lengte = std::chrono::milliseconds(std::chrono::minutes(minuten));

    klok.Verstrijk(1ms);
    QCOMPARE(w.Verstreken(klok), minuten <= 0);
    QCOMPARE(w.Resterend(klok), std::max(lengte - 1ms, 0ms));

    // Two hundred years on the monotonic clock: only the largest count still runs.
    const auto eeuwen =
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::years(200));
    klok.Verstrijk(eeuwen);
    QCOMPARE(w.Verstreken(klok), minuten <= 0 || lengte < eeuwen);
    QCOMPARE(w.Resterend(klok), std::max(lengte - 1ms - eeuwen, 0ms));
    QCOMPARE(w.Tik(klok, true), minuten == INT_MAX ? TTik::ToonResterend : TTik::Einde);
}

// RESET hides the clock; the next tick stops the countdown and the timer.
void TstWedstrijd::resetTijdensAftellen() {
    TTestKlok klok;
    TWedstrijd w;
    w.Start(klok, 5);
    klok.Verstrijk(1s);
    QCOMPARE(w.Tik(klok, true), TTik::ToonResterend);
    klok.Verstrijk(400ms);
    QCOMPARE(w.Tik(klok, false), TTik::Gestopt);
    QVERIFY(!w.Loopt());
    klok.Verstrijk(10min);
    QCOMPARE(w.Tik(klok, true), TTik::Niets);

    // A new START after RESET counts its full length again.
    w.Start(klok, 1);
    klok.Verstrijk(60s);
    QCOMPARE(w.Tik(klok, true), TTik::ToonResterend);
    klok.Verstrijk(1s);
    QCOMPARE(w.Tik(klok, true), TTik::Einde);
    QCOMPARE(w.Tik(klok, true), TTik::Niets);
}

void TstWedstrijd::tikZonderWedstrijd() {
    TTestKlok klok;
    TWedstrijd w;
    QVERIFY(!w.Loopt());
    QCOMPARE(w.Tik(klok, true), TTik::Niets);
    QCOMPARE(w.Tik(klok, false), TTik::Niets);
    w.Start(klok, 2);
    w.Stop();
    QCOMPARE(w.Tik(klok, true), TTik::Niets);
}

void TstWedstrijd::splitsTijd_data() {
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<qint64>("uren");
    QTest::addColumn<int>("minuten");
    QTest::addColumn<int>("seconden");
    QTest::newRow("nothing") << qint64(0) << qint64(0) << 0 << 0;
    QTest::newRow("parts of a second are cut") << qint64(59'999) << qint64(0) << 0 << 59;
    QTest::newRow("an hour") << qint64(3'600'000) << qint64(1) << 0 << 0;
    QTest::newRow("past a day") << qint64(90'061'001) << qint64(25) << 1 << 1;
    QTest::newRow("negative is nothing") << qint64(-5'000) << qint64(0) << 0 << 0;
    QTest::newRow("largest minutes") << qint64(INT_MAX) * 60'000 << qint64(35'791'394) << 7 << 0;
}

void TstWedstrijd::splitsTijd() {
    QFETCH(qint64, ms);
    QFETCH(qint64, uren);
    QFETCH(int, minuten);
    QFETCH(int, seconden);
    const TUurMinSec t = SplitsTijd(std::chrono::milliseconds(ms));
    QCOMPARE(qint64(t.Uren), uren);
    QCOMPARE(t.Minuten, minuten);
    QCOMPARE(t.Seconden, seconden);
}

void TstWedstrijd::dagGetal_data() {
    QTest::addColumn<int>("jaar");
    QTest::addColumn<int>("maand");
    QTest::addColumn<int>("dag");
    QTest::addColumn<int>("msec");
    QTest::addColumn<double>("getal");
    QTest::newRow("day zero") << 1899 << 12 << 30 << 0 << 0.0;
    QTest::newRow("1 January 1900") << 1900 << 1 << 1 << 0 << 2.0;
    QTest::newRow("1 January 1970") << 1970 << 1 << 1 << 0 << 25569.0;
    QTest::newRow("noon, 1 January 2024") << 2024 << 1 << 1 << 43'200'000 << 45292.5;
    QTest::newRow("leap day 2024, 18:00") << 2024 << 2 << 29 << 64'800'000 << 45351.75;
}

void TstWedstrijd::dagGetal() {
    QFETCH(int, jaar);
    QFETCH(int, maand);
    QFETCH(int, dag);
    QFETCH(int, msec);
    QFETCH(double, getal);
    QCOMPARE(DagGetal(jaar, unsigned(maand), unsigned(dag), std::chrono::milliseconds(msec)),
             getal);
}

// The machine's wall clock agrees with the toolkit's local time, in zones of any offset.
void TstWedstrijd::systeemKlok_data() {
    QTest::addColumn<QByteArray>("zone");
    QTest::newRow("universal") << QByteArray("UTC0");
    QTest::newRow("central Europe") << QByteArray("CET-1CEST,M3.5.0,M10.5.0/3");
    QTest::newRow("quarter hour ahead") << QByteArray("NPT-5:45");
    QTest::newRow("half hour behind") << QByteArray("NST3:30NDT,M3.2.0,M11.1.0");
    QTest::newRow("far ahead") << QByteArray("LINT-14");
    QTest::newRow("far behind") << QByteArray("BIT12");
}

static double QtDagGetal(const QDateTime& moment) {
    return double(QDate(1899, 12, 30).daysTo(moment.date())) +
           double(moment.time().msecsSinceStartOfDay()) / 86'400'000.0;
}

void TstWedstrijd::systeemKlok() {
    QFETCH(QByteArray, zone);
    const QByteArray oud = qgetenv("TZ");
    qputenv("TZ", zone);
    tzset();
    const TSysteemKlok klok;
    const QDateTime voor = QDateTime::currentDateTime();
    const auto mono1 = klok.Monotoon();
    const double nu = klok.Nu();
    const auto mono2 = klok.Monotoon();
    const QDateTime na = QDateTime::currentDateTime();
    if (oud.isNull())
        qunsetenv("TZ");
    else
        qputenv("TZ", oud);
    tzset();

    const double milliseconde = 1 / 86'400'000.0;
    QVERIFY2(nu >= QtDagGetal(voor) - milliseconde && nu <= QtDagGetal(na) + milliseconde,
             qPrintable(QStringLiteral("%1 not within %2 .. %3")
                            .arg(nu, 0, 'f', 9)
                            .arg(QtDagGetal(voor), 0, 'f', 9)
                            .arg(QtDagGetal(na), 0, 'f', 9)));
    QVERIFY(mono2 >= mono1);
}

QTEST_APPLESS_MAIN(TstWedstrijd)
#include "tst_wedstrijd.moc"
