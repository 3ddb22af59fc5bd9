// What a screen reader is told: names and descriptions, kept true as the window changes.
#include "Vensterhulp.h"

#include <QAccessible>

using namespace Hulp;

namespace {
QString Naam(const TForm1& w, const QString& besturing) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Zoek(w, besturing));
    return a ? a->text(QAccessible::Name) : QStringLiteral("<none>");
}
QString Beschrijving(const TForm1& w, const QString& besturing) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(Zoek(w, besturing));
    return a ? a->text(QAccessible::Description) : QStringLiteral("<none>");
}
} // namespace

class TstToegankelijkheid : public QObject {
    Q_OBJECT
private slots:
    void elkeBesturingHeeftEenNaam();
    void beschrijvingen_data();
    void beschrijvingen();
    void namenVolgenHetVenster();
    void zichtbareTekstenBlijven();
};

void TstToegankelijkheid::elkeBesturingHeeftEenNaam() {
    auto w = Start();
    const QStringList besturingen = {"Instellingen",
                                     "MaxTerm1",
                                     "MaxTerm2",
                                     "TimerMinuten",
                                     "Positief",
                                     "Negatief",
                                     "PositiefNegatief",
                                     "KlassiekTafelen",
                                     "VariabeleVermenigvuldiger",
                                     "OnderliggendeTafels",
                                     "Image3",
                                     "Image1",
                                     "Image4",
                                     "Reeksteller",
                                     "OKKnop1",
                                     "KlokVenster",
                                     "Startknop",
                                     "Panel1",
                                     "Panel2",
                                     "VolgendeOefening",
                                     "Kontroleer",
                                     "Help",
                                     "Panel3",
                                     "Info",
                                     "OKKnop",
                                     "Label6",
                                     "Label8"};
    for (const QString& b : besturingen)
        QVERIFY2(!Naam(*w, b).trimmed().isEmpty(), qPrintable(b));
    for (int k = 1; k <= 10; ++k) {
        QVERIFY(!Naam(*w, Rij(k, "Result")).isEmpty());
        QVERIFY(!Naam(*w, Rij(k, "Kontrol")).isEmpty());
    }
}

void TstToegankelijkheid::beschrijvingen_data() {
    QTest::addColumn<QString>("besturing");
    QTest::addColumn<QString>("bevat");
    QTest::newRow("tooltip") << "Kontroleer"
                             << "Controleer uw oefening op fouten.";
    QTest::newRow("help text") << "Kontroleer"
                               << "controleren op juistheid.";
    QTest::newRow("answer field") << "Oef2Result"
                                  << "Hier moet u de oplossing invullen.";
    QTest::newRow("picture") << "Image4"
                             << "Stop het programma.";
    QTest::newRow("help text only") << "Positief"
                                    << "Enkel positief :";
}

void TstToegankelijkheid::beschrijvingen() {
    QFETCH(QString, besturing);
    QFETCH(QString, bevat);
    auto w = Start();
    QVERIFY2(Beschrijving(*w, besturing).contains(bevat), qPrintable(Beschrijving(*w, besturing)));
}

void TstToegankelijkheid::namenVolgenHetVenster() {
    auto w = Start();
    const QString v3 = Tekst(*w, Rij(3, "Term1"));
    QCOMPARE(Naam(*w, Rij(3, "Result")), QStringLiteral("Oefening 3: %1 maal 10").arg(v3));
    QCOMPARE(Naam(*w, "Label6"), QStringLiteral("Behaalde punten 0 op 10"));
    QCOMPARE(Naam(*w, Rij(1, "Kontrol")), QStringLiteral("Oefening 1: nog niet gecontroleerd"));
    Beantwoord(*w, 7);
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Naam(*w, Rij(1, "Kontrol")), QStringLiteral("Oefening 1: goed"));
    QCOMPARE(Naam(*w, Rij(9, "Kontrol")), QStringLiteral("Oefening 9: fout"));
    QCOMPARE(Naam(*w, "Label6"), QStringLiteral("Behaalde punten 7 op 10"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QCOMPARE(Naam(*w, "Label6"), QStringLiteral("Behaalde punten 7 op 20"));
    QCOMPARE(Naam(*w, "Reeksteller"), QStringLiteral("Oefening nr. 2 van de reeks"));
    QCOMPARE(Naam(*w, Rij(9, "Kontrol")), QStringLiteral("Oefening 9: nog niet gecontroleerd"));
    QCOMPARE(Naam(*w, Rij(3, "Result")),
             QStringLiteral("Oefening 3: %1 maal 10").arg(Tekst(*w, Rij(3, "Term1"))));
    // A new series after a change of settings.
    Klik(Zoek(*w, "Negatief"));
    QCOMPARE(Naam(*w, "Label6"), QStringLiteral("Behaalde punten 0 op 10"));
    QCOMPARE(Naam(*w, Rij(3, "Result")),
             QStringLiteral("Oefening 3: %1 maal -10").arg(Tekst(*w, Rij(3, "Term1"))));
}

void TstToegankelijkheid::zichtbareTekstenBlijven() {
    auto w = Start();
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("0"));
    QCOMPARE(Tekst(*w, Rij(1, "Kontrol")), QStringLiteral("FOUT"));
    QCOMPARE(Tekst(*w, "Kontroleer"), QStringLiteral("CONTROLEER"));
}

QTEST_MAIN(TstToegankelijkheid)
#include "tst_toegankelijkheid.moc"
