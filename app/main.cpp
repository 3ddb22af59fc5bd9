#include "Unit1.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    TForm1 venster;
    venster.show();
    return app.exec();
}
