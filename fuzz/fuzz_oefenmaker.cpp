// Drawing exercises under any settings: every number is a plain decimal integer text within its
// range, the draws follow their fixed order, and classic order counts up by one.
//
// Input: a 64-bit seed, the classic counter to start from, then up to 32 draws, each a byte of
// flags and, when the flags ask for new ones, the two maxima. A maximum is a 32-bit integer
// spelt as a settings field may hold it, or any text (which reads as 0).
#include "Antwoord.h"
#include "Fuzzhulp.h"
#include "Getaltekst.h"
#include "OefenMaker.h"

#include <charconv>

namespace {

std::string Maximum(TFuzzInvoer& invoer) {
    const auto vorm = invoer.Neem<std::uint8_t>();
    if (vorm >= 200) return invoer.Tekst(vorm - 200u);
    const auto waarde = invoer.Neem<std::int32_t>();
    const auto tekst = SchrijfGeheel(waarde);
    switch (vorm % 4) {
    case 1:
        return waarde >= 0 ? "+" + tekst : tekst;
    case 2:
        return waarde >= 0 ? "00" + tekst : "-0" + tekst.substr(1);
    case 3:
        return " " + tekst + "\t";
    default:
        return tekst;
    }
}

// The value of a drawn number; it must be plain decimal: "-" only before a non-zero number, no
// leading zero, no plus sign.
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t grootte) {
    TFuzzInvoer invoer(data, grootte);
    const auto zaad = invoer.Neem<std::uint64_t>();
    TOefenMaker maker, hand; // hand makes the same draws by hand, in the fixed order
    maker.Zaai(zaad);
    hand.Zaai(zaad);
    maker.ZetKlassiekTeller(invoer.Neem<std::int32_t>());

    TInstellingen s;
    for (int trek = 0; trek < 32 && !invoer.Leeg(); ++trek) {
        const auto vlaggen = invoer.Neem<std::uint8_t>();
        if (vlaggen & 64) {
            s.MaxTafel = Maximum(invoer);
            s.MaxVermenigvuldiger = Maximum(invoer);
        }
        s.Klassiek = vlaggen & 1;
        s.Onderliggend = vlaggen & 2;
        s.Variabel = vlaggen & 4;
        s.TekenModus = static_cast<TTekenModus>((vlaggen >> 3) % 3);
        if (vlaggen & 128) maker.HerstartKlassiek();
        const auto context = "tafel \"" + s.MaxTafel + "\", vermenigvuldiger \"" +
                             s.MaxVermenigvuldiger + "\", flags " + std::to_string(vlaggen);

        const auto teller = maker.KlassiekTeller();
        const auto o = maker.MaakOefening(s);
        if (s.Klassiek) {
            const auto volgende = teller == INT32_MAX ? INT32_MIN : teller + 1;
            Eis(maker.KlassiekTeller() == volgende, "a classic draw counts up by one", context,
                SchrijfGeheel(maker.KlassiekTeller()));
            Eis(Waarde(o.Vermenigvuldiger, context) == volgende,
                "the classic multiplier is the counter", context, o.Vermenigvuldiger);
            Eis(o.Tafel == s.MaxTafel, "the classic table is the field text itself", context,
                o.Tafel);
            continue;
        }
        Eis(maker.KlassiekTeller() == teller, "only classic draws move the counter", context);

        const auto vermenigvuldiger = Waarde(o.Vermenigvuldiger, context);
        const auto tafel = Waarde(o.Tafel, context);
        const std::int64_t mv = GeheelRef(s.MaxVermenigvuldiger).value_or(0);
        const std::int64_t mt = GeheelRef(s.MaxTafel).value_or(0);
        InBereik(vermenigvuldiger, mv, s.Variabel, s.TekenModus, context);
        InBereik(tafel, mt, s.Onderliggend, s.TekenModus, context);

        // The same draws by hand: range then sign, first for the multiplier, then the table.
        const auto getal = [&](std::int64_t m, bool varieert) {
            std::int64_t g = varieert ? hand.Trek(static_cast<std::int32_t>(m)) + 1 : m;
            if (s.TekenModus == TTekenModus::tmNegatief) g = -g;
            if (s.TekenModus == TTekenModus::tmPositiefNegatief && hand.Trek(2) == 1) g = -g;
            return g;
        };
        const auto verwachtV = getal(mv, s.Variabel);
        const auto verwachtT = getal(mt, s.Onderliggend);
        Eis(vermenigvuldiger == verwachtV && tafel == verwachtT,
            "the draws happen in their fixed order", context, o.Vermenigvuldiger + " x " + o.Tafel);
    }
    Eis(maker.Trek(1 << 30) == hand.Trek(1 << 30), "no draw more or less than the fixed ones");
    return 0;
}
