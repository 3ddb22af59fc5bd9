#include "Programma.h"

#include <QApplication>
#include <QLibraryInfo>

TProgramma::TProgramma() {
    // Qt's own texts (the system's print dialog, an edit field's menu) in Dutch, like ours.
    if (qtTeksten.load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTeksten);
}
