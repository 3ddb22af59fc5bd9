#pragma once
// The standing of a series: which set is on screen, the points earned and the points that
// could have been earned. A check always starts again from the points committed before the set.

#include <cstdint>

class TReeksStand {
public:
    TReeksStand() { Begin(); }

    void Begin();
    void Controle(std::int32_t goed);  // the last check of the current set found `goed` right
    void Volgende();                   // commit the points and move to the next set
    void Onbeantwoord(std::int32_t n); // n rows never reached at the end of a competition

    std::int32_t ReeksNummer() const { return reeksNummer; }
    std::int32_t Punten() const { return punten; }
    std::int32_t VastePunten() const { return vastePunten; }
    std::int32_t MaxPunten() const { return maxPunten; }

private:
    std::int32_t reeksNummer = 1, punten = 0, vastePunten = 0, maxPunten = 10;
};
