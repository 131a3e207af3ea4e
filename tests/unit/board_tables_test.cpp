// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board's tables: how many cells a word plays, and the reward flight's course, tick by tick,
// against its checkpoints.
#include "board/puzzle_state.h"
#include "rewards/flight_path.h"

#include <gtest/gtest.h>
#include <tuple>

using namespace board;
using namespace rewards;

namespace {

TEST(CellCount, FollowsTheKanjisBytesAndTheLevel) {
    const struct {
        int bytes, difficulty, cells;
    } rows[] = {{2, 2, 1},   {3, 2, 2}, {6, 3, 3}, {7, 2, 4}, {9, 2, 4},
                {200, 3, 4}, {8, 1, 1}, {0, 2, 1}, {1, 3, 1}};
    for (const auto& r : rows)
        EXPECT_EQ(cellCountFor(size_t(r.bytes), r.difficulty), r.cells)
            << r.bytes << " bytes at difficulty " << r.difficulty;
}

// The flight's rectangle and next wait at its checkpoints; timer 0: none is started.
struct FlightCheckpoint {
    int tick, x, y, width, height, interval, timer;
};
constexpr FlightCheckpoint kFlightCheckpoints[] = {
    {1, 849, 61, 84, 63, 98, 1},     {21, 409, 581, 164, 122, 58, 1},
    {25, 225, 589, 180, 135, 50, 1}, {26, 225, 589, 180, 135, 50, 2},
    {35, 25, 389, 144, 108, 70, 2},  {44, 225, 189, 108, 81, 131, 2},
    {45, 225, 189, 108, 81, 131, 3}, {54, 325, 288, 126, 94, 113, 3},
    {63, 225, 389, 144, 108, 95, 3}, {64, 225, 389, 144, 108, 95, 4},
    {80, 561, 64, 96, 72, 111, 4},   {96, 897, -13, 48, 36, 127, 4},
    {97, 897, -13, 48, 36, 127, 0},
};

// A whole flight from the click: every checkpoint exact (tick 21's height is 122, not 123),
// the waits adding up to the nominal length, and the phase clock back at 0 after the landing.
TEST(FlightPath, WholeFlightPassesEveryCheckpoint) {
    FlightState f;
    const FlightCheckpoint* row = std::begin(kFlightCheckpoints);
    int totalMs = 100; // the first tick comes 100 ms after the click
    int tick = 0;
    for (int timer = 1; timer != 0;) {
        timer = advanceFlight(f, timer);
        ++tick;
        totalMs += timer != 0 ? f.interval : 0;
        if (row == std::end(kFlightCheckpoints) || row->tick != tick)
            continue;
        EXPECT_EQ(std::tie(f.now.x, f.now.y, f.now.width, f.now.height, f.interval, timer),
                  std::tie(row->x, row->y, row->width, row->height, row->interval, row->timer))
            << "tick " << tick;
        ++row;
    }
    // The last checkpoint is the landing: reaching it is the flight's full length.
    EXPECT_EQ(row, std::end(kFlightCheckpoints));
    EXPECT_EQ(totalMs, 9235);
    EXPECT_EQ(f.time, 0.0);
}

} // namespace
