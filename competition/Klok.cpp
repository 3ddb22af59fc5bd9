#include "Klok.h"

#include <ctime>

namespace {
constexpr double msPerDag = 86'400'000.0;

double Dagen(std::chrono::nanoseconds duur) {
    return std::chrono::duration<double, std::milli>(duur).count() / msPerDag;
}
} // namespace

double DagGetal(int jaar, unsigned maand, unsigned dag, std::chrono::milliseconds tijdVanDag) {
    using namespace std::chrono;
    const sys_days datum = year_month_day{year{jaar}, month{maand}, day{dag}};
    const sys_days nulpunt = year_month_day{year{1899}, December, day{30}};
    return static_cast<double>((datum - nulpunt).count()) +
           static_cast<double>(tijdVanDag.count()) / msPerDag;
}

double TSysteemKlok::Nu() const {
    using namespace std::chrono;
    const auto nu = system_clock::now();
    const auto seconde = floor<seconds>(nu);
    const std::time_t t = system_clock::to_time_t(seconde);
    std::tm lokaal{};
    // Without a local time zone the universal time is the best there is.
    const long verschuiving = localtime_r(&t, &lokaal) ? lokaal.tm_gmtoff : 0;
    const auto lokaleSeconde = seconde.time_since_epoch() + seconds(verschuiving);
    const auto dag = floor<days>(lokaleSeconde);
    const auto tijdVanDag = duration_cast<milliseconds>(lokaleSeconde - dag + (nu - seconde));
    // 1 January 1970 is day 25569.
    return 25569.0 + static_cast<double>(dag.count()) +
           static_cast<double>(tijdVanDag.count()) / msPerDag;
}

TKlok::TTijdpunt TSysteemKlok::Monotoon() const { return std::chrono::steady_clock::now(); }

void TTestKlok::Verstrijk(std::chrono::nanoseconds duur) {
    if (duur < std::chrono::nanoseconds::zero()) return; // monotonic time never runs back
    monotoon += duur;
    nu += Dagen(duur);
}

void TTestKlok::VerzetNu(std::chrono::milliseconds sprong) { nu += Dagen(sprong); }
