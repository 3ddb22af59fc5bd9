#include "Gebeurtenissen.h"
#include "Unit1.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    // Qt's own texts (the system's print dialog, an edit field's menu) in Dutch, like ours.
    QTranslator qtTeksten;
    if (qtTeksten.load(QStringLiteral("qtbase_nl"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTeksten);
    const TTooltipPauze tooltips(5000);
    TForm1 venster;
    venster.show();
    // Without a window manager nobody else would make the window active.
    venster.activateWindow();
    return app.exec();
}
