// The worksheet's text: whole pages of a classic sheet, the line layout with its padding, the
// products, and drawing a sheet without disturbing the on-screen generator.
#include "OpgaveBlad.h"

#include <QRegularExpression>
#include <QTest>

#include <cstdlib>
#include <set>

namespace {

// Expands a compact pattern: "{n}" is n spaces, "{_n}" n underscores, "{.n}" n times ". ",
// "{D}" the run of ten answer points; everything else is literal.
std::string Lijn(std::string_view patroon) {
    std::string uit;
    for (std::size_t i = 0; i < patroon.size(); ++i) {
        if (patroon[i] != '{') {
            uit += patroon[i];
            continue;
        }
        const auto eind = patroon.find('}', i);
        auto code = patroon.substr(i + 1, eind - i - 1);
        i = eind;
        if (code == "D") {
            uit += ".  .  .  .  .  .  .  .  .  .";
            continue;
        }
        std::string stuk = " ";
        if (code[0] == '_' || code[0] == '.') {
            stuk = code[0] == '_' ? "_" : ". ";
            code.remove_prefix(1);
        }
        for (int n = std::stoi(std::string(code)); n > 0; --n)
            uit += stuk;
    }
    return uit;
}

QStringList KlassiekeRegels(bool oplossingen) {
    if (!oplossingen) {
        return {
            "{4}{22}0  x  7{22}=  {D}\t|{20}20  x  7{22}=  {D}",
            "{4}{22}1  x  7{22}=  {D}\t|{20}21  x  7{22}=  {D}",
            "{4}{22}2  x  7{22}=  {D}\t|{20}22  x  7{22}=  {D}",
            "{4}{22}3  x  7{22}=  {D}\t|{20}23  x  7{22}=  {D}",
            "{4}{22}4  x  7{22}=  {D}\t|{20}24  x  7{22}=  {D}",
            "{4}{22}5  x  7{22}=  {D}\t|{20}25  x  7{22}=  {D}",
            "{4}{22}6  x  7{22}=  {D}\t|{20}26  x  7{22}=  {D}",
            "{4}{22}7  x  7{22}=  {D}\t|{20}27  x  7{22}=  {D}",
            "{4}{22}8  x  7{22}=  {D}\t|{20}28  x  7{22}=  {D}",
            "{4}{22}9  x  7{22}=  {D}\t|{20}29  x  7{22}=  {D}",
            "{4}{20}10  x  7{22}=  {D}\t|{20}30  x  7{22}=  {D}",
            "{4}{20}11  x  7{22}=  {D}\t|{20}31  x  7{22}=  {D}",
            "{4}{20}12  x  7{22}=  {D}\t|{20}32  x  7{22}=  {D}",
            "{4}{20}13  x  7{22}=  {D}\t|{20}33  x  7{22}=  {D}",
            "{4}{20}14  x  7{22}=  {D}\t|{20}34  x  7{22}=  {D}",
            "{4}{20}15  x  7{22}=  {D}\t|{20}35  x  7{22}=  {D}",
            "{4}{20}16  x  7{22}=  {D}\t|{20}36  x  7{22}=  {D}",
            "{4}{20}17  x  7{22}=  {D}\t|{20}37  x  7{22}=  {D}",
            "{4}{20}18  x  7{22}=  {D}\t|{20}38  x  7{22}=  {D}",
            "{4}{20}19  x  7{22}=  {D}\t|{20}39  x  7{22}=  {D}",
        };
    }
    return {
        "{4}{22}0  x  7{22}=  0{26}\t|{20}20  x  7{22}=  140",
        "{4}{22}1  x  7{22}=  7{26}\t|{20}21  x  7{22}=  147",
        "{4}{22}2  x  7{22}=  14{24}\t|{20}22  x  7{22}=  154",
        "{4}{22}3  x  7{22}=  21{24}\t|{20}23  x  7{22}=  161",
        "{4}{22}4  x  7{22}=  28{24}\t|{20}24  x  7{22}=  168",
        "{4}{22}5  x  7{22}=  35{24}\t|{20}25  x  7{22}=  175",
        "{4}{22}6  x  7{22}=  42{24}\t|{20}26  x  7{22}=  182",
        "{4}{22}7  x  7{22}=  49{24}\t|{20}27  x  7{22}=  189",
        "{4}{22}8  x  7{22}=  56{24}\t|{20}28  x  7{22}=  196",
        "{4}{22}9  x  7{22}=  63{24}\t|{20}29  x  7{22}=  203",
        "{4}{20}10  x  7{22}=  70{24}\t|{20}30  x  7{22}=  210",
        "{4}{20}11  x  7{22}=  77{24}\t|{20}31  x  7{22}=  217",
        "{4}{20}12  x  7{22}=  84{24}\t|{20}32  x  7{22}=  224",
        "{4}{20}13  x  7{22}=  91{24}\t|{20}33  x  7{22}=  231",
        "{4}{20}14  x  7{22}=  98{24}\t|{20}34  x  7{22}=  238",
        "{4}{20}15  x  7{22}=  105{22}\t|{20}35  x  7{22}=  245",
        "{4}{20}16  x  7{22}=  112{22}\t|{20}36  x  7{22}=  252",
        "{4}{20}17  x  7{22}=  119{22}\t|{20}37  x  7{22}=  259",
        "{4}{20}18  x  7{22}=  126{22}\t|{20}38  x  7{22}=  266",
        "{4}{20}19  x  7{22}=  133{22}\t|{20}39  x  7{22}=  273",
    };
}

QStringList KlassiekePagina(bool oplossingen) {
    QStringList pagina = {"\r", "{4}Tafel van 7 \xe2\x80\x93 \xc3\xa9\xc3\xa9n\r\r"};
    pagina << (oplossingen ? "{4}Oplossingen. " : "{4}Naam : {.84}.");
    pagina << "\r"
           << "{4}{_91}"
           << "\r";
    const auto regels = KlassiekeRegels(oplossingen);
    for (int i = 0; i < 20; ++i) {
        pagina << regels[i];
        pagina << (i == 9 || i == 19 ? "{4}{_91}\r\r" : "{87}\t|");
    }
    if (!oplossingen) pagina << "  Punten :";
    return pagina;
}

TInstellingen Klassiek7() {
    TInstellingen s;
    s.Klassiek = true;
    s.MaxTafel = "7";
    return s;
}

std::int64_t Geheel(const QString& s) { return s.toLongLong(); }

} // namespace

class TstOpgaveBlad : public QObject {
    Q_OBJECT
private slots:
    void klassiekePagina_data();
    void klassiekePagina();
    void voorbeeldLijn();
    void product_data();
    void product();
    void opmaak_data();
    void opmaak();
    void klassiekeTellerBlijftStaan();
    void trektUitDeGedeeldeBron();
    void zaaitOpnieuw();
};

void TstOpgaveBlad::klassiekePagina_data() {
    QTest::addColumn<int>("soort");
    QTest::addColumn<QStringList>("verwacht");
    QTest::newRow("exercises") << int(TBladSoort::bsOefeningen) << KlassiekePagina(false);
    QTest::newRow("solutions") << int(TBladSoort::bsOplossingen) << KlassiekePagina(true);
}

// A classic sheet runs 0 to 19 down the left column and 20 to 39 down the right one, whatever
// the on-screen counter says.
void TstOpgaveBlad::klassiekePagina() {
    QFETCH(int, soort);
    QFETCH(QStringList, verwacht);
    TOefenMaker maker;
    maker.ZetKlassiekTeller(1234);
    TOpgaveBlad blad;
    blad.Vul(maker, Klassiek7());
    const auto pagina =
        blad.Pagina(TBladSoort(soort), "Tafel van 7 \xe2\x80\x93 \xc3\xa9\xc3\xa9n");
    QCOMPARE(pagina.size(), std::size_t(verwacht.size()));
    for (std::size_t i = 0; i < pagina.size(); ++i) {
        const auto lijn = Lijn(verwacht[int(i)].toStdString());
        if (pagina[i] != lijn) {
            QFAIL(qPrintable(QStringLiteral("line %1:\n got  [%2]\n want [%3]")
                                 .arg(i + 1)
                                 .arg(QString::fromStdString(pagina[i]))
                                 .arg(QString::fromStdString(lijn))));
        }
    }
    // The lengths the layout promises.
    QCOMPARE(RegelVulling.size(), std::size_t(89));
    QCOMPARE(pagina[4].size(), std::size_t(95));
    QCOMPARE(pagina[25].size(), std::size_t(97));
    QCOMPARE(pagina[2].size(), std::size_t(soort == int(TBladSoort::bsOefeningen) ? 180 : 17));
}

// L = 7 x 8 and R = 10 x 8 on the solutions page.
void TstOpgaveBlad::voorbeeldLijn() {
    const auto links = MaakOpgaveRegel("7", "8"), rechts = MaakOpgaveRegel("10", "8");
    QCOMPARE(OpgaveLijn(links, rechts, TBladSoort::bsOplossingen),
             Lijn("{4}{22}7  x  8{22}=  56{24}\t|{20}10  x  8{22}=  80"));
    QCOMPARE(OpgaveLijn(links, rechts, TBladSoort::bsOefeningen),
             Lijn("{4}{22}7  x  8{22}=  {D}\t|{20}10  x  8{22}=  {D}"));
}

void TstOpgaveBlad::product_data() {
    QTest::addColumn<QString>("vermenigvuldiger");
    QTest::addColumn<QString>("tafel");
    QTest::addColumn<QString>("product");
    QTest::newRow("plain") << "7"
                           << "8"
                           << "56";
    QTest::newRow("zero times negative") << "0"
                                         << "-7"
                                         << "0";
    QTest::newRow("negative") << "-7"
                              << "8"
                              << "-56";
    QTest::newRow("both negative") << "-7"
                                   << "-8"
                                   << "56";
    QTest::newRow("table typed with a plus sign") << "3"
                                                  << "+7"
                                                  << "21";
    QTest::newRow("twelve digits") << "999999"
                                   << "999999"
                                   << "999998000001";
    QTest::newRow("fifteen digits stay plain") << "2147483647"
                                               << "465661"
                                               << "999999382545667";
    // Beyond 15 digits the text is scientific; cutting it after three decimals would print a
    // wrong number, so it stays whole.
    QTest::newRow("largest terms") << "2147483647"
                                   << "2147483647"
                                   << "4,61168601413242E18";
    QTest::newRow("negated smallest terms") << "2147483648"
                                            << "-2147483648"
                                            << "-4,61168601842739E18";
}

void TstOpgaveBlad::product() {
    QFETCH(QString, vermenigvuldiger);
    QFETCH(QString, tafel);
    QFETCH(QString, product);
    const auto r = MaakOpgaveRegel(vermenigvuldiger.toStdString(), tafel.toStdString());
    QCOMPARE(r.Vermenigvuldiger, vermenigvuldiger.toStdString());
    QCOMPARE(r.Teken, std::string("x"));
    QCOMPARE(r.Tafel, tafel.toStdString());
    QCOMPARE(QString::fromStdString(r.Product), product);
}

// Every exercise line of a drawn sheet, whatever the signs and sizes of its terms: padding of
// two spaces per missing character (a "-" counts), and the product of the two terms.
void TstOpgaveBlad::opmaak_data() {
    QTest::addColumn<QString>("maxTafel");
    QTest::addColumn<QString>("maxVermenigvuldiger");
    QTest::addColumn<bool>("variabel");
    QTest::addColumn<int>("modus");
    QTest::addColumn<QString>("tekens"); // "+", "-" or "+-": the signs the terms must show
    const int pos = int(TTekenModus::tmPositief), neg = int(TTekenModus::tmNegatief),
              gem = int(TTekenModus::tmPositiefNegatief);
    QTest::newRow("defaults") << "10"
                              << "10" << true << pos << "+";
    QTest::newRow("only negative") << "10"
                                   << "10" << true << neg << "-";
    QTest::newRow("mixed signs") << "10"
                                 << "10" << true << gem << "+-";
    QTest::newRow("mixed, fixed multiplier") << "12"
                                             << "9" << false << gem << "+-";
    QTest::newRow("huge maxima, scientific products") << "2147483647"
                                                      << "2147483647" << true << gem << "+-";
}

void TstOpgaveBlad::opmaak() {
    QFETCH(QString, maxTafel);
    QFETCH(QString, maxVermenigvuldiger);
    QFETCH(bool, variabel);
    QFETCH(int, modus);
    QFETCH(QString, tekens);
    TInstellingen s;
    s.MaxTafel = maxTafel.toStdString();
    s.MaxVermenigvuldiger = maxVermenigvuldiger.toStdString();
    s.Variabel = variabel;
    s.Onderliggend = true;
    s.TekenModus = TTekenModus(modus);
    TOefenMaker maker;
    TOpgaveBlad blad;
    blad.Vul(maker, s, 20260101);

    const QRegularExpression deel(QStringLiteral("^( *)(-?\\d+)  x  (-?\\d+)( *)=  (.*)$"));
    std::set<QChar> gezien;
    for (const auto soort : {TBladSoort::bsOefeningen, TBladSoort::bsOplossingen}) {
        const auto pagina = blad.Pagina(soort, "T");
        const bool oplossingen = soort == TBladSoort::bsOplossingen;
        QCOMPARE(pagina.size(), std::size_t(oplossingen ? 46 : 47));
        for (int i = 1; i <= 20; ++i) {
            const auto lijn = QString::fromStdString(pagina[std::size_t(6 + 2 * (i - 1))]);
            QVERIFY2(lijn.startsWith("    "), qPrintable(lijn));
            const auto helften = lijn.mid(4).split("\t|");
            QCOMPARE(helften.size(), 2);
            for (int kant = 0; kant < 2; ++kant) {
                const auto m = deel.match(helften[kant]);
                QVERIFY2(m.hasMatch(), qPrintable(lijn));
                const auto& regel = blad.Regel(i + 20 * kant);
                QCOMPARE(m.captured(2).toStdString(), regel.Vermenigvuldiger);
                QCOMPARE(m.captured(3).toStdString(), regel.Tafel);
                QCOMPARE(m.captured(1).size(), 2 * std::max(0, 12 - int(m.captured(2).size())));
                QCOMPARE(m.captured(4).size(), 2 * std::max(0, 12 - int(m.captured(3).size())));
                for (const int term : {2, 3})
                    gezien.insert(m.captured(term)[0] == '-' ? '-' : '+');
                const auto rest = m.captured(5);
                if (!oplossingen) {
                    QCOMPARE(rest, QStringLiteral(".  .  .  .  .  .  .  .  .  ."));
                    continue;
                }
                const auto product = rest.trimmed();
                QCOMPARE(product.toStdString(), regel.Product);
                // Only the left product is followed by padding, two spaces per missing character.
                QCOMPARE(rest.size() - product.size(),
                         kant == 0 ? 2 * std::max(0, 14 - int(product.size())) : 0);
                const auto v = Geheel(m.captured(2)), t = Geheel(m.captured(3));
                if (std::abs(v * t) < 1000000000000000LL) {
                    QCOMPARE(product, QString::number(v * t));
                } else {
                    QVERIFY2(product.contains(QRegularExpression("^-?\\d,\\d+E1[5-8]$")),
                             qPrintable(product));
                    QCOMPARE(product.startsWith('-'), (v < 0) != (t < 0));
                }
            }
        }
    }
    std::set<QChar> verwacht;
    for (const QChar c : tekens)
        verwacht.insert(c);
    QCOMPARE(gezien, verwacht);
}

// Drawing a sheet leaves the on-screen classic counter where it was, in either order.
void TstOpgaveBlad::klassiekeTellerBlijftStaan() {
    for (const bool klassiek : {true, false}) {
        TOefenMaker maker;
        TInstellingen s = Klassiek7();
        for (int i = 0; i < 13; ++i)
            maker.MaakOefening(s);
        QCOMPARE(maker.KlassiekTeller(), 12);
        TInstellingen blad = s;
        blad.Klassiek = klassiek;
        TOpgaveBlad opgave;
        opgave.Vul(maker, blad);
        opgave.Vul(maker, blad, 4);
        QCOMPARE(maker.KlassiekTeller(), 12);
        QCOMPARE(maker.MaakOefening(s).Vermenigvuldiger, std::string("13"));
    }
}

// A sheet draws its forty exercises from the maker's random source, in record order, under the
// rules of the on-screen drill.
void TstOpgaveBlad::trektUitDeGedeeldeBron() {
    TInstellingen s;
    s.MaxTafel = "9";
    s.MaxVermenigvuldiger = "12";
    s.Onderliggend = true;
    s.TekenModus = TTekenModus::tmPositiefNegatief;
    TOefenMaker maker, referentie;
    TOpgaveBlad blad;
    blad.Vul(maker, s, 77);
    referentie.Zaai(77);
    for (int nr = 1; nr <= TOpgaveBlad::AantalRegels; ++nr) {
        const auto o = referentie.MaakOefening(s);
        QCOMPARE(blad.Regel(nr).Vermenigvuldiger, o.Vermenigvuldiger);
        QCOMPARE(blad.Regel(nr).Tafel, o.Tafel);
    }
    TOpgaveBlad opnieuw;
    opnieuw.Vul(maker, s, 77);
    QCOMPARE(opnieuw.Pagina(TBladSoort::bsOplossingen, "x"),
             blad.Pagina(TBladSoort::bsOplossingen, "x"));
}

// Without a seed the sheet re-seeds from the clock: it does not continue the maker's stream,
// and two sheets differ.
void TstOpgaveBlad::zaaitOpnieuw() {
    TInstellingen s;
    s.MaxVermenigvuldiger = "1000000";
    TOefenMaker maker, referentie;
    maker.Zaai(5);
    referentie.Zaai(5);
    TOpgaveBlad een, twee;
    een.Vul(maker, s);
    twee.Vul(maker, s);
    int gelijkAanStroom = 0, gelijk = 0;
    for (int nr = 1; nr <= TOpgaveBlad::AantalRegels; ++nr) {
        gelijkAanStroom +=
            een.Regel(nr).Vermenigvuldiger == referentie.MaakOefening(s).Vermenigvuldiger;
        gelijk += een.Regel(nr).Vermenigvuldiger == twee.Regel(nr).Vermenigvuldiger;
    }
    QVERIFY(gelijkAanStroom < 5);
    QVERIFY(gelijk < 5);
}

QTEST_APPLESS_MAIN(TstOpgaveBlad)
#include "tst_opgaveblad.moc"
