#pragma once
// The countdown clock's text: the time left in the layout of the locale's long time format,
// hours, minutes and seconds with its separators, without date, time zone or AM/PM.

#include <QLocale>
#include <QString>

#include <chrono>

// Hours run past 23 for long competitions; parts of a second are cut off.
QString KlokTekst(std::chrono::milliseconds resterend, const QLocale& locale);

// The same after a time format of Qt's kind ("HH:mm:ss t"), written in the locale's digits.
QString KlokTekst(std::chrono::milliseconds resterend, const QString& opmaak,
                  const QLocale& locale);
