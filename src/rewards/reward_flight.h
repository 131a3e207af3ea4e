// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The reward figure: at rest at the top right after a snap, and its flight over the board in
// four timed phases on the flight timers.
#include "gfx/surface.h"

namespace rewards {

// The figure where it flies, or at rest while it may be pressed; nothing otherwise.
void DrawRewardFigure(gfx::Surface& target);
// Where DrawRewardFigure draws; empty when it draws nothing.
gfx::Box RewardFigureBox();
// A piece snapped home: the figure wakes at rest, unless it is flying.
void WakeRewardFigure();
// A press strictly inside the figure at rest starts its flight.
void PressRewardFigure(int x, int y);
void StartRewardFlight();
// A word is set up: a flight stops and the figure goes.
void ResetRewardFigure();
// One tick of the flight, for timer `id`.
void OnTimer(int id);

} // namespace rewards
