// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The rewards' own record: the reward figure at rest and in flight, and how much of a solved
// word's presentation is on the board. The board knows none of it; it asks the rewards.
#include "gfx/surface.h"

namespace rewards {

// A frame of the flyer strip, and the figure's box at rest at the top right.
inline constexpr int kFigureWidth = 80;
inline constexpr int kFigureHeight = 60;
inline constexpr gfx::Box kFigureAtRest{850, 10, kFigureWidth, kFigureHeight};

// The flight's four phases run on the view's timers 1 to 4, phase k on timer k.
inline constexpr int kFirstFlightTimer = 1;
inline constexpr int kLastFlightTimer = 4;

struct FlightState {
    double time = 0.0; // ticks into the current phase; 0 while no flight runs
    gfx::Box now;      // where this tick puts the figure
    gfx::Box base;     // where the previous phase ended
    gfx::Box previous; // where the previous tick drew it
    int interval = 0;  // milliseconds to the next tick
};

// How much of the completion presentation is on the board: the Next button follows the rest
// once the word's sound has played.
enum class Presentation { None, WithoutButton, Whole };

struct RewardState {
    int clickable = 0;  // the figure rests at the top right and a press on it starts a flight
    int idle = 1;       // no flight runs
    int flyerShown = 0; // the figure has flown and not been put back by a set-up
    FlightState flight;
    Presentation presentation = Presentation::None;
};

extern RewardState theRewards;

} // namespace rewards
