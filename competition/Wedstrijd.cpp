#include "Wedstrijd.h"

#include "Getaltekst.h"

#include <algorithm>

namespace {
using std::chrono::microseconds;
using std::chrono::milliseconds;

TWedstrijd::TDeadline NuMonotoon(const TKlok& klok) {
    return std::chrono::floor<microseconds>(klok.Monotoon());
}
} // namespace

void TWedstrijd::Start(const TKlok& klok, std::int32_t minuten) {
    startMoment = klok.Nu();
    eindMoment = (startMoment * 1440 + minuten) / 1440;
    // 2^31 minutes are about 1.3e17 microseconds: far inside the 64-bit range.
    deadline = NuMonotoon(klok) + std::chrono::minutes(minuten);
    loopt = true;
}

TTik TWedstrijd::Tik(const TKlok& klok, bool klokZichtbaar) {
    if (!loopt) return TTik::Niets;
    if (!klokZichtbaar) {
        loopt = false;
        return TTik::Gestopt;
    }
    if (Verstreken(klok)) {
        loopt = false;
        return TTik::Einde;
    }
    return TTik::ToonResterend;
}

bool TWedstrijd::Verstreken(const TKlok& klok) const {
    return NuMonotoon(klok) - deadline >= milliseconds(1);
}

milliseconds TWedstrijd::Resterend(const TKlok& klok) const {
    const auto over = deadline - NuMonotoon(klok);
    return over > microseconds::zero() ? std::chrono::duration_cast<milliseconds>(over)
                                       : milliseconds::zero();
}

TUurMinSec SplitsTijd(milliseconds duur) {
    using namespace std::chrono;
    if (duur < milliseconds::zero()) return {};
    const auto uren = duration_cast<hours>(duur);
    const auto minuten = duration_cast<minutes>(duur - uren);
    const auto seconden = duration_cast<seconds>(duur - uren - minuten);
    return {uren.count(), static_cast<std::int32_t>(minuten.count()),
            static_cast<std::int32_t>(seconden.count())};
}

std::int32_t OnbereikteRijen(std::span<const std::string> antwoorden) {
    const auto gevuld = std::find_if(antwoorden.rbegin(), antwoorden.rend(),
                                     [](const std::string& a) { return !a.empty(); });
    return static_cast<std::int32_t>(gevuld - antwoorden.rbegin());
}

TUitslag BerekenUitslag(std::int32_t punten, std::int32_t gemaakt) {
    if (gemaakt == 0) return {"0", "0", "0"};
    const long double percentage =
        static_cast<long double>(punten) / static_cast<long double>(gemaakt) * 100;
    return {SchrijfGeheel(punten), SchrijfGeheel(gemaakt),
            AfgekaptReeel(SchrijfReeel(percentage), 1)};
}

TUitslag SluitWedstrijdAf(TReeksStand& stand, std::span<const std::string> antwoorden) {
    const std::int32_t punten = stand.Punten();
    stand.Onbeantwoord(OnbereikteRijen(antwoorden));
    return BerekenUitslag(punten, stand.MaxPunten());
}
