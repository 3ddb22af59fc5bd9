// Drawing exercises: ranges, signs, the draw order and classic order.
#include "OefenMaker.h"

#include <QTest>

#include <limits>
#include <set>

namespace {
std::int64_t Waarde(const std::string& s) { return std::stoll(s); }
} // namespace

class TstOefenMaker : public QObject {
    Q_OBJECT
private slots:
    void bereik_data();
    void bereik();
    void trekVolgorde_data();
    void trekVolgorde();
    void trekBuitenBereik();
    void gemengdeTekens();
    void klassiek();
    void klassiekTellerLooptRond();
    void kleinsteGetalOmkeren();
};

// Every drawn number lies within its expected range, and every value of a small range occurs.
void TstOefenMaker::bereik_data() {
    QTest::addColumn<QString>("maxTafel");
    QTest::addColumn<QString>("maxVermenigvuldiger");
    QTest::addColumn<bool>("variabel");
    QTest::addColumn<bool>("onderliggend");
    QTest::addColumn<int>("modus");
    QTest::addColumn<QList<int>>("grenzen"); // multiplier min, max; table min, max
    const int pos = int(TTekenModus::tmPositief), neg = int(TTekenModus::tmNegatief);
    QTest::newRow("defaults: v x 10") << "10"
                                      << "10" << true << false << pos << QList<int>{1, 10, 10, 10};
    QTest::newRow("maximum multiplier 1")
        << "10"
        << "1" << true << false << pos << QList<int>{1, 1, 10, 10};
    QTest::newRow("variable, maximum 0") << "10"
                                         << "0" << true << false << pos << QList<int>{1, 1, 10, 10};
    QTest::newRow("fixed, maximum 0") << "10"
                                      << "0" << false << true << pos << QList<int>{0, 0, 1, 10};
    QTest::newRow("fixed multiplier, varying tables")
        << "5"
        << "3" << false << true << pos << QList<int>{3, 3, 1, 5};
    QTest::newRow("only negative") << "10"
                                   << "10" << true << false << neg << QList<int>{-10, -1, -10, -10};
    QTest::newRow("negative maximum draws 1")
        << "-5"
        << "-5" << true << true << pos << QList<int>{1, 1, 1, 1};
    QTest::newRow("plus sign in field") << "+7"
                                        << "+3" << false << false << pos << QList<int>{3, 3, 7, 7};
}

void TstOefenMaker::bereik() {
    QFETCH(QString, maxTafel);
    QFETCH(QString, maxVermenigvuldiger);
    QFETCH(bool, variabel);
    QFETCH(bool, onderliggend);
    QFETCH(int, modus);
    QFETCH(QList<int>, grenzen);
    TInstellingen s;
    s.MaxTafel = maxTafel.toStdString();
    s.MaxVermenigvuldiger = maxVermenigvuldiger.toStdString();
    s.Variabel = variabel;
    s.Onderliggend = onderliggend;
    s.TekenModus = TTekenModus(modus);
    TOefenMaker maker;
    maker.Zaai(42);
    std::set<std::int64_t> vermenigvuldigers, tafels;
    for (int i = 0; i < 2000; ++i) {
        const auto o = maker.MaakOefening(s);
        vermenigvuldigers.insert(Waarde(o.Vermenigvuldiger));
        tafels.insert(Waarde(o.Tafel));
    }
    QCOMPARE(*vermenigvuldigers.begin(), grenzen[0]);
    QCOMPARE(*vermenigvuldigers.rbegin(), grenzen[1]);
    QCOMPARE(*tafels.begin(), grenzen[2]);
    QCOMPARE(*tafels.rbegin(), grenzen[3]);
    QCOMPARE(vermenigvuldigers.size(), std::size_t(grenzen[1] - grenzen[0] + 1));
    QCOMPARE(tafels.size(), std::size_t(grenzen[3] - grenzen[2] + 1));
    QCOMPARE(maker.KlassiekTeller(), -1); // untouched outside classic order
}

// A generator drawing exercises makes exactly the draws that a second one, seeded alike and
// called by hand in the drill's order (range, sign, range, sign), makes.
void TstOefenMaker::trekVolgorde_data() {
    QTest::addColumn<bool>("variabel");
    QTest::addColumn<bool>("onderliggend");
    QTest::addColumn<bool>("gemengd");
    for (int i = 0; i < 8; ++i) {
        const bool v = i & 1, o = i & 2, g = i & 4;
        QTest::addRow("variable %d, underlying %d, mixed %d", v, o, g) << v << o << g;
    }
}

void TstOefenMaker::trekVolgorde() {
    QFETCH(bool, variabel);
    QFETCH(bool, onderliggend);
    QFETCH(bool, gemengd);
    TInstellingen s;
    s.MaxTafel = "12";
    s.MaxVermenigvuldiger = "9";
    s.Variabel = variabel;
    s.Onderliggend = onderliggend;
    s.TekenModus = gemengd ? TTekenModus::tmPositiefNegatief : TTekenModus::tmPositief;
    TOefenMaker maker, hand;
    maker.Zaai(7);
    hand.Zaai(7);
    for (int i = 0; i < 200; ++i) {
        const auto o = maker.MaakOefening(s);
        std::int64_t v = variabel ? hand.Trek(9) + 1 : 9;
        if (gemengd && hand.Trek(2) == 1) v = -v;
        std::int64_t t = onderliggend ? hand.Trek(12) + 1 : 12;
        if (gemengd && hand.Trek(2) == 1) t = -t;
        QCOMPARE(Waarde(o.Vermenigvuldiger), v);
        QCOMPARE(Waarde(o.Tafel), t);
    }
    // Both generators are still in step: the next draws agree.
    QCOMPARE(maker.Trek(1000000), hand.Trek(1000000));
}

void TstOefenMaker::trekBuitenBereik() {
    TOefenMaker maker;
    for (int n : {0, -1, std::numeric_limits<std::int32_t>::min()})
        QCOMPARE(maker.Trek(n), 0);
    for (int i = 0; i < 100; ++i) {
        const auto r = maker.Trek(std::numeric_limits<std::int32_t>::max());
        QVERIFY(r >= 0 && r < std::numeric_limits<std::int32_t>::max());
        QCOMPARE(maker.Trek(1), 0);
    }
}

void TstOefenMaker::gemengdeTekens() {
    TInstellingen s;
    s.MaxTafel = s.MaxVermenigvuldiger = "4";
    s.Onderliggend = true;
    s.TekenModus = TTekenModus::tmPositiefNegatief;
    TOefenMaker maker;
    maker.Zaai(3);
    std::set<std::pair<bool, bool>> tekens;
    for (int i = 0; i < 500; ++i) {
        const auto o = maker.MaakOefening(s);
        tekens.insert({o.Vermenigvuldiger[0] == '-', o.Tafel[0] == '-'});
    }
    QCOMPARE(tekens.size(), std::size_t(4));
}

void TstOefenMaker::klassiek() {
    TInstellingen s;
    s.Klassiek = true;
    s.MaxTafel = "+7";
    s.TekenModus = TTekenModus::tmNegatief; // no sign rule applies in classic order
    TOefenMaker maker, referentie;
    maker.Zaai(5);
    referentie.Zaai(5);
    for (int i = 0; i < 20; ++i) {
        const auto o = maker.MaakOefening(s);
        QCOMPARE(o.Vermenigvuldiger, std::to_string(i));
        QCOMPARE(o.Tafel, std::string("+7"));
    }
    QCOMPARE(maker.KlassiekTeller(), 19);
    QCOMPARE(maker.Trek(1000), referentie.Trek(1000)); // classic order draws nothing
    maker.HerstartKlassiek();
    QCOMPARE(maker.MaakOefening(s).Vermenigvuldiger, std::string("0"));
}

void TstOefenMaker::klassiekTellerLooptRond() {
    TInstellingen s;
    s.Klassiek = true;
    TOefenMaker maker;
    maker.ZetKlassiekTeller(std::numeric_limits<std::int32_t>::max() - 1);
    QCOMPARE(maker.MaakOefening(s).Vermenigvuldiger, std::string("2147483647"));
    QCOMPARE(maker.MaakOefening(s).Vermenigvuldiger, std::string("-2147483648"));
    QCOMPARE(maker.MaakOefening(s).Vermenigvuldiger, std::string("-2147483647"));
}

void TstOefenMaker::kleinsteGetalOmkeren() {
    TInstellingen s;
    s.MaxTafel = s.MaxVermenigvuldiger = "-2147483648";
    s.Variabel = false;
    s.TekenModus = TTekenModus::tmNegatief;
    TOefenMaker maker;
    const auto o = maker.MaakOefening(s);
    QCOMPARE(o.Vermenigvuldiger, std::string("2147483648"));
    QCOMPARE(o.Tafel, std::string("2147483648"));
}

QTEST_APPLESS_MAIN(TstOefenMaker)
#include "tst_oefenmaker.moc"
