// Writing numbers: plain integers, reals in general format with the decimal comma, and the cut
// after a fixed number of decimals.
#include "Antwoord.h"
#include "Getaltekst.h"

#include <QTest>

#include <limits>

class TstGetaltekst : public QObject {
    Q_OBJECT
private slots:
    void schrijfReeel_data();
    void schrijfReeel();
    void afgekapt_data();
    void afgekapt();
    void schrijfGeheelUitersten();
};

void TstGetaltekst::schrijfReeel_data() {
    QTest::addColumn<QString>("invoer"); // read by the number rule, so extended values fit
    QTest::addColumn<QString>("tekst");
    QTest::newRow("zero") << "0"
                          << "0";
    QTest::newRow("negative zero") << "-0"
                                   << "0";
    QTest::newRow("integer") << "56"
                             << "56";
    QTest::newRow("negative") << "-56"
                              << "-56";
    QTest::newRow("fraction") << "12,5"
                              << "12,5";
    QTest::newRow("percentage 13/14") << "92,8571428571428571"
                                      << "92,8571428571429";
    QTest::newRow("rounds to 15 digits") << "0,1234567890123456"
                                         << "0,123456789012346";
    QTest::newRow("just below 10^15") << "999999999999999"
                                      << "999999999999999";
    QTest::newRow("10^15 is scientific") << "1000000000000000"
                                         << "1E15";
    QTest::newRow("rounding up into scientific") << "999999999999999,7"
                                                 << "1E15";
    QTest::newRow("large product") << "4611686018427387904"
                                   << "4,61168601842739E18";
    QTest::newRow("0,00001 is fixed") << "0,00001"
                                      << "0,00001";
    QTest::newRow("below 0,00001") << "0,0000099"
                                   << "9,9E-6";
    QTest::newRow("tiny negative") << "-1E-20"
                                   << "-1E-20";
    // Below the normal range the extended format keeps fewer digits: the nearest denormal.
    QTest::newRow("denormal keeps its value") << "1E-4940"
                                              << "9,99999999996053E-4941";
    QTest::newRow("smallest denormal") << "3,64519953188247E-4951"
                                       << "3,64519953188247E-4951";
}

void TstGetaltekst::schrijfReeel() {
    QFETCH(QString, invoer);
    QFETCH(QString, tekst);
    const auto waarde = LeesGetal(invoer.toStdString());
    QVERIFY(waarde);
    QCOMPARE(QString::fromStdString(SchrijfReeel(*waarde)), tekst);
}

void TstGetaltekst::afgekapt_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<int>("decimalen");
    QTest::addColumn<QString>("uit");
    QTest::newRow("integer untouched") << "100" << 1 << "100";
    QTest::newRow("cut, not rounded") << "92,8571428571429" << 1 << "92,8";
    QTest::newRow("padded with zeros") << "12,5" << 3 << "12,500";
    QTest::newRow("three decimals") << "0,123456789012346" << 3 << "0,123";
    QTest::newRow("negative") << "-2,75" << 1 << "-2,7";
    QTest::newRow("scientific kept whole") << "4,61168601842739E18" << 3 << "4,61168601842739E18";
    QTest::newRow("more decimals than padding") << "1,5" << 9 << "1,500000";
}

void TstGetaltekst::afgekapt() {
    QFETCH(QString, tekst);
    QFETCH(int, decimalen);
    QFETCH(QString, uit);
    QCOMPARE(QString::fromStdString(AfgekaptReeel(tekst.toStdString(), decimalen)), uit);
}

void TstGetaltekst::schrijfGeheelUitersten() {
    QCOMPARE(SchrijfGeheel(-2147483648LL), std::string("-2147483648"));
    QCOMPARE(SchrijfGeheel(2147483648LL), std::string("2147483648"));
    QCOMPARE(SchrijfGeheel(0), std::string("0"));
}

QTEST_APPLESS_MAIN(TstGetaltekst)
#include "tst_getaltekst.moc"
