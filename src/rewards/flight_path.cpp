// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/flight_path.h"

#include <array>
#include <cmath>

namespace rewards {

namespace {

// Pi to ten decimals, as the flight has always been drawn.
constexpr double flightPi = 3.1415926535;

// The double nearest 1/18, multiplied rather than divided by 18: the two round differently.
constexpr double kEighteenth = 0.05555555555555555;

// Pixels are whole by truncation toward zero, never by rounding.
int truncated(double value) {
    return static_cast<int>(value);
}

void fallFromRest(FlightState& f, double t) {
    f.now.x = kFigureAtRest.x - truncated(std::pow(t, 2));
    f.now.y = kFigureAtRest.y - truncated((t - 24) * (t - 24)) + 580;
    const double scale = t * 0.05 + 1;
    f.now.width = truncated(scale * 80);
    f.now.height = truncated(scale * 60);
    f.interval = 100 - truncated(t + t);
}

void riseOnBigCircle(FlightState& f, double t) {
    const double u = t * kEighteenth;
    f.now.x = f.base.x - truncated(std::sin((u + 3) * flightPi) * -200);
    f.now.y = f.base.y - truncated(std::cos((u + 2) * flightPi) * -200) - 200;
    f.now.width = f.base.width - truncated(t * 4);
    f.now.height = f.base.height - truncated(t * 3);
    f.interval += truncated(t) / 2;
}

void sinkOnSmallCircle(FlightState& f, double t) {
    const double u = t * kEighteenth;
    f.now.x = truncated(std::sin((u + 2) * flightPi) * 100 + f.base.x);
    f.now.y = truncated((std::cos((u + 1) * flightPi) + 1) * 100 + f.base.y);
    f.now.width = f.base.width - truncated(t * -2);
    f.now.height = f.base.height - truncated(t * -1.5);
    f.interval -= 2;
}

void climbToTheRight(FlightState& f, double t) {
    f.now.x = f.base.x + 21 * truncated(t);
    f.now.y = f.base.y - truncated(std::log(t + 1) * 115);
    f.now.width = f.base.width - truncated(t * 3);
    f.now.height = f.base.height - truncated(t * 2.25);
    f.interval += 1;
}

struct Phase {
    double lastTick;
    void (*move)(FlightState&, double t);
};
constexpr std::array<Phase, kLastFlightTimer + 1> kPhases{{{0, nullptr},
                                                           {25, fallFromRest},
                                                           {18, riseOnBigCircle},
                                                           {18, sinkOnSmallCircle},
                                                           {32, climbToTheRight}}};

// The box stays where it is for this tick; the next phase starts out from it with the same
// interval. The last phase ends with the landing.
int endPhase(FlightState& f, int phase) {
    f.time = 0.0;
    if (phase == kLastFlightTimer)
        return 0;
    f.base = f.now;
    return phase + 1;
}

} // namespace

int advanceFlight(FlightState& f, int timerId) {
    f.time += 1.0;
    if (!isFlightPhase(timerId)) {
        f.time = 0.0;
        return 0;
    }
    const Phase& phase = kPhases[static_cast<std::size_t>(timerId)];
    if (f.time > phase.lastTick)
        return endPhase(f, timerId);
    phase.move(f, f.time);
    return timerId;
}

} // namespace rewards
