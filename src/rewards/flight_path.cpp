// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/flight_path.h"

#include <array>
#include <cmath>

namespace {

// The double nearest 1/18, multiplied rather than divided by 18: the two round differently.
constexpr double kEighteenth = 0.05555555555555555;

// Pixels are whole by truncation toward zero, never by rounding.
int truncated(double value) {
    return static_cast<int>(value);
}

void fallFromRest(PuzzleState& s, double t) {
    s.flightX = s.rewardRestX - truncated(std::pow(t, 2));
    s.flightY = s.rewardRestY - truncated((t - 24) * (t - 24)) + 580;
    const double scale = t * 0.05 + 1;
    s.flightWidth = truncated(scale * 80);
    s.flightHeight = truncated(scale * 60);
    s.flightInterval = 100 - truncated(t + t);
}

void riseOnBigCircle(PuzzleState& s, double t) {
    const double u = t * kEighteenth;
    s.flightX = s.flightBaseX - truncated(std::sin((u + 3) * flightPi) * -200);
    s.flightY = s.flightBaseY - truncated(std::cos((u + 2) * flightPi) * -200) - 200;
    s.flightWidth = s.flightBaseWidth - truncated(t * 4);
    s.flightHeight = s.flightBaseHeight - truncated(t * 3);
    s.flightInterval += truncated(t) / 2;
}

void sinkOnSmallCircle(PuzzleState& s, double t) {
    const double u = t * kEighteenth;
    s.flightX = truncated(std::sin((u + 2) * flightPi) * 100 + s.flightBaseX);
    s.flightY = truncated((std::cos((u + 1) * flightPi) + 1) * 100 + s.flightBaseY);
    s.flightWidth = s.flightBaseWidth - truncated(t * -2);
    s.flightHeight = s.flightBaseHeight - truncated(t * -1.5);
    s.flightInterval -= 2;
}

void climbToTheRight(PuzzleState& s, double t) {
    s.flightX = s.flightBaseX + 21 * truncated(t);
    s.flightY = s.flightBaseY - truncated(std::log(t + 1) * 115);
    s.flightWidth = s.flightBaseWidth - truncated(t * 3);
    s.flightHeight = s.flightBaseHeight - truncated(t * 2.25);
    s.flightInterval += 1;
}

struct Phase {
    double lastTick;
    void (*move)(PuzzleState&, double t);
};
constexpr std::array<Phase, 5> kPhases{{{0, nullptr},
                                        {25, fallFromRest},
                                        {18, riseOnBigCircle},
                                        {18, sinkOnSmallCircle},
                                        {32, climbToTheRight}}};
constexpr int kLastPhase = 4;

// The rectangle stays where it is for this tick; the next phase starts out from it with the
// same interval.
int endPhase(PuzzleState& s, int phase) {
    s.flightTime = 0.0;
    if (phase == kLastPhase) {
        s.repaintPending = 1;
        s.animationIdle = 1;
        return 0;
    }
    s.flightBaseX = s.flightX;
    s.flightBaseY = s.flightY;
    s.flightBaseWidth = s.flightWidth;
    s.flightBaseHeight = s.flightHeight;
    return phase + 1;
}

} // namespace

int advanceFlight(PuzzleState& s, int timerId) {
    s.flightTime += 1.0;
    if (!isFlightPhase(timerId)) {
        s.flightTime = 0.0;
        return 0;
    }
    const Phase& phase = kPhases[static_cast<std::size_t>(timerId)];
    if (s.flightTime > phase.lastTick)
        return endPhase(s, timerId);
    phase.move(s, s.flightTime);
    return timerId;
}
