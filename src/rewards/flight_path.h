// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reward flight's course, tick by tick: a falling parabola, a rising half circle, a sinking
// half circle and a logarithmic climb, one phase per flight timer.
#include "rewards/reward_state.h"

namespace rewards {

constexpr bool isFlightPhase(int timerId) {
    return timerId >= kFirstFlightTimer && timerId <= kLastFlightTimer;
}

// Counts one tick of phase `timerId` and moves the figure's box along that phase, or ends the
// phase once its ticks are spent. Returns the timer to start next with the flight's interval,
// or 0 when none runs: after the landing, or for an id that is no phase (which stops the flight).
int advanceFlight(FlightState& flight, int timerId);

} // namespace rewards
