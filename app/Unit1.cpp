#include "Unit1.h"

TForm1::TForm1(QWidget* ouder) : QWidget(ouder) {
    setWindowTitle(QStringLiteral("Quorbel v.6.1 (DRK)"));
    setFixedSize(888, 647);
}
