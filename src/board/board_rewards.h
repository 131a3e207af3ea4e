// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the board asks of the rewards: the board knows when a word is set up and solved, when a
// piece snaps and where a press falls; the rewards keep their own state, draw, play and answer
// presses on their own boxes. The board knows no rewards: the application supplies them. With
// none supplied, nothing is rewarded.
#include "gfx/surface.h"

namespace board {

class BoardRewards {
  public:
    virtual ~BoardRewards() = default;
    // The word was set up, before it is shown: what the last word left goes, and what its solve
    // plays may be prepared.
    virtual void wordSetUp() {}
    // A piece snapped into its home.
    virtual void pieceSnapped() {}
    // Every piece is home: show and play the reward on the window.
    virtual void presentSolve(gfx::WindowSurface&) {}
    // What the backdrop holds of a solved word, the Next button included while it answers.
    virtual void drawSolvedWord(gfx::Surface&) {}
    // The reward figure at rest or in flight, and the box it covers.
    virtual void drawReward(gfx::Surface&) {}
    virtual gfx::Box rewardBox() const { return {}; }
    // Where the figure rests whenever it shows: the board's texts keep clear of it.
    virtual gfx::Box figurePlaceAtRest() const { return {}; }
    // A press on the board, before the board's own handling of it.
    virtual void press(int, int) {}
    virtual void timerFired(int) {}
};

BoardRewards& theBoardRewards();
void setBoardRewards(BoardRewards* rewards); // nullptr: no rewards again

} // namespace board
