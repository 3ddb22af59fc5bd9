#pragma once
// Shared by the fuzz targets: typed values taken from the fuzzer's bytes, a check that stops with
// a readable message, and reference readers written apart from the core to compare it against.

#include "Getaltekst.h"
#include "OefenMaker.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <type_traits>

// Takes values from the front of the input; once it is used up every value is zero or empty.
class TFuzzInvoer {
public:
    TFuzzInvoer(const std::uint8_t* data, std::size_t grootte)
        : rest(reinterpret_cast<const char*>(data), grootte) {}

    template <class T> T Neem() {
        static_assert(std::is_integral_v<T>);
        T waarde{};
        const auto n = std::min(sizeof(T), rest.size());
        std::memcpy(&waarde, rest.data(), n);
        rest.remove_prefix(n);
        return waarde;
    }

    std::string Tekst(std::size_t lengte) {
        const auto n = std::min(lengte, rest.size());
        std::string uit(rest.substr(0, n));
        rest.remove_prefix(n);
        return uit;
    }

    std::string Rest() { return Tekst(rest.size()); }
    bool Leeg() const { return rest.empty(); }

private:
    std::string_view rest;
};

// The text with every byte outside printable ASCII as \xNN, so a report shows blanks and NULs.
inline std::string Zichtbaar(std::string_view tekst) {
    std::string uit;
    for (unsigned char c : tekst) {
        if (c >= 32 && c < 127 && c != '\\') {
            uit += static_cast<char>(c);
        } else {
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            uit += hex;
        }
    }
    return uit;
}

// A broken property: say which one and for what text, then abort so libFuzzer keeps the input.
inline void Eis(bool geldt, const char* eigenschap, std::string_view tekst = {},
                std::string_view uitkomst = {}) {
    if (geldt) return;
    std::fprintf(stderr, "\nbroken property: %s\n  input:  \"%s\"\n  result: \"%s\"\n", eigenschap,
                 Zichtbaar(tekst).c_str(), Zichtbaar(uitkomst).c_str());
    std::abort();
}

inline bool IsBlancoRef(char c) { return static_cast<unsigned char>(c) <= 32; }
inline bool IsCijferRef(char c) { return c >= '0' && c <= '9'; }

// Blanks are the bytes 0 to 32.
inline std::string_view TrimRef(std::string_view tekst) {
    const auto begin = std::find_if_not(tekst.begin(), tekst.end(), IsBlancoRef);
    const auto eind = std::find_if_not(tekst.rbegin(), tekst.rend(), IsBlancoRef).base();
    return begin < eind ? std::string_view(&*begin, static_cast<std::size_t>(eind - begin))
                        : std::string_view();
}

// The settings' integer rule: after trimming, an optional sign, one or more digits, and a value
// within 32 bits.
inline std::optional<std::int64_t> GeheelRef(std::string_view tekst) {
    auto s = TrimRef(tekst);
    const bool negatief = !s.empty() && s.front() == '-';
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) s.remove_prefix(1);
    if (s.empty() || !std::all_of(s.begin(), s.end(), IsCijferRef)) return std::nullopt;
    s.remove_prefix(std::min(s.find_first_not_of('0'), s.size()));
    if (s.size() > 10) return std::nullopt;
    std::int64_t waarde = 0;
    for (char c : s)
        waarde = waarde * 10 + (c - '0');
    if (negatief) waarde = -waarde;
    if (waarde < INT32_MIN || waarde > INT32_MAX) return std::nullopt;
    return waarde;
}

// The answers' number rule, read by the C library: spaces, sign, digits with an optional comma
// and digits (not both absent), an exponent whose digits before the last stay below 500, spaces.
// The value goes through strtold as "<all digits>e<exponent>", a form without a radix character
// that no locale reads differently; a value past the extended range is not a number.
inline std::optional<long double> GetalRef(std::string_view tekst) {
    std::size_t i = 0;
    const auto lees = [&](auto pred) {
        const auto begin = i;
        while (i < tekst.size() && pred(tekst[i]))
            ++i;
        return tekst.substr(begin, i - begin);
    };
    const auto isSpatie = [](char c) { return c == ' '; };
    const auto isTeken = [&](std::size_t j) {
        return j < tekst.size() && (tekst[j] == '+' || tekst[j] == '-');
    };

    lees(isSpatie);
    const bool negatief = i < tekst.size() && tekst[i] == '-';
    if (isTeken(i)) ++i;
    const auto geheel = lees(IsCijferRef);
    const bool komma = i < tekst.size() && tekst[i] == ',';
    if (komma) ++i;
    const auto fractie = komma ? lees(IsCijferRef) : std::string_view();
    if (geheel.empty() && !komma) return std::nullopt;

    bool expNegatief = false;
    std::string_view expCijfers;
    if (i < tekst.size() && (tekst[i] == 'E' || tekst[i] == 'e')) {
        ++i;
        expNegatief = i < tekst.size() && tekst[i] == '-';
        if (isTeken(i)) ++i;
        expCijfers = lees(IsCijferRef);
    }
    lees(isSpatie);
    if (i != tekst.size()) return std::nullopt;

    long exponent = 0;
    if (!expCijfers.empty()) {
        auto kop = expCijfers.substr(0, expCijfers.size() - 1);
        kop.remove_prefix(std::min(kop.find_first_not_of('0'), kop.size()));
        if (kop.size() > 3 || std::atoi(std::string(kop).c_str()) >= 500) return std::nullopt;
        exponent = std::atol(std::string(kop).c_str()) * 10 + (expCijfers.back() - '0');
        if (expNegatief) exponent = -exponent;
    }

    std::string vorm = negatief ? "-" : "";
    vorm.append(geheel).append(fractie);
    if (geheel.empty() && fractie.empty()) vorm += '0';
    vorm += 'e' + std::to_string(exponent - static_cast<long>(fractie.size()));
    errno = 0;
    const long double waarde = std::strtold(vorm.c_str(), nullptr);
    if (errno == ERANGE && (waarde > 1 || waarde < -1)) return std::nullopt;
    return waarde;
}

// Exactly equal, including the sign of zero.
inline bool Gelijk(long double a, long double b) {
    return a == b && std::signbit(a) == std::signbit(b);
}

// A drawn number: plain decimal integer text; its value.
inline std::int64_t Waarde(const std::string& tekst, const std::string& context) {
    std::int64_t waarde = 0;
    const auto [eind, fout] = std::from_chars(tekst.data(), tekst.data() + tekst.size(), waarde);
    Eis(fout == std::errc{} && eind == tekst.data() + tekst.size(), "a drawn number is an integer",
        context, tekst);
    Eis(SchrijfGeheel(waarde) == tekst, "a drawn number is plain decimal", context, tekst);
    return waarde;
}

// One number of a non-classic exercise against its range: 1..max(m, 1) when it varies, m when
// it is fixed; negated in the negative mode, perhaps negated in the mixed mode.
inline void InBereik(std::int64_t getal, std::int64_t m, bool varieert, TTekenModus modus,
                     const std::string& context) {
    const auto inBasis = [&](std::int64_t b) {
        return varieert ? b >= 1 && b <= std::max<std::int64_t>(m, 1) : b == m;
    };
    const bool goed = modus == TTekenModus::tmPositief   ? inBasis(getal)
                      : modus == TTekenModus::tmNegatief ? inBasis(-getal)
                                                         : inBasis(getal) || inBasis(-getal);
    Eis(goed, "a drawn number lies in its range, signed by the mode", context,
        SchrijfGeheel(getal));
}
