// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reward figure: at rest at the top right after a snap, and its flight over the board in
// four timed phases on the view's timers 1 to 4.
#include "gfx/surface.h"

// The figure where it flies, or at rest while it may be clicked; nothing otherwise.
void DrawRewardFigure(gfx::Surface& target);
// Where DrawRewardFigure draws; empty when it draws nothing.
gfx::Box RewardFigureBox();
void StartRewardFlight();
// One tick of the flight, for timer `id`.
void OnTimer(int id);
