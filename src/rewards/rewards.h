// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The completion presentation, the reward flight and the word's voice as the board's rewards.
// Made once by the application; the board calls them while this object lives.
#include "board/board_rewards.h"

namespace rewards {

class Rewards final : public board::BoardRewards {
  public:
    Rewards() { board::setBoardRewards(this); }
    ~Rewards() override { board::setBoardRewards(nullptr); }
    Rewards(const Rewards&) = delete;
    Rewards& operator=(const Rewards&) = delete;

    void wordSetUp() override;
    void pieceSnapped() override;
    void presentSolve(gfx::WindowSurface& window) override;
    void drawSolvedWord(gfx::Surface& target) override;
    void drawReward(gfx::Surface& target) override;
    gfx::Box rewardBox() const override;
    gfx::Box figurePlaceAtRest() const override;
    void press(int x, int y) override;
    void timerFired(int id) override;
};

} // namespace rewards
