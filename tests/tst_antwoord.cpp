// Reading answers by the number rule, judging rows, and the integer rule of the settings.
#include "Antwoord.h"

#include <QTest>

#include <cmath>

class TstAntwoord : public QObject {
    Q_OBJECT
private slots:
    void controleerRij_data();
    void controleerRij();
    void leesAntwoord_data();
    void leesAntwoord();
    void schoon_data();
    void schoon();
    void leesGeheelGetal_data();
    void leesGeheelGetal();
    void willekeurigeBytes();
};

void TstAntwoord::controleerRij_data() {
    QTest::addColumn<QString>("antwoord");
    QTest::addColumn<QString>("vermenigvuldiger");
    QTest::addColumn<QString>("tafel");
    QTest::addColumn<bool>("goed");
    const struct {
        const char *naam, *a, *v, *t;
        bool goed;
    } rijen[] = {
        {"56", "56", "7", "8", true},
        {"+56", "+56", "7", "8", true},
        {"56,0", "56,0", "7", "8", true},
        {"56,000", "56,000", "7", "8", true},
        {"56. point at the end", "56.", "7", "8", true},
        {"5,6E1", "5,6E1", "7", "8", true},
        {"5,6e+1", "5,6e+1", "7", "8", true},
        {"560E-1", "560E-1", "7", "8", true},
        {"56E without digits", "56E", "7", "8", true},
        {"blanks around", " 42\t", "6", "7", true},
        {"56,1", "56,1", "7", "8", false},
        {"5 6", "5 6", "7", "8", false},
        {"56a", "56a", "7", "8", false},
        {"fifty-six", "fifty-six", "7", "8", false},
        {"empty", "", "7", "8", false},
        {"only sign", "-", "7", "8", false},
        {"thousands separator", "5.600", "10", "560", false},
        {"extended precision differs", "56,000000000000001", "7", "8", false},
        {"0 x 9: 0", "0", "0", "9", true},
        {"0 x 9: -0", "-0", "0", "9", true},
        {"0 x 9: lone comma", ",", "0", "9", true},
        {"0 x 9: lone point", ".", "0", "9", true},
        {"0 x 9: a denormal is not 0", "1E-4940", "0", "9", false},
        {"-3 x -4: 12", "12", "-3", "-4", true},
        {"-3 x -4: -12", "-12", "-3", "-4", false},
        {"-3 x 4: -12", "-12", "-3", "4", true},
        {"uncleaned point", "12.5", "1", "12,5", true},
        {"classic table with plus", "14", "2", "+7", true},
        {"two points", "1.234.5", "1", "1", false},
        {"largest product exact", "4611686018427387904", "-2147483648", "-2147483648", true},
        {"largest product off by one", "4611686018427387905", "-2147483648", "-2147483648", false},
    };
    for (const auto& r : rijen)
        QTest::newRow(r.naam) << QString::fromUtf8(r.a) << QString(r.v) << QString(r.t) << r.goed;
}

void TstAntwoord::controleerRij() {
    QFETCH(QString, antwoord);
    QFETCH(QString, vermenigvuldiger);
    QFETCH(QString, tafel);
    QFETCH(bool, goed);
    const auto oordeel =
        ControleerRij(antwoord.toStdString(), vermenigvuldiger.toStdString(), tafel.toStdString());
    QCOMPARE(oordeel == TOordeel::Goed, goed);
}

void TstAntwoord::leesAntwoord_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("getal");
    QTest::addColumn<double>("waarde");
    QTest::newRow("integer") << "42" << true << 42.0;
    QTest::newRow("leading and trailing spaces") << "  -7  " << true << -7.0;
    QTest::newRow("tab is not a space here") << "\t7" << false << 0.0;
    QTest::newRow("comma fraction") << "12,5" << true << 12.5;
    QTest::newRow("point becomes comma") << "12.5" << true << 12.5;
    QTest::newRow("comma first") << ",25" << true << 0.25;
    QTest::newRow("sign then comma") << "-," << true << 0.0;
    QTest::newRow("exponent without mantissa") << "E5" << false << 0.0;
    QTest::newRow("comma and exponent") << ",E5" << true << 0.0;
    QTest::newRow("exponent sign without digits") << "3E-" << true << 3.0;
    QTest::newRow("1E500 is a number") << "1E500" << true << qInf();
    QTest::newRow("1E5000 is not") << "1E5000" << false << 0.0;
    QTest::newRow("1E4999 overflows") << "1E4999" << false << 0.0;
    QTest::newRow("leading zeros in exponent") << "1E0000000002" << true << 100.0;
    QTest::newRow("underflow reads as zero") << "1E-4999" << true << 0.0;
    QTest::newRow("second point") << "1.2.3" << false << 0.0;
    QTest::newRow("two signs") << "+-1" << false << 0.0;
    QTest::newRow("comma twice") << "1,2,3" << false << 0.0;
    QTest::newRow("space inside") << "1 ,5" << false << 0.0;
    QTest::newRow("non-ASCII digit") << QString::fromUtf8("٣") << false << 0.0;
}

void TstAntwoord::leesAntwoord() {
    QFETCH(QString, tekst);
    QFETCH(bool, getal);
    QFETCH(double, waarde);
    const auto gelezen = LeesAntwoord(tekst.toStdString());
    QCOMPARE(gelezen.has_value(), getal);
    if (!getal) return;
    if (std::isinf(waarde)) // 1E500 fits in extended precision but not in a double
        QVERIFY(*gelezen > 1e499L && *gelezen < 1e501L);
    else
        QCOMPARE(static_cast<double>(*gelezen), waarde);
}

void TstAntwoord::schoon_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<QString>("schoon");
    QTest::newRow("point to comma, trimmed") << " 12.5\t"
                                             << "12,5";
    QTest::newRow("only the first point") << "1.234.5"
                                          << "1,234.5";
    QTest::newRow("control characters trimmed") << QString("\x01\x1f"
                                                           "7\r\n")
                                                << "7";
    QTest::newRow("inner blanks stay") << " 5 6 "
                                       << "5 6";
    QTest::newRow("nothing left") << " \t "
                                  << "";
}

void TstAntwoord::schoon() {
    QFETCH(QString, tekst);
    QFETCH(QString, schoon);
    QCOMPARE(QString::fromStdString(Schoon(tekst.toStdString())), schoon);
}

void TstAntwoord::leesGeheelGetal_data() {
    QTest::addColumn<QString>("tekst");
    QTest::addColumn<bool>("geldig");
    QTest::addColumn<int>("waarde");
    QTest::newRow("plain") << "10" << true << 10;
    QTest::newRow("plus sign") << "+7" << true << 7;
    QTest::newRow("leading zeros") << "010" << true << 10;
    QTest::newRow("trimmed") << "\t -3 " << true << -3;
    QTest::newRow("largest") << "2147483647" << true << 2147483647;
    QTest::newRow("smallest") << "-2147483648" << true << int(-2147483647 - 1);
    QTest::newRow("one too large") << "2147483648" << false << 0;
    QTest::newRow("one too small") << "-2147483649" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
    QTest::newRow("only a sign") << "-" << false << 0;
    QTest::newRow("letters") << "abc" << false << 0;
    QTest::newRow("decimal") << "1,5" << false << 0;
    QTest::newRow("inner blank") << "1 0" << false << 0;
    QTest::newRow("many digits") << QString(40, '9') << false << 0;
}

void TstAntwoord::leesGeheelGetal() {
    QFETCH(QString, tekst);
    QFETCH(bool, geldig);
    QFETCH(int, waarde);
    const auto gelezen = LeesGeheelGetal(tekst.toStdString());
    QCOMPARE(gelezen.has_value(), geldig);
    if (geldig) QCOMPARE(*gelezen, waarde);
}

// Any byte string is absorbed: NUL bytes, invalid UTF-8, very long texts.
void TstAntwoord::willekeurigeBytes() {
    const std::string nul("5\0"
                          "6",
                          3);
    QVERIFY(!LeesAntwoord(nul));
    QVERIFY(!LeesGeheelGetal(nul));
    QCOMPARE(Schoon(std::string("\0 7 \0", 5)), std::string("7"));
    const std::string ongeldig("\xff\xfe\xc3", 3);
    QCOMPARE(ControleerRij(ongeldig, "7", "8"), TOordeel::Fout);
    const std::string lang(10000, '9');
    QVERIFY(!LeesAntwoord(lang)); // 10^10000 overflows extended precision
    const std::string klein = "0," + std::string(9990, '0') + "1";
    QCOMPARE(LeesAntwoord(klein).value_or(-1), 0.0L);
    QVERIFY(!LeesGeheelGetal(lang));
}

QTEST_APPLESS_MAIN(TstAntwoord)
#include "tst_antwoord.moc"
