#pragma once
// Printing the worksheet: the hidden print document filled line by line and printed as one job
// per page kind, and the print continuation that follows the print dialog.

#include "OpgaveBlad.h"
#include "PrintVerzoek.h"

#include <QString>

#include <functional>
#include <string>
#include <vector>

class QPrinter;
class QTextDocument;
class QWidget;

// The printer setup step: lets the user choose on `printer`, says whether the choice was
// confirmed. The program uses SysteemPrinterKeuze; tests put in a printer of their own.
using TPrinterKeuze = std::function<bool(QPrinter&)>;

// The system's printer setup dialog over `ouder`, waited for.
bool SysteemPrinterKeuze(QPrinter& printer, QWidget* ouder);

// Clears the document and adds one paragraph a line. A carriage return inside a line is one
// further line break in the same paragraph; tabs stay as they are. Times New Roman, 16 px.
void VulPrintDocument(QTextDocument& doc, const std::vector<std::string>& lijnen);

// Prints the document as one job with an empty job title, laid out as on a 96 dpi screen so
// that 16 px comes out as 12 pt, with page breaks where the text does not fit and no page
// numbers. False when the printer is not valid or the job could not be started.
bool DrukDocument(QTextDocument& doc, QPrinter& printer);

// The file beside `bestand` that takes the solutions page when the printer writes to a file:
// "-oplossingen" before the extension, or at the end when there is none.
QString OplossingenBestand(const QString& bestand);

enum class TDrukUitkomst {
    duNietsGevraagd, // no request pending, or the print dialog was cancelled
    duGeannuleerd,   // the printer setup dialog was cancelled
    duGedrukt,
    duMislukt, // a page could not be printed
};

// The print continuation, run when the main window becomes active: when the print dialog was
// closed with OK, asks for the printer, draws a new sheet and prints the exercise page, then
// the solutions page when asked for. Klaar is cleared on the way, so a request prints once.
TDrukUitkomst DrukVerzoek(TPrintVerzoek& verzoek, const TPrinterKeuze& printerKeuze,
                          QPrinter& printer, TOefenMaker& maker, const TInstellingen& s,
                          TOpgaveBlad& blad, QTextDocument& doc);
