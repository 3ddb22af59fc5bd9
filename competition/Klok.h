#pragma once
// The clocks a competition asks: the local date-time, shown as the moment it started, and a
// monotonic time on which its length is measured, so that setting the wall clock can't change it.

#include <chrono>

// Local date and time as a day count: days since 30 December 1899, the time of day as fraction.
double DagGetal(int jaar, unsigned maand, unsigned dag, std::chrono::milliseconds tijdVanDag = {});

class TKlok {
public:
    using TTijdpunt = std::chrono::steady_clock::time_point;

    virtual ~TKlok() = default;
    virtual double Nu() const = 0;          // local date-time as a day count
    virtual TTijdpunt Monotoon() const = 0; // never jumps, never runs back
};

// The machine's clocks.
class TSysteemKlok final : public TKlok {
public:
    double Nu() const override;
    TTijdpunt Monotoon() const override;
};

// A clock the tests drive: time passes only when told, and the wall clock can be set apart
// from the monotonic one, as a daylight-saving change or a clock correction does.
class TTestKlok final : public TKlok {
public:
    explicit TTestKlok(double nu = DagGetal(2024, 3, 31, std::chrono::hours(1)))
        : nu(nu), monotoon(std::chrono::hours(1)) {}

    double Nu() const override { return nu; }
    TTijdpunt Monotoon() const override { return monotoon; }

    void Verstrijk(std::chrono::nanoseconds duur);   // real time passes: both clocks move on;
                                                     // a negative duration is ignored
    void ZetNu(double dagen) { nu = dagen; }         // the wall clock alone is set
    void VerzetNu(std::chrono::milliseconds sprong); // the wall clock alone jumps by `sprong`

private:
    double nu;
    TTijdpunt monotoon;
};
