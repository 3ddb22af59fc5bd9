#include "ReeksStand.h"

namespace {
// 32-bit arithmetic that wraps instead of overflowing, so no count can cause undefined behaviour.
std::int32_t Som(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}
std::int32_t Product(std::int32_t a, std::int32_t b) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}
} // namespace

void TReeksStand::Begin() {
    reeksNummer = 1;
    punten = 0;
    maxPunten = 10;
    vastePunten = 0;
}

void TReeksStand::Controle(std::int32_t goed) { punten = Som(vastePunten, goed); }

void TReeksStand::Volgende() {
    vastePunten = punten;
    reeksNummer = Som(reeksNummer, 1);
    maxPunten = Product(reeksNummer, 10);
}

void TReeksStand::Onbeantwoord(std::int32_t n) {
    maxPunten = static_cast<std::int32_t>(static_cast<std::uint32_t>(maxPunten) -
                                          static_cast<std::uint32_t>(n));
}
