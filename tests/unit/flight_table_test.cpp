// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reward flight's course, tick by tick, against its checkpoints.
#include "rewards/flight_path.h"
#include "support/rewards_support.h"

#include <tuple>

using namespace rewards_support;

namespace {

// A whole flight from the click: every checkpoint exact (tick 21's height is 122, not 123),
// the waits adding up to the nominal length, and a landing that asks for a fresh board.
TEST(FlightPath, WholeFlightPassesEveryCheckpoint) {
    PuzzleState s;
    s.animationIdle = 0;
    const FlightCheckpoint* row = std::begin(kFlightCheckpoints);
    int totalMs = 100; // the first tick comes 100 ms after the click
    int tick = 0;
    for (int timer = 1; timer != 0;) {
        timer = advanceFlight(s, timer);
        ++tick;
        totalMs += timer != 0 ? s.flightInterval : 0;
        if (row == std::end(kFlightCheckpoints) || row->tick != tick)
            continue;
        EXPECT_EQ(
            std::tie(s.flightX, s.flightY, s.flightWidth, s.flightHeight, s.flightInterval, timer),
            std::tie(row->x, row->y, row->width, row->height, row->interval, row->timer))
            << "tick " << tick;
        ++row;
    }
    EXPECT_EQ(row, std::end(kFlightCheckpoints));
    EXPECT_EQ(tick, kFlightTicks);
    EXPECT_EQ(totalMs, kFlightNominalMs);
    EXPECT_EQ(std::tie(s.flightTime, s.animationIdle, s.repaintPending),
              std::make_tuple(0.0, 1, 1));
}

} // namespace
