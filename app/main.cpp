#include "Programma.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const TProgramma programma;
    TForm1 venster;
    venster.show();
    // Without a window manager nobody else would make the window active.
    venster.activateWindow();
    return app.exec();
}
