#pragma once
// What the program sets up once at start-up, around its main window: Qt's own texts in Dutch,
// and the pause after which every tooltip hides. The program entry and the benchmark share it.

#include "Gebeurtenissen.h"

#include <QTranslator>

class TProgramma {
public:
    TProgramma(); // after the QApplication

private:
    QTranslator qtTeksten;
    TTooltipPauze tooltips{5000};
};
