// The printer picture of the real main window: the print dialog, the main window locked while it
// is open, its activation on return, and the worksheet printed to PDF files through the seam.
#include "PdfLezen.h"
#include "Print1.h"
#include "Vensterhulp.h"

#include <QApplication>
#include <QFileInfo>
#include <QPrinter>
#include <QSignalSpy>
#include <QTemporaryDir>

using namespace Hulp;

namespace {

TPrintDialoog1* Dialoog() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* d = qobject_cast<TPrintDialoog1*>(w); d && d->isVisible()) return d;
    return nullptr;
}

} // namespace

class TstPrintVenster : public QObject {
    Q_OBJECT
private slots:
    void init();
    void afdrukken_data();
    void afdrukken();
    void hoofdvensterOpSlot();
    void eenVerzoekDruktEenmaal();
    void elkeKeerDeStandaarden();

private:
    // Opens the print dialog with the printer picture; null when it did not appear.
    TPrintDialoog1* OpenDialoog(TForm1& w);

    QTemporaryDir map;
    QString bestand;
    int gevraagd = 0, teller = 0;
    bool printerGekozen = true;
};

void TstPrintVenster::init() {
    bestand = map.filePath(QStringLiteral("werkblad%1.pdf").arg(++teller));
    gevraagd = 0;
    printerGekozen = true;
}

TPrintDialoog1* TstPrintVenster::OpenDialoog(TForm1& w) {
    w.ZetPrinterKeuze([this](QPrinter& p) {
        ++gevraagd;
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(bestand);
        return printerGekozen;
    });
    Klik(Zoek(w, "Image3"));
    TPrintDialoog1* d = Dialoog();
    if (d && !QTest::qWaitFor([d] { return d->isActiveWindow(); }, 5000)) return nullptr;
    return d;
}

void TstPrintVenster::afdrukken_data() {
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("oplossingen");
    QTest::addColumn<bool>("printerOk");
    QTest::newRow("OK with solutions") << true << true << true;
    QTest::newRow("OK without solutions") << true << false << true;
    QTest::newRow("Cancel in the print dialog") << false << true << true;
    QTest::newRow("Cancel in the printer setup") << true << true << false;
}

void TstPrintVenster::afdrukken() {
    QFETCH(bool, ok);
    QFETCH(bool, oplossingen);
    QFETCH(bool, printerOk);
    printerGekozen = printerOk;
    auto w = Start();
    Beantwoord(*w, 4);
    Klik(Zoek(*w, "Kontroleer"));
    Klik(Zoek(*w, "VolgendeOefening"));
    QSignalSpy sets(w.get(), &TForm1::OefeningenGetekend);

    TPrintDialoog1* d = OpenDialoog(*w);
    QVERIFY(d);
    auto* titel = d->findChild<QLineEdit*>("Edit1");
    QCOMPARE(titel->text(), QStringLiteral("Oefening"));
    titel->selectAll();
    Typ(titel, "Tafel van 7");
    if (oplossingen) Klik(d->findChild<QCheckBox*>("CheckBox1"));
    QTest::keyClick(titel, ok ? Qt::Key_Return : Qt::Key_Escape);
    QTRY_VERIFY(w->isActiveWindow());

    // Back in the main window: a fresh set, the series kept, and the request printed once.
    QVERIFY(w->isEnabled());
    QCOMPARE(sets.count(), 1);
    QCOMPARE(Tekst(*w, "Reeksteller"), QStringLiteral("2"));
    QCOMPARE(Tekst(*w, "Label6"), QStringLiteral("4"));
    QCOMPARE(gevraagd, ok ? 1 : 0);
    const QString oplossingenBestand = OplossingenBestand(bestand);
    QCOMPARE(QFileInfo::exists(bestand), ok && printerOk);
    QCOMPARE(QFileInfo::exists(oplossingenBestand), ok && printerOk && oplossingen);
    if (!QFileInfo::exists(bestand)) return;
    const QString blad = PdfTekst(bestand);
    QVERIFY2(ControleerOefenblad(blad, "Tafel van 7").isEmpty(),
             qPrintable(ControleerOefenblad(blad, "Tafel van 7")));
    if (!oplossingen) return;
    const QString opl = PdfTekst(oplossingenBestand);
    QVERIFY2(ControleerOplossingen(opl, "Tafel van 7", GelezenOefeningen(blad)).isEmpty(),
             qPrintable(ControleerOplossingen(opl, "Tafel van 7", GelezenOefeningen(blad))));
}

// While the dialog is open the main window takes no mouse or keyboard input.
void TstPrintVenster::hoofdvensterOpSlot() {
    auto w = Start();
    TPrintDialoog1* d = OpenDialoog(*w);
    QVERIFY(d);
    QVERIFY(!w->isEnabled());
    auto* veld = Zoek<QLineEdit>(*w, Rij(1, "Result"));
    Klik(veld);
    Typ(veld, "12");
    Klik(Zoek(*w, "Kontroleer"));
    QCOMPARE(veld->text(), QString());
    QCOMPARE(Tekst(*w, Rij(1, "Kontrol")), QString());
    d->close(); // any other way of closing counts as Cancel
    QTRY_VERIFY(w->isActiveWindow());
    QVERIFY(w->isEnabled());
    QCOMPARE(gevraagd, 0);
}

void TstPrintVenster::eenVerzoekDruktEenmaal() {
    auto w = Start();
    TPrintDialoog1* d = OpenDialoog(*w);
    QVERIFY(d);
    QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Return);
    QTRY_VERIFY(w->isActiveWindow());
    QCOMPARE(gevraagd, 1);
    QSignalSpy sets(w.get(), &TForm1::OefeningenGetekend);
    AnderProgramma();
    TerugNaar(*w);
    QCOMPARE(gevraagd, 1);
    QCOMPARE(sets.count(), 0); // back from another program: no new set either
}

void TstPrintVenster::elkeKeerDeStandaarden() {
    auto w = Start();
    TPrintDialoog1* d = OpenDialoog(*w);
    QVERIFY(d);
    d->findChild<QLineEdit*>("Edit1")->setText("Iets anders");
    Klik(d->findChild<QCheckBox*>("CheckBox1"));
    QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Escape);
    QTRY_VERIFY(w->isActiveWindow());
    d = OpenDialoog(*w);
    QVERIFY(d);
    QCOMPARE(d->findChild<QLineEdit*>("Edit1")->text(), QStringLiteral("Oefening"));
    QVERIFY(!d->findChild<QCheckBox*>("CheckBox1")->isChecked());
    QTest::keyClick(d->findChild<QLineEdit*>("Edit1"), Qt::Key_Escape);
    QTRY_VERIFY(w->isActiveWindow());
}

QTEST_MAIN(TstPrintVenster)
#include "tst_printvenster.moc"
