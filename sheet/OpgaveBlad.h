#pragma once
// The written worksheet: forty exercises drawn with the current settings, independent of the
// screen, and the text of its exercise page and its solutions page, one string a line.

#include "OefenMaker.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct TOpgaveRegel {
    std::string Vermenigvuldiger, Teken, Tafel, Product;
};

enum class TBladSoort { bsOefeningen, bsOplossingen };

// The spacer line after every exercise line that does not close a block of ten.
inline const std::string RegelVulling = std::string(87, ' ') + "\t|";

// One record: the product of the two terms in extended precision, cut to three decimals when
// its text holds a comma (a product in scientific notation is kept whole).
TOpgaveRegel MaakOpgaveRegel(std::string vermenigvuldiger, std::string tafel);

// Printed line i of a page: record i on the left, record i + 20 on the right.
std::string OpgaveLijn(const TOpgaveRegel& links, const TOpgaveRegel& rechts, TBladSoort soort);

class TOpgaveBlad {
public:
    static constexpr int AantalRegels = 40;

    // Re-seeds the maker's random source from the clock and draws the forty records. Classic
    // order counts with the sheet's own counter, so the maker's KlassiekTeller stays put.
    void Vul(TOefenMaker& maker, const TInstellingen& s);
    // The same with a fixed seed, so that a sheet can be drawn again exactly.
    void Vul(TOefenMaker& maker, const TInstellingen& s, std::uint64_t zaad);

    std::vector<std::string> Pagina(TBladSoort soort, std::string_view titel) const;

    // Record nr, 1 to 40.
    const TOpgaveRegel& Regel(int nr) const { return regels.at(static_cast<std::size_t>(nr - 1)); }

private:
    void Trek(TOefenMaker& maker, const TInstellingen& s);

    std::array<TOpgaveRegel, AantalRegels> regels;
};
