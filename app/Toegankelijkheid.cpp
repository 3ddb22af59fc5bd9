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

QString TekstVan(const QWidget& venster, const QString& naam) {
    if (auto* l = venster.findChild<QLabel*>(naam)) return l->text();
    if (auto* e = venster.findChild<QLineEdit*>(naam)) return e->text();
    return {};
}

void ZetNaam(QWidget& venster, const QString& besturing, const QString& naam) {
    if (auto* w = venster.findChild<QWidget*>(besturing); w && w->accessibleName() != naam)
        w->setAccessibleName(naam);
}

} // namespace

void ZetVasteNamen(QWidget& venster) {
    for (QWidget* w : venster.findChildren<QWidget*>()) {
        const QString naam = w->objectName();
        // A description from the tooltip and the help text, paragraphs joined into one line.
        QStringList beschrijving;
        if (const QString tip = Tooltip(naam); !tip.isEmpty()) beschrijving << tip;
        if (const QString help = HelpTekst(naam); !help.isEmpty())
            beschrijving << help.split(QLatin1Char('\r'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        if (!beschrijving.isEmpty()) w->setAccessibleDescription(beschrijving.join(QLatin1Char(' ')));
        if (auto* knop = qobject_cast<QAbstractButton*>(w); knop && !knop->text().isEmpty())
            w->setAccessibleName(knop->text());
    }
    for (const auto& n : vasteNamen)
        ZetNaam(venster, QString::fromLatin1(n.besturing), QString::fromUtf8(n.naam));
}

void WerkNamenBij(QWidget& venster) {
    for (int k = 1; k <= 10; ++k) {
        const QString rij = QStringLiteral("Oef%1").arg(k);
        const QString v = TekstVan(venster, rij + QLatin1String("Term1"));
        const QString t = TekstVan(venster, rij + QLatin1String("Term2"));
        ZetNaam(venster, rij + QLatin1String("Result"),
                QStringLiteral("Oefening %1: %2 maal %3").arg(k).arg(v, t));
        const QString oordeel = TekstVan(venster, rij + QLatin1String("Kontrol"));
        ZetNaam(venster, rij + QLatin1String("Kontrol"),
                oordeel.isEmpty() ? QStringLiteral("Oefening %1: nog niet gecontroleerd").arg(k)
                                  : QStringLiteral("Oefening %1: %2").arg(k).arg(oordeel.toLower()));
    }
    const QString punten = QStringLiteral("Behaalde punten %1 op %2")
                               .arg(TekstVan(venster, QStringLiteral("Label6")),
                                    TekstVan(venster, QStringLiteral("Label8")));
    ZetNaam(venster, QStringLiteral("Label6"), punten);
    ZetNaam(venster, QStringLiteral("Label8"),
            QStringLiteral("Maximum punten %1").arg(TekstVan(venster, QStringLiteral("Label8"))));
    ZetNaam(venster, QStringLiteral("Reeksteller"),
            QStringLiteral("Oefening nr. %1 van de reeks")
                .arg(TekstVan(venster, QStringLiteral("Reeksteller"))));
}
