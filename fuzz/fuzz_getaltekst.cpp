// Writing reals: any finite extended value is written in the program's general format, with the
// digits and exponent of the C library's correctly rounded 15-digit form, and reads back as that
// rounded value; cutting decimals keeps the shape of the text.
//
// Input: a byte choosing where the value comes from, a signed byte of decimals to cut to, then
// the value: a 64-bit mantissa and a 16-bit binary exponent (first byte mod 3 = 0, sign in bit 3),
// a text read by the number rule (1), or the bits of a double (2).
#include "Antwoord.h"
#include "Fuzzhulp.h"
#include "Getaltekst.h"

#include <bit>

namespace {

// Splits a written real into its parts and checks the format on the way.
struct TGeschreven {
    bool negatief = false;
    std::string significant; // digits from the first non-zero one, trailing zeros dropped
    long exponent = 0;       // decimal exponent of the first significant digit
};

TGeschreven Ontleed(const std::string& s, const std::string& invoer) {
    TGeschreven uit;
    std::string_view r = s;
    uit.negatief = !r.empty() && r.front() == '-';
    if (uit.negatief) r.remove_prefix(1);
    const auto cijfers = [&r] {
        const auto n = std::min(r.find_first_not_of("0123456789"), r.size());
        const auto deel = r.substr(0, n);
        r.remove_prefix(n);
        return deel;
    };
    const auto geheel = cijfers();
    std::string_view fractie;
    const bool komma = !r.empty() && r.front() == ',';
    if (komma) {
        r.remove_prefix(1);
        fractie = cijfers();
    }
    const bool wetenschappelijk = !r.empty() && r.front() == 'E';
    if (wetenschappelijk) {
        r.remove_prefix(1);
        const bool expNegatief = !r.empty() && r.front() == '-';
        if (expNegatief) r.remove_prefix(1);
        const auto exp = cijfers();
        Eis(!exp.empty() && exp.size() <= 4 && (exp == "0" || exp[0] != '0'),
            "the exponent is plain decimal", invoer, s);
        uit.exponent = std::atol(std::string(exp).c_str()) * (expNegatief ? -1 : 1);
        Eis(uit.exponent >= 15 || uit.exponent < -5, "scientific only from 10^15 and below 0,00001",
            invoer, s);
        Eis(geheel.size() == 1 && geheel != "0", "scientific has one leading digit", invoer, s);
    }
    Eis(r.empty(), "only digits, one comma and an exponent: never a point", invoer, s);
    Eis(!geheel.empty(), "an integer part before the comma", invoer, s);
    Eis(!komma || (!fractie.empty() && fractie.back() != '0'), "no trailing zeros after the comma",
        invoer, s);
    Eis(geheel == "0" || geheel[0] != '0', "no leading zeros", invoer, s);

    std::string alle = std::string(geheel) + std::string(fractie);
    const auto eerste = alle.find_first_not_of('0');
    if (eerste == std::string::npos) {
        Eis(s == "0", "zero is written as 0", invoer, s);
        return uit;
    }
    if (!wetenschappelijk) {
        uit.exponent = geheel != "0" ? static_cast<long>(geheel.size()) - 1
                                     : -static_cast<long>(eerste - geheel.size()) - 1;
        Eis(uit.exponent < 15 && uit.exponent >= -5, "fixed notation only from 0,00001 to 10^15",
            invoer, s);
    }
    alle.erase(0, eerste);
    while (alle.back() == '0')
        alle.pop_back();
    Eis(alle.size() <= 15, "at most 15 significant digits", invoer, s);
    uit.significant = alle;
    return uit;
}

void SchrijfEigenschappen(long double x, const std::string& invoer) {
    const auto s = SchrijfReeel(x);
    const auto geschreven = Ontleed(s, invoer);
    if (x == 0) return Eis(s == "0", "zero, of either sign, is written as 0", invoer, s);
    Eis(geschreven.negatief == (x < 0), "a minus sign exactly for negative values", invoer, s);

    // The C library's correctly rounded form d.dddddddddddddde±x gives the digits to expect.
    char ref[80];
    std::snprintf(ref, sizeof ref, "%.14Le", x);
    const std::string_view r(ref + (x < 0 ? 1 : 0));
    std::string digits = std::string(1, r[0]) + std::string(r.substr(2, 14));
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const long exponent = std::strtol(ref + r.find('e') + (x < 0 ? 2 : 1), nullptr, 10);
    Eis(geschreven.significant == digits && geschreven.exponent == exponent,
        "the digits and exponent of the value rounded to 15 significant digits", invoer,
        s + " vs " + ref);

    // And it reads back as that rounded value, denormal or not.
    const auto terug = LeesGetal(s);
    const long double afgerond = std::strtold(ref, nullptr);
    Eis(terug && Gelijk(*terug, afgerond), "reads back as the value rounded to 15 digits", invoer,
        s + " vs " + ref);
}

void AfkapEigenschappen(const std::string& s, int decimalen, bool geschreven) {
    const auto uit = AfgekaptReeel(s, decimalen);
    const auto komma = s.find(',');
    if (komma == std::string::npos || s.find_first_of("Ee") != std::string::npos)
        return Eis(uit == s, "a text without comma, or with an exponent, stays whole", s, uit);

    const auto fractie = s.size() - komma - 1;
    const auto gewenst = std::min(static_cast<std::size_t>(std::max(decimalen, 0)), fractie + 5);
    Eis(uit.size() == komma + 1 + gewenst, "cut to the asked decimals, padded with up to 5 zeros",
        s, uit);
    Eis((s + "00000").compare(0, uit.size(), uit) == 0, "cutting never changes a digit", s, uit);
    if (!geschreven) return;
    // Cutting a written real's decimals never increases its magnitude.
    const auto voor = LeesGetal(s), na = LeesGetal(uit);
    Eis(voor && na && std::fabs(*na) <= std::fabs(*voor), "a cut value is not larger", s, uit);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    TFuzzInvoer invoer(data, grootte);
    const auto bron = invoer.Neem<std::uint8_t>();
    const int decimalen = invoer.Neem<std::int8_t>();

    long double x = 0;
    std::string beschrijving, tekst;
    switch (bron % 3) {
    case 0: {
        const auto mantisse = invoer.Neem<std::uint64_t>();
        const auto exponent = invoer.Neem<std::int16_t>();
        x = std::ldexp(static_cast<long double>(mantisse), exponent);
        if (bron & 8) x = -x;
        beschrijving = std::to_string(mantisse) + " * 2^" + std::to_string(exponent) +
                       (bron & 8 ? ", negated" : "");
        break;
    }
    case 1: {
        beschrijving = tekst = invoer.Rest();
        const auto gelezen = LeesGetal(tekst);
        x = gelezen.value_or(0);
        break;
    }
    default:
        x = std::bit_cast<double>(invoer.Neem<std::uint64_t>());
        beschrijving = "double " + SchrijfReeel(x);
        break;
    }

    if (tekst.empty()) tekst = invoer.Rest();
    AfkapEigenschappen(tekst, decimalen, false);

    if (!std::isfinite(x)) {
        SchrijfReeel(x); // written somehow, never a crash
        return 0;
    }
    SchrijfEigenschappen(x, beschrijving);
    AfkapEigenschappen(SchrijfReeel(x), decimalen, true);
    return 0;
}
