// The worksheet on a real print server: the real main window's printer picture, the print
// dialog driven with keys and clicks, and the jobs of a cups-pdf queue read back from its PDFs.
#include "Afdrukken.h"
#include "CupsServer.h"
#include "Opmaak.h"
#include "PdfLezen.h"
#include "Print1.h"
#include "Vensterhulp.h"

#include <QApplication>
#include <QCheckBox>
#include <QLineEdit>
#include <QPointer>
#include <QPrinter>
#include <QTest>
#include <QTextDocument>

class TstCupsDruk : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void afdrukken_data();
    void afdrukken();

private:
    TCupsServer server;
};

void TstCupsDruk::initTestCase() {
    if (const auto reden = TCupsServer::Ontbreekt(); !reden.isEmpty())
        QSKIP(qPrintable(QStringLiteral("no print server for this test: ") + reden));
    QString fout;
    QVERIFY2(server.Start(&fout), qPrintable(fout));
    ZetLettertypeVervangers();
}

void TstCupsDruk::cleanupTestCase() { server.Stop(); }

void TstCupsDruk::afdrukken_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("oplossingen");
    QTest::addColumn<bool>("printerGekozen");
    QTest::addColumn<int>("taken");
    QTest::newRow("OK with solutions") << true << true << true << 2;
    QTest::newRow("OK without solutions") << true << false << true << 1;
    QTest::newRow("Cancel in the print dialog") << false << true << true << 0;
    QTest::newRow("Cancel in the printer setup") << true << true << false << 0;
}

void TstCupsDruk::afdrukken() {
    QFETCH(bool, ok);
    QFETCH(bool, oplossingen);
    QFETCH(bool, printerGekozen);
    QFETCH(int, taken);

    auto w = Hulp::Start();
    int gevraagd = 0;
    w->ZetPrinterKeuze([&](QPrinter& p) {
        ++gevraagd;
        p.setPrinterName(TCupsServer::Wachtrij());
        return printerGekozen;
    });
    const auto voor = server.Taken();

    // The teacher's way: the printer picture, a title, the solutions box, Enter or Esc.
    Hulp::Klik(Hulp::Zoek(*w, "Image3"));
    TPrintDialoog1* dialoog = nullptr;
    for (QWidget* t : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<TPrintDialoog1*>(t); d && d->isVisible()) dialoog = d;
    QVERIFY(dialoog);
    QVERIFY(QTest::qWaitFor([&] { return dialoog->isActiveWindow(); }, 5000));
    QVERIFY(!w->isEnabled());
    auto* edit = dialoog->findChild<QLineEdit*>(QStringLiteral("Edit1"));
    edit->selectAll();
    QTest::keyClicks(edit, "Werkblad tafels");
    if (oplossingen)
        QTest::mouseClick(dialoog->findChild<QCheckBox*>(QStringLiteral("CheckBox1")),
                          Qt::LeftButton);
    QTest::keyClick(edit, ok ? Qt::Key_Return : Qt::Key_Escape);
    // The main window becomes active again and prints what was asked for.
    QVERIFY(QTest::qWaitFor([&] { return w->isActiveWindow(); }, 5000));
    QVERIFY(w->isEnabled());
    QCOMPARE(gevraagd, ok ? 1 : 0);

    // The jobs are handed to the server before printing returns.
    QList<int> nieuw = server.Taken();
    for (const int t : voor)
        nieuw.removeAll(t);
    QCOMPARE(nieuw.size(), taken);
    if (taken == 0) return;
    QVERIFY2(server.WachtTotVoltooid(nieuw, 30000), qPrintable(server.Log()));
    QCOMPARE(server.VoltooideTaken().size(), voor.size() + taken);

    const QString oefenblad = server.PdfVanTaak(nieuw[0]);
    QVERIFY2(!oefenblad.isEmpty(), qPrintable(server.Log()));
    const auto tekst = PdfTekst(oefenblad);
    QVERIFY2(ControleerOefenblad(tekst, "Werkblad tafels").isEmpty(),
             qPrintable(ControleerOefenblad(tekst, "Werkblad tafels") + "\n" + tekst));
    if (taken == 1) return;
    const QString oplossingenblad = server.PdfVanTaak(nieuw[1]);
    QVERIFY(!oplossingenblad.isEmpty());
    const auto tekstOpl = PdfTekst(oplossingenblad);
    const auto gelezen = GelezenOefeningen(tekst);
    QVERIFY2(
        ControleerOplossingen(tekstOpl, "Werkblad tafels", gelezen).isEmpty(),
        qPrintable(ControleerOplossingen(tekstOpl, "Werkblad tafels", gelezen) + "\n" + tekstOpl));
}

QTEST_MAIN(TstCupsDruk)
#include "tst_cupsdruk.moc"
