// The worksheet: both pages composed and printed to PDF files as the program prints them (the
// print continuation after OK), against printing the same text with a bare QTextDocument.
// Prints one line "blad OURS_NS BARE_NS" per pair.
#include "Afdrukken.h"
#include "Opmaak.h"

#include <QApplication>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTextDocument>

#include <chrono>
#include <cstdio>
#include <string>

namespace {

using Klok = std::chrono::steady_clock;

long long Nanoseconden(Klok::duration d) {
    return std::chrono::duration_cast<std::chrono::nanoseconds>(d).count();
}

// The program's way: the request as the print dialog leaves it after OK with the solutions box
// ticked, and the continuation that draws the sheet, composes both pages and prints them.
long long Ons(QPrinter& printer, const QString& bestand) {
    TPrintVerzoek verzoek;
    verzoek.Titel = "Oefening";
    verzoek.Klaar = true;
    verzoek.Oplossingen = true;
    const TPrinterKeuze keuze = [&](QPrinter& p) {
        p.setOutputFormat(QPrinter::PdfFormat);
        p.setOutputFileName(bestand);
        return true;
    };
    TOefenMaker maker;
    TOpgaveBlad blad;
    QTextDocument doc;
    const auto begin = Klok::now();
    const auto uitkomst = DrukVerzoek(verzoek, keuze, printer, maker, TInstellingen{}, blad, doc);
    const auto duur = Klok::now() - begin;
    if (uitkomst != TDrukUitkomst::duGedrukt) {
        std::fprintf(stderr, "bench_blad: the worksheet was not printed\n");
        std::exit(1);
    }
    return Nanoseconden(duur);
}

// The same two pages' text, each printed with a bare document on a PDF printer.
long long Basis(const QString& tekst1, const QString& tekst2, const QString& bestand) {
    const auto begin = Klok::now();
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    for (const QString* tekst : {&tekst1, &tekst2}) {
        printer.setOutputFileName(tekst == &tekst1 ? bestand : OplossingenBestand(bestand));
        QTextDocument doc;
        doc.setDefaultFont(Lettertype(QStringLiteral("Times New Roman"), 16, Gewoon));
        doc.setPlainText(*tekst);
        doc.print(&printer);
    }
    return Nanoseconden(Klok::now() - begin);
}

QString Tekst(const std::vector<std::string>& lijnen) {
    QString t;
    for (const auto& l : lijnen)
        t += QString::fromStdString(l).replace(QLatin1Char('\r'), QLatin1Char('\n')) +
             QLatin1Char('\n');
    return t;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    ZetLettertypeVervangers();
    const int paren = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
    QTemporaryDir map;
    const QString ons = map.filePath(QStringLiteral("ons.pdf"));
    const QString basis = map.filePath(QStringLiteral("basis.pdf"));

    TOefenMaker maker;
    TOpgaveBlad blad;
    blad.Vul(maker, TInstellingen{});
    const QString tekst1 = Tekst(blad.Pagina(TBladSoort::bsOefeningen, "Oefening"));
    const QString tekst2 = Tekst(blad.Pagina(TBladSoort::bsOplossingen, "Oefening"));

    // The window keeps one printer for all its requests.
    QPrinter printer(QPrinter::HighResolution);
    Ons(printer, ons); // warms fonts and caches for both sides
    Basis(tekst1, tekst2, basis);
    for (int i = 0; i < paren; ++i) {
        long long a = 0, b = 0;
        if (i % 2 == 0) {
            a = Ons(printer, ons);
            b = Basis(tekst1, tekst2, basis);
        } else {
            b = Basis(tekst1, tekst2, basis);
            a = Ons(printer, ons);
        }
        std::printf("blad %lld %lld\n", a, b);
        std::fflush(stdout);
    }
    return 0;
}
