#include "Afdrukken.h"

#include <QAbstractTextDocumentLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr qreal SchermDpi = 96;

bool DrukPagina(const std::vector<std::string>& lijnen, QTextDocument& doc, QPrinter& printer) {
    VulPrintDocument(doc, lijnen);
    return DrukDocument(doc, printer);
}

} // namespace

bool SysteemPrinterKeuze(QPrinter& printer, QWidget* ouder) {
    QPrintDialog dialoog(&printer, ouder);
    return dialoog.exec() == QDialog::Accepted;
}

void VulPrintDocument(QTextDocument& doc, const std::vector<std::string>& lijnen) {
    doc.clear();
    // The lines carry their own indent; the full width is needed for both columns.
    doc.setDocumentMargin(0);
    QFont letter(QStringLiteral("Times New Roman"));
    letter.setPixelSize(16);
    doc.setDefaultFont(letter);
    QTextCursor cursor(&doc);
    bool eerste = true;
    for (const auto& lijn : lijnen) {
        if (!eerste) cursor.insertBlock();
        eerste = false;
        // Every line break inside a line stays inside its paragraph.
        QString tekst = QString::fromStdString(lijn);
        for (const QChar breuk : {QChar(u'\r'), QChar(u'\n'), QChar(QChar::ParagraphSeparator)})
            tekst.replace(breuk, QChar(QChar::LineSeparator));
        cursor.insertText(tekst);
    }
}

bool DrukDocument(QTextDocument& doc, QPrinter& printer) {
    if (!printer.isValid()) return false;
    printer.setDocName(QString());

    // Laid out in screen pixels on a page of the printer's printable size, then scaled up to
    // the printer's resolution.
    const qreal schaalX = printer.logicalDpiX() / SchermDpi;
    const qreal schaalY = printer.logicalDpiY() / SchermDpi;
    if (schaalX <= 0 || schaalY <= 0) return false;
    const QSizeF pagina(printer.width() / schaalX, printer.height() / schaalY);
    doc.setPageSize(pagina);

    const int aantal = doc.pageCount();
    int van = 1, tot = aantal;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        van = printer.fromPage();
        tot = std::min(aantal, std::max(van, printer.toPage()));
    }

    QPainter p;
    if (!p.begin(&printer)) return false;
    for (int nr = van; nr <= tot; ++nr) {
        if (nr > van && !printer.newPage()) {
            p.end();
            return false;
        }
        const QRectF zicht(0, (nr - 1) * pagina.height(), pagina.width(), pagina.height());
        p.save();
        p.scale(schaalX, schaalY);
        p.translate(0, -zicht.top());
        p.setClipRect(zicht);
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = zicht;
        context.palette.setColor(QPalette::Text, Qt::black);
        doc.documentLayout()->draw(&p, context);
        p.restore();
    }
    return p.end();
}

QString OplossingenBestand(const QString& bestand) {
    const auto map = bestand.lastIndexOf(u'/');
    const auto punt = bestand.lastIndexOf(u'.');
    // A dot that opens the file name is no extension.
    if (punt > map + 1)
        return bestand.left(punt) + QStringLiteral("-oplossingen") + bestand.mid(punt);
    return bestand + QStringLiteral("-oplossingen");
}

TDrukUitkomst DrukVerzoek(TPrintVerzoek& verzoek, const TPrinterKeuze& printerKeuze,
                          QPrinter& printer, TOefenMaker& maker, const TInstellingen& s,
                          TOpgaveBlad& blad, QTextDocument& doc) {
    if (!verzoek.Klaar || verzoek.Geannuleerd) return TDrukUitkomst::duNietsGevraagd;
    // Cleared before the printer dialog: the main window becomes active again when that
    // dialog closes, and must not ask a second time.
    verzoek.Klaar = false;
    verzoek.Klaar = printerKeuze && printerKeuze(printer);
    if (!verzoek.Klaar) return TDrukUitkomst::duGeannuleerd;
    verzoek.Klaar = false;

    blad.Vul(maker, s);
    bool goed = DrukPagina(blad.Pagina(TBladSoort::bsOefeningen, verzoek.Titel), doc, printer);
    if (verzoek.Oplossingen) {
        // Into the same file the solutions would overwrite the exercises.
        const QString bestand = printer.outputFileName();
        if (!bestand.isEmpty()) printer.setOutputFileName(OplossingenBestand(bestand));
        goed =
            DrukPagina(blad.Pagina(TBladSoort::bsOplossingen, verzoek.Titel), doc, printer) && goed;
        if (!bestand.isEmpty()) printer.setOutputFileName(bestand);
    }
    return goed ? TDrukUitkomst::duGedrukt : TDrukUitkomst::duMislukt;
}
