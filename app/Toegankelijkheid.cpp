#include "Toegankelijkheid.h"

#include "Teksten.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QWidget>

namespace {

struct TNaam {
    const char* besturing;
    const char* naam;
};

// Controls whose caption does not say what they are.
const TNaam vasteNamen[] = {
    {"Instellingen", "Instellingen"},
    {"MaxTerm1", "Max. tafel"},
    {"MaxTerm2", "Max. vermenigvuldiger"},
    {"TimerMinuten", "Timer in minuten"},
    {"Groep1", "Volgorde"},
    {"Image3", "Schriftelijke opgave printen"},
    {"Image1", "Info over het programma"},
    {"Image4", "Programma stoppen"},
    {"KlokVenster", "Resterende tijd"},
    {"Panel1", "Oefeningen"},
    {"Panel2", "Punten"},
    {"Help", "Help"},
    {"Panel3", "Uitslag"},
    {"Label48", "Puntentotaal"},
    {"Label49", "Aantal gemaakte oefeningen"},
    {"Label51", "Percentage juist"},
    {"Info", "Info"},
    {"Image2", "Programma-icoon"},
    {"OKKnop", "Info sluiten"},
};

void ZetNaam(QWidget& w, const QString& naam) {
    if (w.accessibleName() != naam) w.setAccessibleName(naam);
}

} // namespace

void ZetVasteNamen(QWidget& venster) {
    for (QWidget* w : venster.findChildren<QWidget*>()) {
        const QString naam = w->objectName();
        // A description from the tooltip and the help text, paragraphs joined into one line.
        QStringList beschrijving;
        if (const QString tip = Tooltip(naam); !tip.isEmpty()) beschrijving << tip;
        if (const QString help = HelpTekst(naam); !help.isEmpty())
            beschrijving
                << help.split(QLatin1Char('\r'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (!beschrijving.isEmpty())
            w->setAccessibleDescription(beschrijving.join(QLatin1Char(' ')));
        if (auto* knop = qobject_cast<QAbstractButton*>(w); knop && !knop->text().isEmpty())
            w->setAccessibleName(knop->text());
    }
    for (const auto& n : vasteNamen)
        if (auto* w = venster.findChild<QWidget*>(QString::fromLatin1(n.besturing)))
            ZetNaam(*w, QString::fromUtf8(n.naam));
}

void NoemRij(int k, const QLabel& term1, const QLabel& term2, QLineEdit& antwoord,
             QLabel& oordeel) {
    ZetNaam(antwoord,
            QStringLiteral("Oefening %1: %2 maal %3").arg(k).arg(term1.text(), term2.text()));
    ZetNaam(oordeel, oordeel.text().isEmpty()
                         ? QStringLiteral("Oefening %1: nog niet gecontroleerd").arg(k)
                         : QStringLiteral("Oefening %1: %2").arg(k).arg(oordeel.text().toLower()));
}

void NoemStand(QLabel& punten, QLabel& maximum, QLabel& reeksteller) {
    ZetNaam(punten, QStringLiteral("Behaalde punten %1 op %2").arg(punten.text(), maximum.text()));
    ZetNaam(maximum, QStringLiteral("Maximum punten %1").arg(maximum.text()));
    ZetNaam(reeksteller, QStringLiteral("Oefening nr. %1 van de reeks").arg(reeksteller.text()));
}
