// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// How many cells a word plays, and the scatter order of its pieces.
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

#include <gtest/gtest.h>

namespace {

TEST(CellCount, FollowsTheKanjisBytesAndTheLevel) {
    const struct {
        size_t bytes;
        int difficulty, cells;
    } rows[] = {{2, 2, 1},   {3, 2, 2}, {6, 3, 3}, {7, 2, 4}, {9, 2, 4},
                {200, 3, 4}, {8, 1, 1}, {0, 2, 1}, {1, 3, 1}};
    for (const auto& r : rows)
        EXPECT_EQ(cellCountFor(r.bytes, r.difficulty), r.cells)
            << r.bytes << " bytes at difficulty " << r.difficulty;
}

} // namespace
