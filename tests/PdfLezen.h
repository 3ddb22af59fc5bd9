#pragma once
// Reading printed worksheets back from PDF files for the printing tests.

#include <QList>
#include <QString>

// The text of a PDF as `pdftotext -raw` gives it, pages separated by form feeds; empty when the
// file cannot be read.
QString PdfTekst(const QString& pad);

int PdfPaginas(const QString& tekst);

// The height in points of the first printed word that reads `woord` (about 1.1 times the font
// size), or -1.
double WoordHoogte(const QString& pad, const QString& woord);

// One exercise as printed: "7 x 8 = 56" on a solutions page, "7 x 8 = ." on an exercise page.
struct TGelezenOefening {
    QString Vermenigvuldiger, Tafel, Antwoord;
};

// The exercises of a page in record order: the left column (records 1 to 20), then the right.
QList<TGelezenOefening> GelezenOefeningen(const QString& tekst);

// Checks of a printed page; each returns what is wrong, or an empty text.
// The exercise page: one page with the title, the name line, forty exercises with their answer
// points, and the points line.
QString ControleerOefenblad(const QString& tekst, const QString& titel);
// The solutions page: one page with the title, the given forty exercises and their products.
QString ControleerOplossingen(const QString& tekst, const QString& titel,
                              const QList<TGelezenOefening>& oefeningen);
