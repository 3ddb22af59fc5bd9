#pragma once
// What a screen reader says of the window: a Dutch name for every control, a description where
// the control has a help text or tooltip, and names that follow the exercises and the score.

#include <QString>

class QLabel;
class QLineEdit;
class QWidget;

// Names and descriptions that never change; called once when the window is built.
void ZetVasteNamen(QWidget& venster);

// Names that follow the window's state: the exercise of answer field k and its verdict ...
void NoemRij(int k, const QLabel& term1, const QLabel& term2, QLineEdit& antwoord, QLabel& oordeel);
// ... and the score and the series number.
void NoemStand(QLabel& punten, QLabel& maximum, QLabel& reeksteller);
