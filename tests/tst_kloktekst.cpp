// The countdown clock's text: the locale's long time layout and separators, the time left as
// hours, minutes and seconds, no date, no time zone, no AM/PM.
#include "KlokTekst.h"

#include <QTest>

#include <climits>

using namespace std::chrono_literals;

class TstKlokTekst : public QObject {
    Q_OBJECT
private slots:
    void inLocale_data();
    void inLocale();
    void volgensOpmaak_data();
    void volgensOpmaak();
};

void TstKlokTekst::inLocale_data() {
    QTest::addColumn<QString>("locale");
    QTest::addColumn<qint64>("ms");
    QTest::addColumn<QString>("tekst");
    const qint64 uur = 3'600'000;
    QTest::newRow("nl: a minute left") << "nl_NL" << qint64(60'000) << "00:01:00";
    QTest::newRow("nl: parts of a second are cut") << "nl_NL" << qint64(59'999) << "00:00:59";
    QTest::newRow("nl: nothing left") << "nl_NL" << qint64(0) << "00:00:00";
    QTest::newRow("nl: never below zero") << "nl_NL" << qint64(-1'500) << "00:00:00";
    QTest::newRow("nl: 999 minutes") << "nl_NL" << 999 * 60'000LL << "16:39:00";
    QTest::newRow("de: an hour and a bit") << "de_DE" << uur + 2'003 << "01:00:02";
    QTest::newRow("en_US: no AM/PM") << "en_US" << 59 * 60'000LL + 59'000 << "0:59:59";
    QTest::newRow("en_US: afternoon hours stay 13")
        << "en_US" << 13 * uur + 5 * 60'000 + 7'000 << "13:05:07";
    QTest::newRow("fi: points between the fields") << "fi_FI" << 2 * uur + 3'000 << "2.00.03";
    QTest::newRow("fr_CA: quoted words") << "fr_CA" << 75'000LL << "00 h 01 min 15 s";
    QTest::newRow("fa: own digits, no empty brackets")
        << "fa_IR" << 3'723'000LL << QString::fromUtf8("۱:۰۲:۰۳");
    QTest::newRow("zh: zone in front") << "zh_CN" << 61'000LL << "00:01:01";
    QTest::newRow("nl: more than a day") << "nl_NL" << 25 * uur << "25:00:00";
    QTest::newRow("nl: largest minutes") << "nl_NL" << qint64(INT_MAX) * 60'000 << "35791394:07:00";
}

void TstKlokTekst::inLocale() {
    QFETCH(QString, locale);
    QFETCH(qint64, ms);
    QFETCH(QString, tekst);
    QCOMPARE(KlokTekst(std::chrono::milliseconds(ms), QLocale(locale)), tekst);
}

// Layouts no locale of this machine may have, but a user's settings can.
void TstKlokTekst::volgensOpmaak_data() {
    QTest::addColumn<QString>("opmaak");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("single letters") << "h:m:s"
                                    << "1:2:3";
    QTest::newRow("zone and AM/PM in front") << "tttt AP HH:mm:ss"
                                             << "01:02:03";
    QTest::newRow("lower-case am/pm behind") << "h:mm:ss ap"
                                             << "1:02:03";
    QTest::newRow("milliseconds") << "HH:mm:ss.zzz"
                                  << "01:02:03.045";
    QTest::newRow("quoted letters stay text") << "H'h'mm'm'ss's'"
                                              << "1h02m03s";
    QTest::newRow("a quoted quote") << "HH''mm''ss"
                                    << "01'02'03";
    QTest::newRow("other letters are text") << "HH uur mm"
                                            << "01 uur 02";
}

void TstKlokTekst::volgensOpmaak() {
    QFETCH(QString, opmaak);
    QFETCH(QString, tekst);
    QCOMPARE(KlokTekst(1h + 2min + 3s + 45ms, opmaak, QLocale(QLocale::C)), tekst);
}

QTEST_APPLESS_MAIN(TstKlokTekst)
#include "tst_kloktekst.moc"
