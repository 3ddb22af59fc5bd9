#pragma once
// The program's help texts and tooltips, one table each, keyed by the control's name.
// A help text's paragraphs are separated by a carriage return; an empty one is an empty line.

#include <QString>

// Empty when the control has no help text.
QString HelpTekst(const QString& besturing);
// Empty when the control has no tooltip. Rows share one tip: "Oef4Term1" finds "Oef*Term1".
QString Tooltip(const QString& besturing);
// The paragraphs of a help text, one per line, for the help box.
QString HelpRegels(const QString& helpTekst);
