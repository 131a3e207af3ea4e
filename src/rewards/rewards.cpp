// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/rewards.h"

#include "rewards/completion.h"
#include "rewards/reward_flight.h"
#include "rewards/word_voice.h"

void Rewards::wordSetUp() {
    // Spoken while the child plays, so the word's voice is ready when it is solved.
    PrepareWordVoice();
}

void Rewards::presentCompletion(gfx::WindowSurface& window) {
    PresentCompletion(window);
}

void Rewards::drawPresentation(gfx::Surface& target) {
    DrawPresentation(target);
}

void Rewards::drawNextButton(gfx::Surface& target) {
    DrawNextButton(target);
}

bool Rewards::nextButtonShown() const {
    return NextButtonShown();
}

void Rewards::drawRewardFigure(gfx::Surface& target) {
    DrawRewardFigure(target);
}

gfx::Box Rewards::rewardFigureBox() const {
    return RewardFigureBox();
}

void Rewards::startRewardFlight() {
    StartRewardFlight();
}

void Rewards::onTimer(int id) {
    OnTimer(id);
}
