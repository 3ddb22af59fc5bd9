#include "Gebeurtenissen.h"
#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const TTooltipPauze tooltips(5000);
    TForm1 venster;
    venster.show();
    // Without a window manager nobody else would make the window active.
    venster.activateWindow();
    return app.exec();
}
