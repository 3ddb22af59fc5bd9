#include "Antwoord.h"

#include <charconv>
#include <cstdlib>
#include <limits>

namespace {

bool IsCijfer(char c) { return c >= '0' && c <= '9'; }
bool IsBlanco(char c) { return static_cast<unsigned char>(c) <= 32; }

std::string EerstePuntWordtKomma(std::string_view tekst) {
    std::string uit(tekst);
    const auto punt = uit.find('.');
    if (punt != std::string::npos) uit[punt] = ',';
    return uit;
}

} // namespace

std::string Trim(std::string_view tekst) {
    while (!tekst.empty() && IsBlanco(tekst.front()))
        tekst.remove_prefix(1);
    while (!tekst.empty() && IsBlanco(tekst.back()))
        tekst.remove_suffix(1);
    return std::string(tekst);
}

std::string Schoon(std::string_view tekst) { return Trim(EerstePuntWordtKomma(tekst)); }

std::optional<long double> LeesGetal(std::string_view tekst) {
    std::size_t i = 0;
    const auto n = tekst.size();
    while (i < n && tekst[i] == ' ')
        ++i;

    bool negatief = false;
    if (i < n && (tekst[i] == '+' || tekst[i] == '-')) negatief = tekst[i++] == '-';

    // Mantissa: digits, optionally "," and more digits; a lone comma reads as 0.
    const auto geheelBegin = i;
    while (i < n && IsCijfer(tekst[i]))
        ++i;
    const auto geheel = tekst.substr(geheelBegin, i - geheelBegin);
    std::string_view fractie;
    bool komma = false;
    if (i < n && tekst[i] == ',') {
        komma = true;
        const auto fractieBegin = ++i;
        while (i < n && IsCijfer(tekst[i]))
            ++i;
        fractie = tekst.substr(fractieBegin, i - fractieBegin);
    }
    if (geheel.empty() && !komma) return std::nullopt;

    // Exponent: its digits are read only while it stays below 500.
    int exponent = 0;
    if (i < n && (tekst[i] == 'E' || tekst[i] == 'e')) {
        ++i;
        bool expNegatief = false;
        if (i < n && (tekst[i] == '+' || tekst[i] == '-')) expNegatief = tekst[i++] == '-';
        while (i < n && IsCijfer(tekst[i])) {
            if (exponent >= 500) return std::nullopt;
            exponent = exponent * 10 + (tekst[i++] - '0');
        }
        if (expNegatief) exponent = -exponent;
    }
    while (i < n && tekst[i] == ' ')
        ++i;
    if (i != n) return std::nullopt;

    // Significant digits and the decimal exponent of the leading one, to tell an overflow from
    // an underflow when the conversion reports the range exceeded.
    std::string cijfers;
    cijfers.reserve(geheel.size() + fractie.size());
    cijfers.append(geheel).append(fractie);
    const auto eersteNietNul = cijfers.find_first_not_of('0');
    if (eersteNietNul == std::string::npos) return negatief ? -0.0L : 0.0L;

    // Build "0.<digits>e<exp>" so from_chars sees a plain, locale-free form.
    const long long schaal =
        static_cast<long long>(geheel.size()) + static_cast<long long>(exponent);
    std::string vorm = "0.";
    vorm.append(cijfers, eersteNietNul, std::string::npos);
    const long long voorloop = static_cast<long long>(eersteNietNul);
    vorm += 'e';
    vorm += std::to_string(schaal - voorloop);

    long double waarde = 0;
    const auto [eind, fout] = std::from_chars(vorm.data(), vorm.data() + vorm.size(), waarde);
    if (fout == std::errc::result_out_of_range) {
        if (schaal - voorloop > 0) return std::nullopt; // too large for extended precision
        // Too small for a normal value: from_chars gives up, but the extended format still holds
        // it as a denormal, or as 0 below that. strtold rounds it so; the form has no radix
        // character, so no locale changes how it is read.
        const auto significant = cijfers.size() - eersteNietNul;
        const std::string heel =
            cijfers.substr(eersteNietNul) + 'e' +
            std::to_string(schaal - voorloop - static_cast<long long>(significant));
        waarde = std::strtold(heel.c_str(), nullptr);
    } else if (fout != std::errc{} || eind != vorm.data() + vorm.size()) {
        return std::nullopt;
    }
    return negatief ? -waarde : waarde;
}

std::optional<long double> LeesAntwoord(std::string_view tekst) {
    return LeesGetal(EerstePuntWordtKomma(tekst));
}

bool IsGetal(std::string_view tekst) { return LeesGetal(tekst).has_value(); }

TOordeel ControleerRij(std::string_view antwoord, std::string_view vermenigvuldiger,
                       std::string_view tafel) {
    const auto gegeven = LeesAntwoord(Trim(antwoord));
    if (!gegeven) return TOordeel::Fout;
    const auto v = LeesGetal(vermenigvuldiger);
    const auto t = LeesGetal(tafel);
    if (!v || !t) return TOordeel::Fout;
    return *gegeven == *v * *t ? TOordeel::Goed : TOordeel::Fout;
}

std::optional<std::int32_t> LeesGeheelGetal(std::string_view tekst) {
    const std::string s = Trim(tekst);
    std::size_t i = 0;
    bool negatief = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negatief = s[i++] == '-';
    if (i == s.size()) return std::nullopt;
    // Accumulate as a negative number so that -2147483648 fits.
    constexpr long long ondergrens = std::numeric_limits<std::int32_t>::min();
    long long waarde = 0;
    for (; i < s.size(); ++i) {
        if (!IsCijfer(s[i])) return std::nullopt;
        waarde = waarde * 10 - (s[i] - '0');
        if (waarde < ondergrens) return std::nullopt;
    }
    if (!negatief) {
        if (-waarde > std::numeric_limits<std::int32_t>::max()) return std::nullopt;
        waarde = -waarde;
    }
    return static_cast<std::int32_t>(waarde);
}
