#pragma once
// The timed competition without its window: the countdown's state, measured on the monotonic
// clock, and the figures of the ending (unreached rows, points, attempted, percentage).

#include "Klok.h"
#include "ReeksStand.h"

#include <chrono>
#include <cstdint>
#include <span>
#include <string>

// What a tick of the one-second timer must do.
enum class TTik {
    Niets,         // no countdown runs
    Gestopt,       // RESET came during the countdown: stop the timer
    Einde,         // the end is passed: end the competition
    ToonResterend, // still counting: show the time left
};

class TWedstrijd {
public:
    // Microseconds keep the deadline exact for any 32-bit number of minutes without overflow.
    using TDeadline = std::chrono::time_point<std::chrono::steady_clock, std::chrono::microseconds>;

    // Starts a countdown of `minuten` minutes now; zero or fewer ends at the first tick.
    void Start(const TKlok& klok, std::int32_t minuten);
    void Stop() { loopt = false; }

    // What this tick must do; stops the countdown for Gestopt and Einde.
    TTik Tik(const TKlok& klok, bool klokZichtbaar);

    // Whether the end lies at least a millisecond behind us, on the monotonic clock.
    bool Verstreken(const TKlok& klok) const;
    // The time left on the monotonic clock, whole milliseconds, never negative.
    std::chrono::milliseconds Resterend(const TKlok& klok) const;

    bool Loopt() const { return loopt; }
    double StartMoment() const { return startMoment; } // local date-time as a day count
    double EindMoment() const { return eindMoment; }   // for showing only: clock changes move it
    TDeadline Deadline() const { return deadline; }    // the end that counts

private:
    bool loopt = false;
    double startMoment = 0, eindMoment = 0;
    TDeadline deadline{};
};

// A time left as hours (any number), minutes and seconds; parts of a second are cut off.
struct TUurMinSec {
    std::int64_t Uren = 0;
    std::int32_t Minuten = 0, Seconden = 0;
};
TUurMinSec SplitsTijd(std::chrono::milliseconds duur); // negative counts as zero

// The empty answers counted from the last row upward, up to the first that is not empty.
// Only a text without any character is empty.
std::int32_t OnbereikteRijen(std::span<const std::string> antwoorden);

// The captions of the results panel.
struct TUitslag {
    std::string Punten, Gemaakt, Percentage;
    bool operator==(const TUitslag&) const = default;
};

// Points and attempted in decimal; the percentage right written with 15 significant digits and
// cut after its first decimal. All three "0" when nothing was attempted.
TUitslag BerekenUitslag(std::int32_t punten, std::int32_t gemaakt);

// The ending after the last check: the unreached rows leave the maximum, then the results.
TUitslag SluitWedstrijdAf(TReeksStand& stand, std::span<const std::string> antwoorden);
