#pragma once
// Drawing exercises from the settings: the settings snapshot, the sign mode, one exercise, and
// the generator with its random source and its counter for ascending (classic) order.

#include <cstdint>
#include <random>
#include <string>

enum class TTekenModus { tmPositief, tmNegatief, tmPositiefNegatief };

struct TInstellingen {
    std::string MaxTafel = "10", MaxVermenigvuldiger = "10";
    bool Klassiek = false, Onderliggend = false, Variabel = true;
    TTekenModus TekenModus = TTekenModus::tmPositief;
};

struct TOefening {
    std::string Vermenigvuldiger, Tafel;
};

class TOefenMaker {
public:
    TOefenMaker(); // seeded from the clock

    TOefening MaakOefening(const TInstellingen& s);
    void HerstartKlassiek() { klassiekTeller = -1; }
    std::int32_t KlassiekTeller() const { return klassiekTeller; }
    // Puts the counter anywhere, so that its wrap-around can be tested without 2^32 draws.
    void ZetKlassiekTeller(std::int32_t waarde) { klassiekTeller = waarde; }

    void Zaai();                   // from the clock
    void Zaai(std::uint64_t zaad); // repeatable, for tests
    // One draw in 0..n-1; 0 when n <= 0.
    std::int32_t Trek(std::int32_t n);

private:
    std::int64_t Getal(const std::string& maximum, bool variabel, TTekenModus modus);

    std::mt19937_64 bron;
    std::int32_t klassiekTeller = -1;
};
