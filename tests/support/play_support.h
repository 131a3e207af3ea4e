// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The game in play: a board on a word list of the test's own, for the tests of the pointer
// input, the faces and the story lines.
#include "platform/clock_random.h"
#include "support/test_support.h"

namespace testing_support {

inline constexpr gfx::Rgb kWhite = gfx::kWindowColour;

// The game after a list of `entries` was opened and its first word set up at the given
// difficulty. Scatter orders are fixed by a fixed clock.
class PlayBoard : public ::testing::Test {
  protected:
    void openList(const std::vector<std::vector<std::string>>& entries, int difficulty = 1) {
        platform::setClock([] { return std::time_t{1700000000}; });
        board::thePuzzle.difficulty = difficulty;
        game.openWords(entries);
    }
    // Puts piece j of cell g at (x, y) and lets the board be painted as if it had lain there.
    void place(int g, int j, int x, int y) {
        board::thePuzzle.pieceX[g][j] = x;
        board::thePuzzle.pieceY[g][j] = y;
        game.view().requestPaint(true);
        game.settle();
    }

    RunningApp game;
};

} // namespace testing_support
