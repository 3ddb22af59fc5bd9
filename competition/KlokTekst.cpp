#include "KlokTekst.h"

#include "Wedstrijd.h"

namespace {
// A number in the locale's digits, without grouping, padded to `breedte` digits.
QString Cijfers(std::int64_t getal, qsizetype breedte, const QLocale& locale) {
    QLocale zonderGroepen = locale;
    zonderGroepen.setNumberOptions(QLocale::OmitGroupSeparator);
    QString tekst = zonderGroepen.toString(static_cast<qlonglong>(getal));
    const QString nul = locale.zeroDigit(); // every digit of a locale has the length of its zero
    for (qsizetype n = tekst.size() / qMax<qsizetype>(nul.size(), 1); n < breedte; ++n)
        tekst.prepend(nul);
    return tekst;
}

// How many times `letter` repeats from `i`, at most `hoogstens`.
qsizetype Herhaling(const QString& opmaak, qsizetype i, QChar letter, qsizetype hoogstens) {
    qsizetype n = 0;
    while (i + n < opmaak.size() && opmaak[i + n] == letter && n < hoogstens)
        ++n;
    return n;
}
} // namespace

QString KlokTekst(std::chrono::milliseconds resterend, const QLocale& locale) {
    return KlokTekst(resterend, locale.timeFormat(QLocale::LongFormat), locale);
}

QString KlokTekst(std::chrono::milliseconds resterend, const QString& opmaak,
                  const QLocale& locale) {
    const TUurMinSec tijd = SplitsTijd(resterend);
    const auto msec = resterend > std::chrono::milliseconds::zero() ? resterend.count() % 1000 : 0;

    // The field letters of Qt's time formats; text in single quotes is literal, '' is a quote.
    QString uit;
    bool letterlijk = false;
    qsizetype i = 0;
    while (i < opmaak.size()) {
        const QChar c = opmaak[i];
        if (c == u'\'') {
            if (i + 1 < opmaak.size() && opmaak[i + 1] == u'\'') {
                uit += u'\'';
                i += 2;
            } else {
                letterlijk = !letterlijk;
                ++i;
            }
            continue;
        }
        if (letterlijk) {
            uit += c;
            ++i;
            continue;
        }
        qsizetype n = 0;
        switch (c.unicode()) {
        case u'h':
        case u'H':
            n = Herhaling(opmaak, i, c, 2);
            uit += Cijfers(tijd.Uren, n, locale);
            break;
        case u'm':
            n = Herhaling(opmaak, i, c, 2);
            uit += Cijfers(tijd.Minuten, n, locale);
            break;
        case u's':
            n = Herhaling(opmaak, i, c, 2);
            uit += Cijfers(tijd.Seconden, n, locale);
            break;
        case u'z':
            n = Herhaling(opmaak, i, c, 3); // fractions of a second: always three digits
            uit += Cijfers(msec, 3, locale);
            break;
        case u'a':
        case u'A': // AM/PM means nothing for a time left
            n = 1;
            if (i + 1 < opmaak.size() && (opmaak[i + 1] == u'p' || opmaak[i + 1] == u'P')) n = 2;
            break;
        case u't': // no time zone
            n = Herhaling(opmaak, i, c, 4);
            break;
        default:
            n = 1;
            uit += c;
        }
        i += n;
    }
    // A dropped time zone may leave its brackets and spaces behind.
    uit.remove(QStringLiteral("()"));
    return uit.trimmed();
}
