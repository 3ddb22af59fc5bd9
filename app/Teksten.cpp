#include "Teksten.h"

#include <QRegularExpression>

namespace {

struct TTekst {
    const char* besturing;
    const char* tekst;
};

// Paragraphs end with "\r"; a text starting with "\r" opens with an empty line.
const TTekst helpTeksten[] = {
    {"MaxTerm1", "Dit is de voor deze oefening hoogste Tafel.\r(standaard is dit 10)."},
    {"MaxTerm2", "Dit is de hoogste waarde voor de vermenigvuldiger.\r(standaard is dit 10).\r"
                 "Als \"variabele vermenigvuldiger\" is uitgevinkt, zal dit de vaste waarde van de "
                 "vermenigvuldiger zijn, voor àlle oefeningen."},
    {"TimerMinuten",
     "Indien u met de timer wenst te werken, moet hier het aantal minuten ingevuld worden.\r"
     "Als deze waarde groter is dan \"0\", verschijnt boven de oefening een startknop. Een "
     "muisklik op deze startknop zal de timer starten.\r"
     "Als de timer afgelopen is, verschijnt een venster met de uitslag van de oefening (aantal "
     "gemaakte oefeningen, aantal juiste oplossingen, percentage juiste oplossingen).\r"
     "Het programma komt terug in oorspronkelijke staat na het gebruik van de resetknop die "
     "boven dit venster staat."},
    {"Positief", "Enkel positief :\rAls deze optie aktief is, dan bestaat de oefening enkel uit "
                 "positieve getallen.\r(\"positief\" is de standaard-instelling.)"},
    {"Negatief", "Enkel negatief :\rAls deze optie aktief is, dan bestaat de oefening enkel uit "
                 "negatieve getallen.\r(\"positief\" is de standaard-instelling.)"},
    {"PositiefNegatief",
     "Positief én negatief :\rAls deze optie aktief is, dan bestaat de oefening uit negatieve "
     "én positieve getallen.\r(\"positief\" is de standaard-instelling.)"},
    {"KlassiekTafelen",
     "Indien aangevinkt, zullen de vermenigvuldigers op de klassieke wijze worden getoond, "
     "t.t.z. beginnend met \"0\" en oplopend tot het einde van de oefening."},
    {"VariabeleVermenigvuldiger",
     "\rAangevinkt zal de vermenigvuldiger variabele waarden krijgen.\r"
     "Uitgevinkt zal de vermenigvuldiger in elke oefening de zelfde waarde hebben (ingesteld in "
     "\"Max. vermenigvuldiger\")"},
    {"OnderliggendeTafels",
     "\rAangevinkt, zullen alle tafels tussen 1 en \"Max. tafel\" in de oefening verwerkt "
     "worden."},
    {"Image3", "\rEen muisklik op deze printer geeft u de kans om en schriftelijke opgave aan te "
               "maken en te printen.\r\rEerst zal een dialogvenster verschijnen waarin u de titel "
               "van de oefening kan invullen en waarin u, indien gewenst, kan aanvinken dat u ook "
               "een extra blad wil printen mét de oplossing inbegrepen."},
    {"Image4", "\rHet programma beëindigen."},
    {"Reeksteller", "Dit is het nummer van de oefening in een \"REEKS\" oefeningen.\r"
                    "Een \"REEKS\" oefeningen bestaat uit een serie \"GELIJKE\" oefeningen.\r"
                    "Er wordt steeds een nieuwe \"REEKS\" opgestart na een wijziging in de "
                    "\"instellingen.\""},
    {"Oef*Result", "Hier moet u de oplossing invullen.\r"
                   "Niet Numerieke invoer zal als \"FOUT\" worden aanzien."},
    {"Kontroleer",
     "\rEen muisklik op deze knop zal de ingevoerde oplossingen controleren op juistheid.\r"
     "Dit zal resulteren in een \"GOED\" of \"FOUT\" naast de ingevoerde oplossing, én in een "
     "aanpassing van de behaalde punten voor de huidige \"REEKS\"."},
    {"VolgendeOefening",
     "\rEen muisklik op deze knop zal de behaalde punten vastleggen en een volgende oefening "
     "creëren voor de huidige \"REEKS\"."},
    {"Label6", "Dit is het totaal van de behaalde punten over de volledige huidige \"REEKS\"."},
    {"Label8", "Dit is het Maximum te behalen punten over de volledige huidige \"REEKS\"."},
};

const TTekst tooltips[] = {
    {"Reeksteller", "Dit is het nummer van de oefening in een reeks oefeningen."},
    {"Image4", "Stop het programma."},
    {"Image3", "Aanmaken en printen van een schriftelijke opgave."},
    {"Image1", "Info over het Programma."},
    {"MaxTerm1", "Hier word de hoogste tafel voor deze oefening ingevoerd."},
    {"MaxTerm2", "Enter hier de grootste waarde voor de vermenigvuldiger."},
    {"TimerMinuten", "Indien de timer moet gebruikt worden, hier het aantal minuten invullen."},
    {"KlassiekTafelen",
     "Indien aangevinkt zal de tafeloefening een klassieke (oplopende) structuur krijgen."},
    {"VariabeleVermenigvuldiger",
     "Uitgevinkt, zal de vermenigvuldiger in alle oefeningen dezelfde waarde blijven behouden."},
    {"OnderliggendeTafels",
     "Aangevinkt worden alle tafels tussen 1 en \"Max. tafel\", in de oefening gebruikt."},
    {"Oef*Term1", "Vermenigvuldiger"},
    {"Oef*Term2", "Tafel"},
    {"Oef*Result", "Uw oplossing (indien nodig, tot 3 cijfers na de komma)"},
    {"Kontroleer", "Controleer uw oefening op fouten."},
    {"VolgendeOefening", "Klik hier voor de volgende oefening in de reeks."},
    {"Label6", "Aantal behaalde punten in huidige reeks."},
    {"Label8", "Maximum aantal punten in huidige reeks."},
    {"Help", "Context-gevoelig help-menu."},
};

template <std::size_t N> QString Zoek(const TTekst (&tabel)[N], const QString& besturing) {
    // Row controls ("Oef7Result") share the text of their column ("Oef*Result").
    static const QRegularExpression rij(QStringLiteral("^Oef([1-9]|10)(Term1|Term2|Result)$"));
    const auto m = rij.match(besturing);
    const QString sleutel = m.hasMatch() ? QStringLiteral("Oef*") + m.captured(2) : besturing;
    for (const auto& t : tabel)
        if (sleutel == QLatin1String(t.besturing)) return QString::fromUtf8(t.tekst);
    return {};
}

} // namespace

QString HelpTekst(const QString& besturing) { return Zoek(helpTeksten, besturing); }

QString Tooltip(const QString& besturing) { return Zoek(tooltips, besturing); }

QString HelpRegels(const QString& helpTekst) {
    QString regels = helpTekst;
    regels.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return regels;
}
