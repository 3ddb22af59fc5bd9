#include "OpgaveBlad.h"

#include "Antwoord.h"
#include "Getaltekst.h"

namespace {

constexpr std::string_view Punten = ".  .  .  .  .  .  .  .  .  .";

std::size_t Tekens(std::string_view tekst) {
    std::size_t n = 0;
    for (const char c : tekst)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++n; // not a UTF-8 continuation byte
    return n;
}

// Two spaces for every character by which the text falls short of the width.
std::string Opvulling(std::string_view tekst, std::size_t breedte) {
    const auto n = Tekens(tekst);
    return n >= breedte ? std::string() : std::string(2 * (breedte - n), ' ');
}

std::string Streep() { return "    " + std::string(91, '_'); }

void VoegOefeningToe(std::string& lijn, const TOpgaveRegel& r) {
    lijn += Opvulling(r.Vermenigvuldiger, 12);
    lijn += r.Vermenigvuldiger + "  " + r.Teken + "  " + r.Tafel;
    lijn += Opvulling(r.Tafel, 12);
    lijn += "=  ";
}

} // namespace

TOpgaveRegel MaakOpgaveRegel(std::string vermenigvuldiger, std::string tafel) {
    // The terms are integer texts; one that cannot be read counts as 0.
    const long double product =
        LeesGetal(vermenigvuldiger).value_or(0) * LeesGetal(tafel).value_or(0);
    std::string tekst = SchrijfReeel(product);
    if (tekst.find(',') != std::string::npos) tekst = AfgekaptReeel(tekst, 3);
    return {std::move(vermenigvuldiger), "x", std::move(tafel), std::move(tekst)};
}

std::string OpgaveLijn(const TOpgaveRegel& links, const TOpgaveRegel& rechts, TBladSoort soort) {
    const bool oplossingen = soort == TBladSoort::bsOplossingen;
    std::string lijn = "    ";
    VoegOefeningToe(lijn, links);
    if (oplossingen) {
        lijn += links.Product + Opvulling(links.Product, 14);
    } else {
        lijn += Punten;
    }
    lijn += "\t|";
    VoegOefeningToe(lijn, rechts);
    lijn += oplossingen ? rechts.Product : std::string(Punten);
    return lijn;
}

void TOpgaveBlad::Vul(TOefenMaker& maker, const TInstellingen& s) {
    maker.Zaai();
    Trek(maker, s);
}

void TOpgaveBlad::Vul(TOefenMaker& maker, const TInstellingen& s, std::uint64_t zaad) {
    maker.Zaai(zaad);
    Trek(maker, s);
}

void TOpgaveBlad::Trek(TOefenMaker& maker, const TInstellingen& s) {
    std::int32_t bladTeller = -1;
    for (auto& regel : regels) {
        if (s.Klassiek) {
            ++bladTeller;
            regel = MaakOpgaveRegel(SchrijfGeheel(bladTeller), s.MaxTafel);
        } else {
            // Outside classic order the maker draws without touching its classic counter.
            auto oefening = maker.MaakOefening(s);
            regel =
                MaakOpgaveRegel(std::move(oefening.Vermenigvuldiger), std::move(oefening.Tafel));
        }
    }
}

std::vector<std::string> TOpgaveBlad::Pagina(TBladSoort soort, std::string_view titel) const {
    const bool oefeningen = soort == TBladSoort::bsOefeningen;
    std::vector<std::string> lijnen;
    lijnen.reserve(48);
    lijnen.emplace_back("\r");
    lijnen.push_back("    " + std::string(titel) + "\r\r");
    if (oefeningen) {
        std::string naam = "    Naam : ";
        for (int i = 0; i < 84; ++i)
            naam += ". ";
        lijnen.push_back(naam + ".");
    } else {
        lijnen.emplace_back("    Oplossingen. ");
    }
    lijnen.emplace_back("\r");
    lijnen.push_back(Streep());
    lijnen.emplace_back("\r");
    for (std::size_t i = 0; i < 20; ++i) {
        lijnen.push_back(OpgaveLijn(regels[i], regels[i + 20], soort));
        lijnen.push_back(i == 9 || i == 19 ? Streep() + "\r\r" : RegelVulling);
    }
    if (oefeningen) lijnen.emplace_back("  Punten :");
    return lijnen;
}
