// The settings panel: number fields with restore-on-error, the sign boxes as one choice, the
// order options, and a new series with a fresh set after every effective change.
#include "Vensterhulp.h"

#include <QApplication>

using namespace Hulp;

namespace {

// Some points earned, so that a new series shows.
void VerdienPunten(TForm1& w) {
    Beantwoord(w, 6);
    Klik(Zoek(w, "Kontroleer"));
    Klik(Zoek(w, "VolgendeOefening"));
}

bool IsNieuweReeks(const TForm1& w) {
    return Tekst(w, "Reeksteller") == "1" && Tekst(w, "Label6") == "0" &&
           Tekst(w, "Label8") == "10";
}

QCheckBox* Vak(const TForm1& w, const char* naam) { return Zoek<QCheckBox>(w, naam); }

} // namespace

class TstInstellingen : public QObject {
    Q_OBJECT
private slots:
    void maxTafelMetEnter();
    void zelfdeTekstGeenNieuweReeks();
    void ongeldigeInvoer_data();
    void ongeldigeInvoer();
    void veldZonderKlikBlijftGeldig();
    void tweemaalKlikkenBlijftGeldig();
    void timerMinuten_data();
    void timerMinuten();
    void tekensAlsEenKeuze();
    void gemengdeTekens();
    void variabeleVermenigvuldiger();
    void klassiekTafelen();
    void klassiekHerstartBijNieuweMaxTafel();
    void elkeWijzigingNieuweReeks_data();
    void elkeWijzigingNieuweReeks();
};

void TstInstellingen::maxTafelMetEnter() {
    auto w = Start();
    VerdienPunten(*w);
    auto* veld = Zoek<QLineEdit>(*w, "MaxTerm1");
    Klik(veld);
    QCOMPARE(veld->text(), QString());
    Typ(veld, " 7 ");
    Enter(veld);
    QCOMPARE(veld->text(), QStringLiteral("7"));
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
    QVERIFY(IsNieuweReeks(*w));
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(Tekst(*w, Rij(k, "Term2")), QStringLiteral("7"));
}

void TstInstellingen::zelfdeTekstGeenNieuweReeks() {
    auto w = Start();
    VerdienPunten(*w);
    const QStringList oefeningen = Oefeningen(*w);
    auto* veld = Zoek(*w, "MaxTerm1");
    Klik(veld);
    Typ(veld, "10");
    Klik(Zoek(*w, Rij(2, "Result")));
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("2"));
    QCOMPARE(Oefeningen(*w), oefeningen);
    // "010" is another text than "10": it counts as a change.
    Klik(veld);
    Typ(veld, "010");
    Enter(veld);
    QVERIFY(IsNieuweReeks(*w));
}

void TstInstellingen::ongeldigeInvoer_data() {
    QTest::addColumn<QString>("veld");
    QTest::addColumn<QString>("getypt");
    QTest::addColumn<QString>("oud");
    QTest::addColumn<bool>("metEnter");
    QTest::newRow("letters, left") << "MaxTerm2"
                                   << "abc"
                                   << "10" << false;
    QTest::newRow("letters, Enter") << "MaxTerm2"
                                    << "abc"
                                    << "10" << true;
    QTest::newRow("empty, left") << "MaxTerm1"
                                 << ""
                                 << "10" << false;
    QTest::newRow("decimal") << "MaxTerm1"
                             << "1,5"
                             << "10" << true;
    QTest::newRow("only a sign") << "MaxTerm2"
                                 << "-"
                                 << "10" << false;
    QTest::newRow("minutes empty") << "TimerMinuten"
                                   << ""
                                   << "0" << false;
    QTest::newRow("minutes letters") << "TimerMinuten"
                                     << "x1"
                                     << "0" << false;
}

// A field that holds no valid integer gets its old text back, and nothing else happens.
void TstInstellingen::ongeldigeInvoer() {
    QFETCH(QString, veld);
    QFETCH(QString, getypt);
    QFETCH(QString, oud);
    QFETCH(bool, metEnter);
    auto w = Start();
    VerdienPunten(*w);
    const QStringList oefeningen = Oefeningen(*w);
    auto* v = Zoek(*w, veld);
    Klik(v);
    Typ(v, getypt);
    if (metEnter)
        Enter(v);
    else
        Klik(Zoek(*w, Rij(5, "Result")));
    QCOMPARE(Tekst(*w, veld), oud);
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("2"));
    QCOMPARE(Oefeningen(*w), oefeningen);
    QVERIFY(!Zoek(*w, "Startknop")->isVisible());
}

// The focus can reach a field without its click; an invalid entry then still restores a valid
// text rather than an empty one.
void TstInstellingen::veldZonderKlikBlijftGeldig() {
    auto w = Start();
    auto* v = Zoek<QLineEdit>(*w, "MaxTerm1");
    DrukZonderKlik(v);
    QCOMPARE(QApplication::focusWidget(), v);
    v->selectAll();
    Typ(v, "x");
    Klik(Zoek(*w, Rij(1, "Result")));
    QCOMPARE(v->text(), QStringLiteral("10"));
}

// The second click finds the field already emptied; leaving it empty still restores "10".
void TstInstellingen::tweemaalKlikkenBlijftGeldig() {
    auto w = Start();
    auto* v = Zoek<QLineEdit>(*w, "MaxTerm1");
    Klik(v);
    Klik(v);
    Enter(v);
    QCOMPARE(v->text(), QStringLiteral("10"));
    Klik(v);
    Klik(v);
    Typ(v, "10");
    const QStringList oefeningen = Oefeningen(*w);
    Klik(Zoek(*w, Rij(2, "Result")));
    QCOMPARE(Oefeningen(*w), oefeningen); // the same text as before: no new set
}

void TstInstellingen::timerMinuten_data() {
    QTest::addColumn<QString>("minuten");
    QTest::addColumn<bool>("start");
    QTest::newRow("5") << "5" << true;
    QTest::newRow("0") << "0" << false;
    QTest::newRow("-3") << "-3" << false;
    QTest::newRow("+1") << "+1" << true;
}

void TstInstellingen::timerMinuten() {
    QFETCH(QString, minuten);
    QFETCH(bool, start);
    auto w = Start();
    VerdienPunten(*w);
    auto* v = Zoek(*w, "TimerMinuten");
    Klik(v);
    Typ(v, minuten);
    Enter(v);
    QCOMPARE(Zoek(*w, "Startknop")->isVisible(), start);
    QVERIFY(IsNieuweReeks(*w));
}

void TstInstellingen::tekensAlsEenKeuze() {
    auto w = Start();
    Klik(Vak(*w, "Negatief"));
    QVERIFY(Vak(*w, "Negatief")->isChecked());
    QVERIFY(!Vak(*w, "Positief")->isChecked());
    QVERIFY(!Vak(*w, "PositiefNegatief")->isChecked());
    for (int k = 1; k <= 10; ++k) {
        QVERIFY(Tekst(*w, Rij(k, "Term1")).startsWith('-'));
        QCOMPARE(Tekst(*w, Rij(k, "Term2")), QStringLiteral("-10"));
    }
    Klik(Vak(*w, "PositiefNegatief"));
    QVERIFY(!Vak(*w, "Negatief")->isChecked());
    QVERIFY(Vak(*w, "PositiefNegatief")->isChecked());
    // Unchecking the only checked box selects "Enkel positief".
    Klik(Vak(*w, "PositiefNegatief"));
    QVERIFY(Vak(*w, "Positief")->isChecked());
    QVERIFY(!Vak(*w, "PositiefNegatief")->isChecked());
    Klik(Vak(*w, "Positief"));
    QVERIFY(Vak(*w, "Positief")->isChecked());
    for (int k = 1; k <= 10; ++k)
        QVERIFY(!Tekst(*w, Rij(k, "Term1")).startsWith('-'));
}

void TstInstellingen::gemengdeTekens() {
    auto w = Start();
    Klik(Vak(*w, "PositiefNegatief"));
    QSet<QString> tafels;
    for (int i = 0; i < 20; ++i) {
        Klik(Zoek(*w, "Kontroleer"));
        Klik(Zoek(*w, "VolgendeOefening"));
        for (int k = 1; k <= 10; ++k)
            tafels.insert(Tekst(*w, Rij(k, "Term2")));
    }
    QCOMPARE(tafels, (QSet<QString>{"10", "-10"}));
}

void TstInstellingen::variabeleVermenigvuldiger() {
    auto w = Start();
    auto* variabel = Vak(*w, "VariabeleVermenigvuldiger");
    auto* onder = Vak(*w, "OnderliggendeTafels");
    Klik(variabel);
    QVERIFY(onder->isChecked());
    QVERIFY(!onder->isVisible());
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(Tekst(*w, Rij(k, "Term1")), QStringLiteral("10"));
    // Classic order on and off keeps the option hidden and checked.
    Klik(Vak(*w, "KlassiekTafelen"));
    Klik(Vak(*w, "KlassiekTafelen"));
    QVERIFY(onder->isChecked());
    QVERIFY(!onder->isVisible());
    Klik(variabel);
    QVERIFY(onder->isVisible());
    QVERIFY(!onder->isChecked());
    // A remembered checked state comes back too.
    Klik(onder);
    Klik(variabel);
    Klik(variabel);
    QVERIFY(onder->isChecked());
}

// Classic order hides what it overrides and counts on from set to set.
void TstInstellingen::klassiekTafelen() {
    auto w = Start();
    Klik(Vak(*w, "Negatief"));
    Klik(Vak(*w, "KlassiekTafelen"));
    for (const char* verborgen :
         {"Positief", "Negatief", "PositiefNegatief", "VariabeleVermenigvuldiger",
          "OnderliggendeTafels", "MaxTerm2", "Label3"})
        QVERIFY2(!Zoek(*w, verborgen)->isVisible(), verborgen);
    QStringList verwacht;
    for (int i = 0; i < 10; ++i)
        verwacht << QStringLiteral("%1 x 10").arg(i);
    QCOMPARE(Oefeningen(*w), verwacht);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("10 x 10"));
    QCOMPARE(Oefeningen(*w).last(), QStringLiteral("19 x 10"));
    Klik(Vak(*w, "KlassiekTafelen"));
    QVERIFY(Vak(*w, "Negatief")->isChecked()); // hidden boxes kept their states
    QVERIFY(Zoek(*w, "MaxTerm2")->isVisible());
    QVERIFY(Tekst(*w, Rij(1, "Term1")).startsWith('-'));
}

void TstInstellingen::klassiekHerstartBijNieuweMaxTafel() {
    auto w = Start();
    Klik(Vak(*w, "KlassiekTafelen"));
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    auto* veld = Zoek(*w, "MaxTerm1");
    Klik(veld);
    Typ(veld, "+7");
    Enter(veld);
    // The table text goes into the exercises as typed, sign included.
    QCOMPARE(Oefeningen(*w).first(), QStringLiteral("0 x +7"));
    QCOMPARE(Oefeningen(*w).last(), QStringLiteral("9 x +7"));
    Beantwoord(*w, 10);
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("10"));
}

void TstInstellingen::elkeWijzigingNieuweReeks_data() {
    QTest::addColumn<QString>("vak");
    QTest::newRow("Negatief") << "Negatief";
    QTest::newRow("PositiefNegatief") << "PositiefNegatief";
    QTest::newRow("KlassiekTafelen") << "KlassiekTafelen";
    QTest::newRow("VariabeleVermenigvuldiger") << "VariabeleVermenigvuldiger";
    QTest::newRow("OnderliggendeTafels") << "OnderliggendeTafels";
}

void TstInstellingen::elkeWijzigingNieuweReeks() {
    QFETCH(QString, vak);
    auto w = Start();
    VerdienPunten(*w);
    Zoek(*w, Rij(3, "Result"))->setFocus();
    Typ(Zoek(*w, Rij(3, "Result")), "5");
    Klik(Zoek(*w, vak));
    QVERIFY(IsNieuweReeks(*w));
    QCOMPARE(Tekst(*w, Rij(3, "Result")), QString());
    QVERIFY(!Zoek(*w, "VolgendeOefening")->isVisible());
    QCOMPARE(QApplication::focusWidget(), Zoek(*w, Rij(1, "Result")));
}

QTEST_MAIN(TstInstellingen)
#include "tst_instellingen.moc"
