// Answers: any bytes are cleaned, read and judged without harm, and the results agree with the
// reference reader and with each other.
//
// Input: one byte of form flags, the multiplier and the table as 32-bit integers, then the
// answer text. Flag 1 puts the exact product's text in place of every "#" of the answer, so
// right answers are as easy to reach as wrong ones; flags 2 and 4 spell the multiplier and the
// table with a plus sign or a leading zero, as a settings field may hold them.
#include "Antwoord.h"
#include "Fuzzhulp.h"
#include "Getaltekst.h"

namespace {

std::string EerstePuntKomma(std::string tekst) {
    if (const auto punt = tekst.find('.'); punt != std::string::npos) tekst[punt] = ',';
    return tekst;
}

// A valid integer text as the settings may spell it: "+7", "07", "-07" as well as "7".
std::string Gespeld(std::int32_t waarde, std::uint8_t vorm) {
    std::string cijfers = SchrijfGeheel(waarde < 0 ? -std::int64_t{waarde} : waarde);
    if (vorm & 4) cijfers = "0" + cijfers;
    if (waarde < 0) return "-" + cijfers;
    return (vorm & 2) ? "+" + cijfers : cijfers;
}

// The exact value of a plain integer text "[+-]digits", or nothing for any other text. Values
// beyond every product of two 32-bit integers come back as a value no product equals.
std::optional<__int128> PlatGeheel(std::string_view s) {
    const bool negatief = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    if (s.empty() || !std::all_of(s.begin(), s.end(), IsCijferRef)) return std::nullopt;
    s.remove_prefix(std::min(s.find_first_not_of('0'), s.size()));
    if (s.size() > 20) s = "99999999999999999999";
    __int128 waarde = 0;
    for (char c : s)
        waarde = waarde * 10 + (c - '0');
    return negatief ? -waarde : waarde;
}

std::size_t Aantal(std::string_view tekst, char c) {
    return static_cast<std::size_t>(std::count(tekst.begin(), tekst.end(), c));
}

void TrimEigenschappen(const std::string& a) {
    const auto t = Trim(a);
    Eis(t == TrimRef(a), "Trim removes exactly the bytes 0..32 at both ends", a, t);
    Eis(t.empty() || (!IsBlancoRef(t.front()) && !IsBlancoRef(t.back())),
        "Trim leaves no blank at either end", a, t);
    Eis(Trim(t) == t, "Trim is idempotent", a, t);
}

void SchoonEigenschappen(const std::string& a) {
    const auto s = Schoon(a);
    const auto punten = Aantal(a, '.');
    Eis(Trim(s) == s, "Schoon leaves a trimmed text", a, s);
    Eis(Aantal(s, '.') == (punten > 0 ? punten - 1 : 0), "Schoon turns one point, the first", a, s);
    Eis(Aantal(s, ',') == Aantal(a, ',') + (punten > 0 ? 1 : 0), "Schoon's point becomes a comma",
        a, s);
    Eis(s == TrimRef(EerstePuntKomma(a)), "Schoon is point-to-comma, then Trim", a, s);

    // Leaving a field that reads as a number keeps the number: the clean-up changes no value.
    if (const auto waarde = LeesAntwoord(a)) {
        const auto na = LeesAntwoord(s);
        Eis(na && Gelijk(*na, *waarde), "Schoon keeps the value of a number", a, s);
        Eis(IsGetal(s), "a cleaned number is not emptied", a, s);
    }
}

void LeesEigenschappen(const std::string& a) {
    const auto getal = LeesGetal(a);
    const auto ref = GetalRef(a);
    Eis(getal.has_value() == ref.has_value(), "LeesGetal accepts what the reference accepts", a,
        getal ? SchrijfReeel(*getal) : "not a number");
    if (getal)
        Eis(Gelijk(*getal, *ref), "LeesGetal reads the reference value", a, SchrijfReeel(*getal));
    Eis(IsGetal(a) == getal.has_value(), "IsGetal is LeesGetal's verdict", a);

    const auto antwoord = LeesAntwoord(a);
    const auto antwoordRef = GetalRef(EerstePuntKomma(a));
    Eis(antwoord.has_value() == antwoordRef.has_value() &&
            (!antwoord || Gelijk(*antwoord, *antwoordRef)),
        "LeesAntwoord reads the text with its first point as a comma", a);
}

void OordeelEigenschappen(const std::string& a, std::int32_t v, std::int32_t t, std::uint8_t vorm) {
    const auto vTekst = Gespeld(v, vorm), tTekst = Gespeld(t, vorm);
    const auto product = std::int64_t{v} * t;
    const auto oordeel = ControleerRij(a, vTekst, tTekst);
    const auto tekst = vTekst + " x " + tTekst + " = " + a;

    const auto gegeven = LeesAntwoord(Trim(a));
    const bool goed = gegeven && *gegeven == static_cast<long double>(product);
    Eis((oordeel == TOordeel::Goed) == goed, "Goed exactly when the answer equals the product",
        tekst, oordeel == TOordeel::Goed ? "GOED" : "FOUT");
    Eis(ControleerRij(Schoon(a), vTekst, tTekst) == oordeel,
        "a cleaned answer is judged like the typed one", tekst);

    // Plain integer answers, judged without any floating point.
    if (const auto geheel = PlatGeheel(TrimRef(a)))
        Eis((oordeel == TOordeel::Goed) == (*geheel == product),
            "an integer answer is Goed exactly when it is the product", tekst,
            oordeel == TOordeel::Goed ? "GOED" : "FOUT");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    TFuzzInvoer invoer(data, grootte);
    const auto vorm = invoer.Neem<std::uint8_t>();
    const auto v = invoer.Neem<std::int32_t>();
    const auto t = invoer.Neem<std::int32_t>();
    std::string a = invoer.Rest();
    if (vorm & 1) {
        const auto product = SchrijfGeheel(std::int64_t{v} * t);
        for (auto p = a.find('#'); p != std::string::npos; p = a.find('#', p + product.size()))
            a.replace(p, 1, product);
    }

    TrimEigenschappen(a);
    SchoonEigenschappen(a);
    LeesEigenschappen(a);
    OordeelEigenschappen(a, v, t, vorm);
    return 0;
}
