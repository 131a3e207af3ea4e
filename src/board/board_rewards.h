// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the board asks of the rewards: the board knows when a word is solved, when the reward
// figure is pressed and where things lie; the rewards draw and play. The board knows no rewards:
// the application supplies them. With none supplied, nothing is rewarded.
#include "gfx/surface.h"

class BoardRewards {
  public:
    virtual ~BoardRewards() = default;
    // The word was set up: what its solve plays may be prepared now.
    virtual void wordSetUp() {}
    // Every piece is home: show and play the reward on the window.
    virtual void presentCompletion(gfx::WindowSurface&) {}
    // What the backdrop holds of a solved word, and the Next button while a press on it answers.
    virtual void drawPresentation(gfx::Surface&) {}
    virtual void drawNextButton(gfx::Surface&) {}
    virtual bool nextButtonShown() const { return false; }
    // The reward figure at rest or in flight, and the box it covers.
    virtual void drawRewardFigure(gfx::Surface&) {}
    virtual gfx::Box rewardFigureBox() const { return {}; }
    virtual void startRewardFlight() {}
    virtual void onTimer(int) {}
};

BoardRewards& boardRewards();
void setBoardRewards(BoardRewards* rewards); // nullptr: no rewards again
