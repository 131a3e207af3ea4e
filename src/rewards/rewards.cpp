// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/rewards.h"

#include "rewards/completion.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "rewards/word_voice.h"

namespace rewards {

RewardState theRewards;

// The new word starts without a figure or a presentation; it is spoken while the child plays,
// so its voice is ready when it is solved.
void Rewards::wordSetUp() {
    ResetRewardFigure();
    theRewards.presentation = Presentation::None;
    PrepareWordVoice();
}

void Rewards::pieceSnapped() {
    WakeRewardFigure();
}

void Rewards::presentSolve(gfx::WindowSurface& window) {
    PresentCompletion(window);
}

void Rewards::drawSolvedWord(gfx::Surface& target) {
    DrawPresentation(target);
}

void Rewards::drawReward(gfx::Surface& target) {
    DrawRewardFigure(target);
}

gfx::Box Rewards::rewardBox() const {
    return RewardFigureBox();
}

gfx::Box Rewards::figurePlaceAtRest() const {
    return kFigureAtRest;
}

// Both boxes answer the same press, Next first: a flight never starts on the word just left.
void Rewards::press(int x, int y) {
    PressNextButton(x, y);
    PressRewardFigure(x, y);
}

void Rewards::timerFired(int id) {
    OnTimer(id);
}

} // namespace rewards
