// Starts the main window exactly as the program does, and reports when its first activation has
// drawn the ten exercises and painted them ("start"), or then stays idle until stdin closes
// ("rust").

#include "Meting.h"
#include "Programma.h"
#include "Unit1.h"

#include <QApplication>
#include <QLabel>

#include <cstring>

int main(int argc, char* argv[]) {
    const bool rust = argc > 1 && std::strcmp(argv[1], "rust") == 0;
    QApplication app(argc, argv);
    const TProgramma programma;
    TForm1 venster;
    const auto* term = venster.findChild<QLabel*>(QStringLiteral("Oef1Term1"));
    Meting::TMeter meter(
        venster, [term] { return term->text() != QStringLiteral("00000000000"); }, rust);
    venster.show();
    venster.activateWindow();
    return app.exec();
}
