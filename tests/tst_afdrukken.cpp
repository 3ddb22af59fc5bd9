// Printing the worksheet to PDF files: the print document, the printed pages read back, page
// breaks, failures, the second file for the solutions, and the print continuation.
#include "Afdrukken.h"
#include "Opmaak.h"
#include "PdfLezen.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QTimer>

namespace {

TInstellingen Klassiek7() {
    TInstellingen s;
    s.Klassiek = true;
    s.MaxTafel = "7";
    return s;
}

// A printer setup that chooses a PDF file and counts how often it was asked.
struct TPdfKeuze {
    QString bestand;
    bool bevestigd = true;
    int gevraagd = 0;
    TPrinterKeuze Keuze() {
        return [this](QPrinter& printer) {
            ++gevraagd;
            printer.setOutputFileName(bestand);
            return bevestigd;
        };
    }
};

} // namespace

class TstAfdrukken : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void document();
    void oplossingenBestand_data();
    void oplossingenBestand();
    void paginas_data();
    void paginas();
    void paginaEinden();
    void mislukt();
    void verzoek_data();
    void verzoek();
    void verzoekEenKeer();
    void verzoekMislukt();
    void systeemDialoog();

private:
    QTemporaryDir map;
};

void TstAfdrukken::initTestCase() {
    QVERIFY(map.isValid());
    ZetLettertypeVervangers();
}

// One paragraph a line; carriage returns are line breaks inside it; tabs stay.
void TstAfdrukken::document() {
    QTextDocument doc;
    VulPrintDocument(doc, {"oud", "oud", "oud", "oud", "oud", "oud", "oud"});
    VulPrintDocument(doc, {"\r", "    Titel\r\r", "a\tb|", "een\ntwee", "laatste"});
    QCOMPARE(doc.blockCount(), 5);
    const QChar lijnEinde(QChar::LineSeparator);
    QCOMPARE(doc.findBlockByNumber(0).text(), QString(lijnEinde));
    QCOMPARE(doc.findBlockByNumber(1).text(), QStringLiteral("    Titel") + lijnEinde + lijnEinde);
    QCOMPARE(doc.findBlockByNumber(2).text(), QStringLiteral("a\tb|"));
    QCOMPARE(doc.findBlockByNumber(3).text(), QStringLiteral("een") + lijnEinde + "twee");
    QCOMPARE(doc.findBlockByNumber(4).text(), QStringLiteral("laatste"));
    doc.setTextWidth(2000);
    doc.size(); // lays the whole document out
    QCOMPARE(doc.findBlockByNumber(0).layout()->lineCount(), 2);
    QCOMPARE(doc.findBlockByNumber(1).layout()->lineCount(), 3);
    QCOMPARE(doc.findBlockByNumber(2).layout()->lineCount(), 1);
    QCOMPARE(doc.defaultFont().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(doc.defaultFont().pixelSize(), 16);
    QVERIFY(!doc.defaultFont().bold() && !doc.defaultFont().italic());
}

void TstAfdrukken::oplossingenBestand_data() {
    QTest::addColumn<QString>("bestand");
    QTest::addColumn<QString>("oplossingen");
    QTest::newRow("extension") << "/papieren/worksheet.pdf"
                               << "/papieren/worksheet-oplossingen.pdf";
    QTest::newRow("no extension") << "/papieren/worksheet"
                                  << "/papieren/worksheet-oplossingen";
    QTest::newRow("dot in the folder only") << "/papieren/a.b/worksheet"
                                            << "/papieren/a.b/worksheet-oplossingen";
    QTest::newRow("two dots") << "/papieren/week.3.pdf"
                              << "/papieren/week.3-oplossingen.pdf";
    QTest::newRow("hidden file") << "/papieren/.pdf"
                                 << "/papieren/.pdf-oplossingen";
    QTest::newRow("relative") << "blad.pdf"
                              << "blad-oplossingen.pdf";
}

void TstAfdrukken::oplossingenBestand() {
    QFETCH(QString, bestand);
    QFETCH(QString, oplossingen);
    QCOMPARE(OplossingenBestand(bestand), oplossingen);
}

// Both page kinds of a classic sheet, printed at either resolution: one page each, every line
// readable, 12 pt type.
void TstAfdrukken::paginas_data() {
    QTest::addColumn<int>("resolutie");
    QTest::newRow("high resolution") << int(QPrinter::HighResolution);
    QTest::newRow("screen resolution") << int(QPrinter::ScreenResolution);
}

void TstAfdrukken::paginas() {
    QFETCH(int, resolutie);
    TOefenMaker maker;
    TOpgaveBlad blad;
    blad.Vul(maker, Klassiek7());
    QTextDocument doc;
    QPrinter printer{QPrinter::PrinterMode(resolutie)};
    const QString oefeningen = map.filePath(QStringLiteral("oef-%1.pdf").arg(resolutie));
    const QString oplossingen = map.filePath(QStringLiteral("opl-%1.pdf").arg(resolutie));

    printer.setOutputFileName(oefeningen);
    VulPrintDocument(doc, blad.Pagina(TBladSoort::bsOefeningen, "Tafel van 7"));
    QVERIFY(DrukDocument(doc, printer));
    printer.setOutputFileName(oplossingen);
    VulPrintDocument(doc, blad.Pagina(TBladSoort::bsOplossingen, "Tafel van 7"));
    QVERIFY(DrukDocument(doc, printer));

    const auto tekst = PdfTekst(oefeningen);
    QVERIFY2(ControleerOefenblad(tekst, "Tafel van 7").isEmpty(),
             qPrintable(ControleerOefenblad(tekst, "Tafel van 7") + "\n" + tekst));
    const auto gelezen = GelezenOefeningen(tekst);
    for (int i = 0; i < 40; ++i) {
        QCOMPARE(gelezen[i].Vermenigvuldiger, QString::number(i));
        QCOMPARE(gelezen[i].Tafel, QStringLiteral("7"));
    }
    const auto tekstOpl = PdfTekst(oplossingen);
    QVERIFY2(ControleerOplossingen(tekstOpl, "Tafel van 7", gelezen).isEmpty(),
             qPrintable(ControleerOplossingen(tekstOpl, "Tafel van 7", gelezen) + "\n" + tekstOpl));
    // The spacer lines hold their bar; every line is its own: nothing wrapped.
    QCOMPARE(tekst.count(QStringLiteral("\n|\n")), 18);
    QCOMPARE(tekst.count(u'|'), 38);

    // 16 px on screen is 12 pt on paper: a line of Liberation Serif 12 pt is 13.3 pt high.
    const double hoogte = WoordHoogte(oefeningen, QStringLiteral("Punten"));
    QVERIFY2(hoogte > 12.5 && hoogte < 14.2, qPrintable(QString::number(hoogte)));
}

// More lines than a page holds go on to further pages, each line once, in order.
void TstAfdrukken::paginaEinden() {
    std::vector<std::string> lijnen;
    for (int i = 1; i <= 150; ++i)
        lijnen.push_back("regel " + std::to_string(i));
    QTextDocument doc;
    VulPrintDocument(doc, lijnen);
    QPrinter printer;
    const QString bestand = map.filePath(QStringLiteral("lang.pdf"));
    printer.setOutputFileName(bestand);
    QVERIFY(DrukDocument(doc, printer));
    const auto tekst = PdfTekst(bestand);
    QCOMPARE(PdfPaginas(tekst), 3);
    QStringList gelezen =
        tekst.split(QRegularExpression(QStringLiteral("[\n\f]+")), Qt::SkipEmptyParts);
    QCOMPARE(gelezen.size(), 150);
    for (int i = 0; i < 150; ++i)
        QCOMPARE(gelezen[i], QStringLiteral("regel %1").arg(i + 1));
}

// A printer that cannot print reports it; nothing is written.
void TstAfdrukken::mislukt() {
    QTextDocument doc;
    VulPrintDocument(doc, {"x"});
    QPrinter onbereikbaar;
    onbereikbaar.setOutputFileName(map.filePath(QStringLiteral("geen/map/blad.pdf")));
    QVERIFY(!DrukDocument(doc, onbereikbaar));
    QVERIFY(!QFileInfo::exists(map.filePath(QStringLiteral("geen"))));

    QPrinter onbekend;
    onbekend.setPrinterName(QStringLiteral("bestaat-niet"));
    onbekend.setOutputFileName(QString());
    QVERIFY(!DrukDocument(doc, onbekend));
}

void TstAfdrukken::verzoek_data() {
    QTest::addColumn<bool>("klaar");
    QTest::addColumn<bool>("geannuleerd");
    QTest::addColumn<bool>("oplossingen");
    QTest::addColumn<bool>("bevestigd");
    QTest::addColumn<int>("gevraagd");
    QTest::addColumn<int>("uitkomst");
    QTest::addColumn<int>("bestanden");
    const int niets = int(TDrukUitkomst::duNietsGevraagd),
              geannuleerd = int(TDrukUitkomst::duGeannuleerd),
              gedrukt = int(TDrukUitkomst::duGedrukt);
    QTest::newRow("nothing pending") << false << false << true << true << 0 << niets << 0;
    QTest::newRow("dialog cancelled") << true << true << true << true << 0 << niets << 0;
    QTest::newRow("printer setup cancelled")
        << true << false << true << false << 1 << geannuleerd << 0;
    QTest::newRow("exercises only") << true << false << false << true << 1 << gedrukt << 1;
    QTest::newRow("with solutions") << true << false << true << true << 1 << gedrukt << 2;
}

// The continuation after the dialog: what it asks, what it prints and into which files.
void TstAfdrukken::verzoek() {
    QFETCH(bool, klaar);
    QFETCH(bool, geannuleerd);
    QFETCH(bool, oplossingen);
    QFETCH(bool, bevestigd);
    QFETCH(int, gevraagd);
    QFETCH(int, uitkomst);
    QFETCH(int, bestanden);
    QTemporaryDir uit;
    TPdfKeuze keuze{uit.filePath(QStringLiteral("werkblad.pdf")), bevestigd};
    TPrintVerzoek verzoek{"Oefening 12", klaar, geannuleerd, oplossingen};
    QPrinter printer;
    TOefenMaker maker;
    maker.ZetKlassiekTeller(41);
    TInstellingen s;
    s.MaxTafel = "12";
    s.Onderliggend = true;
    s.TekenModus = TTekenModus::tmPositiefNegatief;
    TOpgaveBlad blad;
    QTextDocument doc;

    QCOMPARE(int(DrukVerzoek(verzoek, keuze.Keuze(), printer, maker, s, blad, doc)), uitkomst);
    QCOMPARE(keuze.gevraagd, gevraagd);
    QCOMPARE(verzoek.Klaar, klaar && geannuleerd); // a cancelled request is left as it was
    QCOMPARE(verzoek.Geannuleerd, geannuleerd);
    QCOMPARE(QDir(uit.path()).entryList(QDir::Files).size(), bestanden);
    QCOMPARE(maker.KlassiekTeller(), 41);
    if (bestanden == 0) {
        QVERIFY(blad.Regel(1).Vermenigvuldiger.empty()); // no sheet drawn
        return;
    }
    // The printer still writes where the user chose.
    QCOMPARE(printer.outputFileName(), keuze.bestand);
    const auto tekst = PdfTekst(keuze.bestand);
    QVERIFY2(ControleerOefenblad(tekst, "Oefening 12").isEmpty(),
             qPrintable(ControleerOefenblad(tekst, "Oefening 12") + "\n" + tekst));
    const auto gelezen = GelezenOefeningen(tekst);
    for (int nr = 1; nr <= 40; ++nr) {
        QCOMPARE(gelezen[nr - 1].Vermenigvuldiger.toStdString(), blad.Regel(nr).Vermenigvuldiger);
        QCOMPARE(gelezen[nr - 1].Tafel.toStdString(), blad.Regel(nr).Tafel);
    }
    const QString oplossingenBestand = uit.filePath(QStringLiteral("werkblad-oplossingen.pdf"));
    QCOMPARE(QFileInfo::exists(oplossingenBestand), oplossingen);
    if (oplossingen) {
        const auto tekstOpl = PdfTekst(oplossingenBestand);
        QVERIFY2(
            ControleerOplossingen(tekstOpl, "Oefening 12", gelezen).isEmpty(),
            qPrintable(ControleerOplossingen(tekstOpl, "Oefening 12", gelezen) + "\n" + tekstOpl));
    }
}

// A request prints once, however often the main window becomes active afterwards; each new
// request draws a new sheet.
void TstAfdrukken::verzoekEenKeer() {
    QTemporaryDir uit;
    TPdfKeuze keuze{uit.filePath(QStringLiteral("blad.pdf"))};
    TPrintVerzoek verzoek{"x", true, false, false};
    QPrinter printer;
    TOefenMaker maker;
    TInstellingen s;
    s.MaxVermenigvuldiger = "1000000";
    TOpgaveBlad blad;
    QTextDocument doc;
    QCOMPARE(DrukVerzoek(verzoek, keuze.Keuze(), printer, maker, s, blad, doc),
             TDrukUitkomst::duGedrukt);
    const auto eerste = blad.Pagina(TBladSoort::bsOplossingen, "x");
    QVERIFY(QFile::remove(keuze.bestand));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(DrukVerzoek(verzoek, keuze.Keuze(), printer, maker, s, blad, doc),
                 TDrukUitkomst::duNietsGevraagd);
    QCOMPARE(keuze.gevraagd, 1);
    QVERIFY(!QFileInfo::exists(keuze.bestand));

    verzoek.Klaar = true;
    QCOMPARE(DrukVerzoek(verzoek, keuze.Keuze(), printer, maker, s, blad, doc),
             TDrukUitkomst::duGedrukt);
    QVERIFY(blad.Pagina(TBladSoort::bsOplossingen, "x") != eerste);
}

// A chosen printer that cannot print: reported, and the request is done with.
void TstAfdrukken::verzoekMislukt() {
    TPdfKeuze keuze{map.filePath(QStringLiteral("geen/map/blad.pdf"))};
    TPrintVerzoek verzoek{"x", true, false, true};
    QPrinter printer;
    TOefenMaker maker;
    TOpgaveBlad blad;
    QTextDocument doc;
    QCOMPARE(DrukVerzoek(verzoek, keuze.Keuze(), printer, maker, TInstellingen{}, blad, doc),
             TDrukUitkomst::duMislukt);
    QCOMPARE(verzoek.Klaar, false);
    QCOMPARE(printer.outputFileName(), keuze.bestand);
}

// The program's printer setup is the system's print dialog on the window's printer.
void TstAfdrukken::systeemDialoog() {
    QPrinter printer;
    QWidget ouder;
    ouder.show();
    QPrinter* getoond = nullptr;
    QTimer::singleShot(0, [&] {
        if (auto* dialoog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            getoond = dialoog->printer();
            dialoog->reject();
        }
    });
    QVERIFY(!SysteemPrinterKeuze(printer, &ouder));
    QCOMPARE(getoond, &printer);
}

QTEST_MAIN(TstAfdrukken)
#include "tst_afdrukken.moc"
