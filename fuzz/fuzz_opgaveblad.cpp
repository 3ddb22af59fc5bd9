// Composing a worksheet from any settings a user can enter and any title: both pages keep their
// fixed shape line for line, every exercise line follows the padding rule, and the forty records
// hold the right terms and their exact products.
//
// Input: a byte of flags (classic, underlying tables, variable multiplier, the sign mode in bits
// 3-4, bit 5 for maxima anywhere in 32 bits rather than as a six-character field holds them), a
// 64-bit seed, the classic counter of the maker, the two maxima, then the title (the rest).
#include "Antwoord.h"
#include "Fuzzhulp.h"
#include "Getaltekst.h"
#include "OpgaveBlad.h"

#include <charconv>
#include <vector>

namespace {

constexpr std::string_view Punten = ".  .  .  .  .  .  .  .  .  .";
const std::string Streep = "    " + std::string(91, '_');

// A text the settings field accepts: at most six characters, an optional sign and digits.
std::string VeldTekst(TFuzzInvoer& invoer) {
    std::size_t lengte = 1 + invoer.Neem<std::uint8_t>() % 6;
    const auto eerste = invoer.Neem<std::uint8_t>() % 12;
    std::string tekst(1, eerste < 10 ? char('0' + eerste) : eerste == 10 ? '+' : '-');
    if (eerste >= 10 && lengte == 1) lengte = 2;
    while (tekst.size() < lengte)
        tekst += char('0' + invoer.Neem<std::uint8_t>() % 10);
    return tekst;
}

// Any 32-bit integer in a form the integer rule reads: plain, with a plus sign, or led by zeros.
std::string WijdeTekst(TFuzzInvoer& invoer) {
    const auto vorm = invoer.Neem<std::uint8_t>();
    const auto waarde = invoer.Neem<std::int32_t>();
    const auto tekst = SchrijfGeheel(waarde);
    switch (vorm % 3) {
    case 1:
        return waarde >= 0 ? "+" + tekst : tekst;
    case 2:
        return waarde >= 0 ? "0" + tekst : "-0" + tekst.substr(1);
    default:
        return tekst;
    }
}

// The value of a drawn number, which must be plain decimal.
// The product text from the exact integer product: the written real, cut after three decimals
// only when it has a comma and no exponent. A product below 10^15 is the plain integer.
std::string VerwachtProduct(std::int64_t product) {
    const auto grens = std::int64_t{1'000'000'000'000'000};
    if (product > -grens && product < grens) return SchrijfGeheel(product);
    std::string tekst = SchrijfReeel(static_cast<long double>(product));
    const auto komma = tekst.find(',');
    if (komma != std::string::npos && tekst.find('E') == std::string::npos)
        tekst = (tekst + "00000").substr(0, komma + 4);
    return tekst;
}

// pad(t, w): two spaces for every character by which t falls short of w. The terms and products
// are ASCII, so their bytes are their characters.
std::string Pad(const std::string& tekst, std::size_t breedte) {
    return std::string(tekst.size() < breedte ? 2 * (breedte - tekst.size()) : 0, ' ');
}

std::string Oefening(const TOpgaveRegel& r) {
    return Pad(r.Vermenigvuldiger, 12) + r.Vermenigvuldiger + "  " + r.Teken + "  " + r.Tafel +
           Pad(r.Tafel, 12) + "=  ";
}

// One exercise line: layout checks with readable messages first, then the whole line against
// the rule written out.
void ControleerLijn(const std::string& lijn, const TOpgaveRegel& links, const TOpgaveRegel& rechts,
                    bool oplossingen, const std::string& context) {
    Eis(lijn.compare(0, 4, "    ") == 0, "an exercise line starts with four spaces", context, lijn);
    const auto tab = lijn.find('\t');
    Eis(tab != std::string::npos && lijn.find('\t', tab + 1) == std::string::npos,
        "an exercise line has exactly one tab", context, lijn);
    Eis(lijn.compare(tab, 2, "\t|") == 0, "the tab is followed by |", context, lijn);
    const auto linkerDeel = std::string_view(lijn).substr(0, tab);
    const auto rechterDeel = std::string_view(lijn).substr(tab + 2);

    // A space is half as wide as a digit or sign on the printed page; counted so, the pads even
    // out the terms, and with terms of at most twelve characters the "=" stands at the same
    // place on every line: four spaces, 24 for each term with its pad, 6 for "  x  ".
    const auto kort = [](const TOpgaveRegel& r) {
        return r.Vermenigvuldiger.size() <= 12 && r.Tafel.size() <= 12;
    };
    const auto breedteTotIs = [](std::string_view deel) {
        std::size_t breedte = 0;
        for (const char c : deel.substr(0, deel.find('=')))
            breedte += c == ' ' ? 1 : 2;
        return breedte;
    };
    if (kort(links)) {
        Eis(breedteTotIs(linkerDeel) == 58, "the left = stands 58 half-widths in", context, lijn);
        const auto is = linkerDeel.find('=');
        Eis(linkerDeel.substr(is, 3) == "=  ", "the = is followed by two spaces", context, lijn);
        const auto staart = linkerDeel.substr(is + 3);
        if (oplossingen) {
            Eis(staart == links.Product + Pad(links.Product, 14),
                "the left product is padded to 14", context, lijn);
        } else {
            Eis(staart == Punten, "the left answer space is the run of ten points", context, lijn);
        }
    }
    if (kort(rechts)) {
        Eis(breedteTotIs(rechterDeel) == 54, "the right = stands 54 half-widths after the |",
            context, lijn);
        const auto is = rechterDeel.find('=');
        Eis(rechterDeel.substr(is) == "=  " + (oplossingen ? rechts.Product : std::string(Punten)),
            "the right answer space is the product or the points, unpadded", context, lijn);
    }

    const auto verwacht =
        "    " + Oefening(links) +
        (oplossingen ? links.Product + Pad(links.Product, 14) : std::string(Punten)) + "\t|" +
        Oefening(rechts) + (oplossingen ? rechts.Product : std::string(Punten));
    Eis(lijn == verwacht, "the exercise line follows the layout rule", context, lijn);
}

void ControleerPagina(const TOpgaveBlad& blad, TBladSoort soort, const std::string& titel,
                      const std::string& context) {
    const bool oplossingen = soort == TBladSoort::bsOplossingen;
    const auto pagina = blad.Pagina(soort, titel);
    // Head of six lines, twenty exercise lines each followed by a spacer or a rule, and the
    // points line on the exercise page only.
    const std::size_t aantal = 6 + 20 * 2 + (oplossingen ? 0 : 1);
    Eis(pagina.size() == aantal,
        oplossingen ? "the solutions page has 46 lines" : "the exercise page has 47 lines", context,
        SchrijfGeheel(static_cast<std::int64_t>(pagina.size())));

    Eis(pagina[0] == "\r", "line 1 is one carriage return", context, pagina[0]);
    Eis(pagina[1] == "    " + titel + "\r\r",
        "line 2 is four spaces, the title and two carriage returns", titel, pagina[1]);
    if (oplossingen) {
        Eis(pagina[2] == "    Oplossingen. ", "the solutions page has no name line", context,
            pagina[2]);
    } else {
        std::string naam = "    Naam : ";
        for (int i = 0; i < 84; ++i)
            naam += ". ";
        naam += '.';
        Eis(naam.size() == 180 && pagina[2] == naam, "the name line has 180 characters", context,
            pagina[2]);
    }
    Eis(pagina[3] == "\r" && pagina[5] == "\r", "lines 4 and 6 are one carriage return", context,
        pagina[3] + pagina[5]);
    Eis(pagina[4].size() == 95 && pagina[4] == Streep, "the head rule has 95 characters", context,
        pagina[4]);

    for (int i = 0; i < 20; ++i) {
        const auto nr = static_cast<std::size_t>(6 + 2 * i);
        ControleerLijn(pagina[nr], blad.Regel(i + 1), blad.Regel(i + 21), oplossingen,
                       context + ", line " + SchrijfGeheel(i + 1));
        const auto& na = pagina[nr + 1];
        if (i == 9 || i == 19) {
            Eis(na.size() == 97 && na == Streep + "\r\r", "a block of ten closes with a rule",
                context, na);
        } else {
            Eis(na == RegelVulling, "the other exercise lines are followed by the spacer", context,
                na);
        }
    }
    if (!oplossingen)
        Eis(pagina.back() == "  Punten :", "the exercise page ends with the points line", context,
            pagina.back());
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    Eis(RegelVulling == std::string(87, ' ') + "\t|", "the spacer is 87 spaces, a tab and |", {},
        RegelVulling);

    TFuzzInvoer invoer(data, grootte);
    const auto vlaggen = invoer.Neem<std::uint8_t>();
    const auto zaad = invoer.Neem<std::uint64_t>();
    const auto teller = invoer.Neem<std::int32_t>();
    const bool wijd = vlaggen & 32;

    TInstellingen s;
    s.Klassiek = vlaggen & 1;
    s.Onderliggend = vlaggen & 2;
    s.Variabel = vlaggen & 4;
    s.TekenModus = static_cast<TTekenModus>(((vlaggen >> 3) & 3) % 3);
    s.MaxTafel = wijd ? WijdeTekst(invoer) : VeldTekst(invoer);
    s.MaxVermenigvuldiger = wijd ? WijdeTekst(invoer) : VeldTekst(invoer);
    const auto titel = invoer.Tekst(400);
    const auto context = "tafel \"" + s.MaxTafel + "\", vermenigvuldiger \"" +
                         s.MaxVermenigvuldiger + "\", flags " + SchrijfGeheel(vlaggen);
    const auto mt = GeheelRef(s.MaxTafel), mv = GeheelRef(s.MaxVermenigvuldiger);
    Eis(mt && mv, "the maxima pass the integer rule", context);

    TOefenMaker maker, hand; // hand makes the sheet's draws by hand, in record order
    maker.ZetKlassiekTeller(teller);
    TOpgaveBlad blad;
    // A sheet drawn before, from the clock, must leave nothing behind in the next one.
    blad.Vul(maker, s);
    Eis(maker.KlassiekTeller() == teller, "a sheet leaves the maker's classic counter alone",
        context, SchrijfGeheel(maker.KlassiekTeller()));
    blad.Vul(maker, s, zaad);
    Eis(maker.KlassiekTeller() == teller, "a sheet leaves the maker's classic counter alone",
        context, SchrijfGeheel(maker.KlassiekTeller()));
    hand.Zaai(zaad);

    for (int nr = 1; nr <= TOpgaveBlad::AantalRegels; ++nr) {
        const auto& r = blad.Regel(nr);
        const auto regelContext = context + ", record " + SchrijfGeheel(nr);
        Eis(r.Teken == "x", "the sign of every record is x", regelContext, r.Teken);
        const auto v = Waarde(r.Vermenigvuldiger, regelContext);
        std::int64_t t = 0;
        if (s.Klassiek) {
            Eis(v == nr - 1, "classic multipliers run 0 to 39", regelContext, r.Vermenigvuldiger);
            Eis(r.Tafel == s.MaxTafel, "the classic table is the typed text", regelContext,
                r.Tafel);
            t = *mt;
        } else {
            t = Waarde(r.Tafel, regelContext);
            InBereik(v, *mv, s.Variabel, s.TekenModus, regelContext + ", multiplier");
            InBereik(t, *mt, s.Onderliggend, s.TekenModus, regelContext + ", table");
            const auto o = hand.MaakOefening(s);
            Eis(o.Vermenigvuldiger == r.Vermenigvuldiger && o.Tafel == r.Tafel,
                "the records are the maker's draws in record order", regelContext,
                r.Vermenigvuldiger + " x " + r.Tafel);
        }
        // Both terms lie within 2^31, so the product fits in 64 bits exactly.
        Eis(r.Product == VerwachtProduct(v * t), "the product is the exact product, written",
            regelContext + ", " + r.Vermenigvuldiger + " x " + r.Tafel, r.Product);
    }
    Eis(maker.Trek(1 << 30) == hand.Trek(1 << 30), "a sheet makes no draw more or less", context);

    ControleerPagina(blad, TBladSoort::bsOefeningen, titel, context);
    ControleerPagina(blad, TBladSoort::bsOplossingen, titel, context);
    return 0;
}
