#include "OefenMaker.h"

#include "Antwoord.h"
#include "Getaltekst.h"

#include <chrono>

TOefenMaker::TOefenMaker() { Zaai(); }

void TOefenMaker::Zaai() {
    const auto nu = std::chrono::system_clock::now().time_since_epoch();
    Zaai(static_cast<std::uint64_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(nu).count()));
}

void TOefenMaker::Zaai(std::uint64_t zaad) { bron.seed(zaad); }

std::int32_t TOefenMaker::Trek(std::int32_t n) {
    if (n <= 0) return 0;
    std::uniform_int_distribution<std::int32_t> verdeling(0, n - 1);
    return verdeling(bron);
}

// One number of the exercise: a range draw when it varies, then the sign rule. Kept in 64 bits
// so that negating the smallest 32-bit value gives its true value.
std::int64_t TOefenMaker::Getal(const std::string& maximum, bool variabel, TTekenModus modus) {
    const std::int32_t m = LeesGeheelGetal(maximum).value_or(0);
    std::int64_t v = variabel ? std::int64_t{Trek(m)} + 1 : std::int64_t{m};
    if (modus == TTekenModus::tmNegatief) v = -v;
    if (modus == TTekenModus::tmPositiefNegatief && Trek(2) == 1) v = -v;
    return v;
}

TOefening TOefenMaker::MaakOefening(const TInstellingen& s) {
    if (s.Klassiek) {
        // Wraps like a 32-bit two's-complement counter, without signed overflow.
        klassiekTeller = static_cast<std::int32_t>(static_cast<std::uint32_t>(klassiekTeller) + 1u);
        return {SchrijfGeheel(klassiekTeller), s.MaxTafel};
    }
    const auto vermenigvuldiger = Getal(s.MaxVermenigvuldiger, s.Variabel, s.TekenModus);
    const auto tafel = Getal(s.MaxTafel, s.Onderliggend, s.TekenModus);
    return {SchrijfGeheel(vermenigvuldiger), SchrijfGeheel(tafel)};
}
