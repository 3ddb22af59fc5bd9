#include "Getaltekst.h"

#include <charconv>
#include <cmath>

std::string SchrijfGeheel(std::int64_t waarde) { return std::to_string(waarde); }

std::string SchrijfReeel(long double waarde) {
    if (std::isnan(waarde)) return "NAN";
    if (std::isinf(waarde)) return waarde < 0 ? "-INF" : "INF";
    if (waarde == 0) return "0";

    // d.dddddddddddddde±x: 15 significant digits, correctly rounded, independent of the locale.
    char buf[64];
    auto [eind, fout] =
        std::to_chars(buf, buf + sizeof buf, waarde, std::chars_format::scientific, 14);
    if (fout != std::errc{}) return "0";
    std::string_view s(buf, static_cast<std::size_t>(eind - buf));

    std::string uit;
    if (s.front() == '-') {
        uit = "-";
        s.remove_prefix(1);
    }
    const auto e = s.find('e');
    std::string cijfers;
    for (char c : s.substr(0, e))
        if (c != '.') cijfers += c;
    int exponent = 0;
    std::from_chars(s.data() + e + 1 + (s[e + 1] == '+'), s.data() + s.size(), exponent);
    while (cijfers.size() > 1 && cijfers.back() == '0')
        cijfers.pop_back();

    if (exponent >= 15 || exponent < -5) {
        uit += cijfers[0];
        if (cijfers.size() > 1) uit += "," + cijfers.substr(1);
        uit += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        uit += "0," + std::string(static_cast<std::size_t>(-exponent - 1), '0') + cijfers;
    } else {
        const auto geheel = static_cast<std::size_t>(exponent) + 1;
        if (cijfers.size() <= geheel) {
            uit += cijfers + std::string(geheel - cijfers.size(), '0');
        } else {
            uit += cijfers.substr(0, geheel) + "," + cijfers.substr(geheel);
        }
    }
    return uit;
}

std::string AfgekaptReeel(std::string_view tekst, int decimalen) {
    std::string uit(tekst);
    const auto komma = uit.find(',');
    if (komma == std::string::npos || uit.find_first_of("Ee") != std::string::npos) return uit;
    uit += "00000";
    const auto lengte = komma + 1 + static_cast<std::size_t>(decimalen < 0 ? 0 : decimalen);
    if (lengte < uit.size()) uit.resize(lengte);
    return uit;
}
