// Context help in the help box, tooltips with their exact pause, and the information panel.
#include "Gebeurtenissen.h"
#include "Vensterhulp.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QToolTip>

using namespace Hulp;

namespace {

void BeweegOver(QWidget* w, QPoint plek = {-1, -1}) {
    QTest::mouseMove(w, plek == QPoint(-1, -1) ? w->rect().center() : plek);
}

// Rests the mouse on a control, as Qt does after the pause before a tooltip.
void Rust(QWidget* w) {
    const QPoint midden = w->rect().center();
    QHelpEvent e(QEvent::ToolTip, midden, w->mapToGlobal(midden));
    QApplication::sendEvent(w, &e);
}

} // namespace

class TstHulp : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { tooltips = std::make_unique<TTooltipPauze>(5000); }
    void helpTekst_data();
    void helpTekst();
    void achtergrondMaaktLeeg();
    void andereBesturingenLatenStaan_data();
    void andereBesturingenLatenStaan();
    void helpIsNietBewerkbaar();
    void tooltip_data();
    void tooltip();
    void tooltipVerdwijntNa5000ms();
    void infoPaneel();
    void enterSluitInfo_data();
    void enterSluitInfo();

private:
    std::unique_ptr<TTooltipPauze> tooltips;
};

void TstHulp::helpTekst_data() {
    QTest::addColumn<QString>("besturing");
    QTest::addColumn<QString>("tekst");
    QTest::newRow("MaxTerm1")
        << "MaxTerm1"
        << "Dit is de voor deze oefening hoogste Tafel.\n(standaard is dit 10).";
    QTest::newRow("Image4") << "Image4" << QString::fromUtf8("\nHet programma beëindigen.");
    QTest::newRow("Oef7Result") << "Oef7Result"
                                << "Hier moet u de oplossing invullen.\nNiet Numerieke invoer zal "
                                   "als \"FOUT\" worden aanzien.";
    QTest::newRow("Label8") << "Label8"
                            << "Dit is het Maximum te behalen punten over de volledige huidige "
                               "\"REEKS\".";
    QTest::newRow("OnderliggendeTafels")
        << "OnderliggendeTafels"
        << "\nAangevinkt, zullen alle tafels tussen 1 en \"Max. tafel\" in de oefening verwerkt "
           "worden.";
    QTest::newRow("Image3") << "Image3"
                            << QString::fromUtf8(
                                   "\nEen muisklik op deze printer geeft u de kans om en "
                                   "schriftelijke opgave aan te maken en te printen.\n\nEerst zal "
                                   "een dialogvenster verschijnen waarin u de titel van de "
                                   "oefening kan invullen en waarin u, indien gewenst, kan "
                                   "aanvinken dat u ook een extra blad wil printen mét de "
                                   "oplossing inbegrepen.");
    // The others: their first paragraph identifies them.
    const char* anderen[][2] = {
        {"MaxTerm2", "Dit is de hoogste waarde voor de vermenigvuldiger."},
        {"TimerMinuten", "Indien u met de timer wenst te werken"},
        {"Positief", "Enkel positief :"},
        {"Negatief", "Enkel negatief :"},
        {"PositiefNegatief", "Positief én negatief :"},
        {"KlassiekTafelen", "Indien aangevinkt, zullen de vermenigvuldigers"},
        {"VariabeleVermenigvuldiger", "\nAangevinkt zal de vermenigvuldiger"},
        {"Reeksteller", "Dit is het nummer van de oefening in een \"REEKS\" oefeningen."},
        {"Oef1Result", "Hier moet u de oplossing invullen."},
        {"Oef10Result", "Hier moet u de oplossing invullen."},
        {"Kontroleer", "\nEen muisklik op deze knop zal de ingevoerde oplossingen"},
        {"Label6", "Dit is het totaal van de behaalde punten"},
    };
    for (const auto& a : anderen)
        QTest::newRow(a[0]) << a[0] << QString::fromUtf8(a[1]) + QStringLiteral("...");
}

void TstHulp::helpTekst() {
    QFETCH(QString, besturing);
    QFETCH(QString, tekst);
    auto w = Start();
    BeweegOver(Zoek(*w, besturing));
    const QString getoond = Tekst(*w, "Help");
    if (tekst.endsWith("..."))
        QVERIFY2(getoond.startsWith(tekst.chopped(3)), qPrintable(getoond));
    else
        QCOMPARE(getoond, tekst);
}

void TstHulp::achtergrondMaaktLeeg() {
    auto w = Start();
    auto* instellingen = Zoek(*w, "Instellingen");
    BeweegOver(Zoek(*w, "MaxTerm1"));
    QVERIFY(Tekst(*w, "Help").startsWith("Dit is de voor deze oefening hoogste Tafel."));
    BeweegOver(instellingen, {5, 80}); // the panel's own background
    QCOMPARE(Tekst(*w, "Help"), QString());
    BeweegOver(Zoek(*w, "Kontroleer"));
    QVERIFY(Tekst(*w, "Help").startsWith("\nEen muisklik op deze knop"));
    for (const char* achtergrond : {"Groep1", "Panel1", "Panel2"}) {
        BeweegOver(Zoek(*w, "Kontroleer"));
        BeweegOver(Zoek(*w, achtergrond), {3, 3});
        QVERIFY2(Tekst(*w, "Help").isEmpty(), achtergrond);
    }
    BeweegOver(Zoek(*w, "Kontroleer"));
    BeweegOver(w.get(), {600, 120}); // the window's background
    QCOMPARE(Tekst(*w, "Help"), QString());
}

void TstHulp::andereBesturingenLatenStaan_data() {
    QTest::addColumn<QString>("besturing");
    QTest::newRow("verdict label") << "Oef4Kontrol";
    QTest::newRow("x label") << "LabelMaal4";
    QTest::newRow("multiplier label") << "Oef4Term1";
    QTest::newRow("settings label") << "Label1";
    QTest::newRow("results panel") << "Panel3";
    QTest::newRow("help box") << "Help";
}

void TstHulp::andereBesturingenLatenStaan() {
    QFETCH(QString, besturing);
    auto w = Start();
    QWidget* b = Zoek(*w, besturing);
    b->show(); // the results panel is only seen at the end of a competition
    BeweegOver(Zoek(*w, "Reeksteller"));
    const QString voor = Tekst(*w, "Help");
    QVERIFY(!voor.isEmpty());
    BeweegOver(b);
    QCOMPARE(Tekst(*w, "Help"), voor);
}

void TstHulp::helpIsNietBewerkbaar() {
    auto w = Start();
    BeweegOver(Zoek(*w, "Kontroleer"));
    const QString voor = Tekst(*w, "Help");
    auto* help = Zoek<QTextEdit>(*w, "Help");
    Klik(help->viewport());
    Typ(help, "abc");
    QTest::keyClick(help, Qt::Key_Backspace);
    QTest::keyClick(help, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(Tekst(*w, "Help"), voor);
}

void TstHulp::tooltip_data() {
    QTest::addColumn<QString>("besturing");
    QTest::addColumn<QString>("tip");
    const char* rijen[][2] = {
        {"Reeksteller", "Dit is het nummer van de oefening in een reeks oefeningen."},
        {"Image4", "Stop het programma."},
        {"Image3", "Aanmaken en printen van een schriftelijke opgave."},
        {"Image1", "Info over het Programma."},
        {"MaxTerm1", "Hier word de hoogste tafel voor deze oefening ingevoerd."},
        {"MaxTerm2", "Enter hier de grootste waarde voor de vermenigvuldiger."},
        {"TimerMinuten", "Indien de timer moet gebruikt worden, hier het aantal minuten invullen."},
        {"KlassiekTafelen",
         "Indien aangevinkt zal de tafeloefening een klassieke (oplopende) structuur krijgen."},
        {"VariabeleVermenigvuldiger", "Uitgevinkt, zal de vermenigvuldiger in alle oefeningen "
                                      "dezelfde waarde blijven behouden."},
        {"OnderliggendeTafels",
         "Aangevinkt worden alle tafels tussen 1 en \"Max. tafel\", in de oefening gebruikt."},
        {"Oef1Term1", "Vermenigvuldiger"},
        {"Oef10Term1", "Vermenigvuldiger"},
        {"Oef6Term2", "Tafel"},
        {"Oef3Result", "Uw oplossing (indien nodig, tot 3 cijfers na de komma)"},
        {"Kontroleer", "Controleer uw oefening op fouten."},
        {"Label6", "Aantal behaalde punten in huidige reeks."},
        {"Label8", "Maximum aantal punten in huidige reeks."},
        {"Help", "Context-gevoelig help-menu."},
        {"Positief", ""},
        {"Negatief", ""},
        {"PositiefNegatief", ""},
        {"Label1", ""},
        {"Oef2Kontrol", ""},
    };
    for (const auto& r : rijen)
        QTest::newRow(r[0]) << r[0] << QString::fromUtf8(r[1]);
}

void TstHulp::tooltip() {
    QFETCH(QString, besturing);
    QFETCH(QString, tip);
    auto w = Start();
    QToolTip::hideText();
    Rust(Zoek(*w, besturing));
    QCOMPARE(QToolTip::isVisible(), !tip.isEmpty());
    if (!tip.isEmpty()) QCOMPARE(QToolTip::text(), tip);
}

// The one test that waits in real time: a tip stays exactly five seconds.
void TstHulp::tooltipVerdwijntNa5000ms() {
    auto w = Start();
    QElapsedTimer tijd;
    Rust(Zoek(*w, "Kontroleer"));
    tijd.start();
    QVERIFY(QToolTip::isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(!QToolTip::isVisible(), 8000);
    QVERIFY2(tijd.elapsed() >= 4990, qPrintable(QString::number(tijd.elapsed())));
}

void TstHulp::infoPaneel() {
    auto w = Start();
    const QStringList oefeningen = Oefeningen(*w);
    auto* info = Zoek(*w, "Info");
    Klik(Zoek(*w, "Image1"));
    QVERIFY(info->isVisible());
    QCOMPARE(Tekst(*w, "Label44"), QStringLiteral("Quorbel v.6.1"));
    QCOMPARE(Tekst(*w, "Label42"), QStringLiteral("Een product van :"));
    QVERIFY(Tekst(*w, "Label45").startsWith("Flexibel Programma voor het oefenen met tafels"));
    QVERIFY(Tekst(*w, "Label45").endsWith("binnen een vastgestelde tijd)."));
    Klik(Zoek(*w, "OKKnop"));
    QVERIFY(!info->isVisible());
    QCOMPARE(Oefeningen(*w), oefeningen); // both do nothing else
}

void TstHulp::enterSluitInfo_data() {
    QTest::addColumn<QString>("veld");
    QTest::newRow("answer field") << "Oef4Result";
    QTest::newRow("settings field") << "MaxTerm1";
}

// While the panel is up, Enter closes it instead of doing the field's own work.
void TstHulp::enterSluitInfo() {
    QFETCH(QString, veld);
    auto w = Start();
    auto* v = Zoek<QLineEdit>(*w, veld);
    Klik(v);
    Typ(v, "7");
    Klik(Zoek(*w, "Image1"));
    v->setFocus();
    Enter(v);
    QVERIFY(!Zoek(*w, "Info")->isVisible());
    QCOMPARE(v->text(), QStringLiteral("7"));
    QCOMPARE(QApplication::focusWidget(), v);
    Enter(v); // with the panel gone, Enter does the field's work again
    QCOMPARE(QApplication::focusWidget(),
             veld == "MaxTerm1" ? Zoek(*w, "Oef1Result") : Zoek(*w, "Oef5Result"));
}

QTEST_MAIN(TstHulp)
#include "tst_hulp.moc"
