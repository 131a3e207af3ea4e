// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/signboard.h"

#include "board/puzzle_state.h"

namespace rewards {

namespace {
constexpr int kRadius = 130;
constexpr gfx::Rgb kOutlineRed = gfx::rgb(255, 0, 0);
} // namespace

void DrawSignboard(gfx::Surface& window) {
    const board::PuzzleState& s = board::thePuzzle;
    const int n = s.cellCount;
    // The centres of the two half circles, 25 pixels inside the outer columns of homes.
    const int left = s.homeX[1][3] - 25;
    const int right = s.homeX[n][3] + 25;
    const int top = s.homeY[1][3] - 30;
    const int bottom = s.homeY[1][4] + 130;
    const gfx::Pen previous = window.selectPen({gfx::Pen::Style::Solid, 15, kOutlineRed});
    window.arc(left - kRadius, top, left + kRadius, bottom, left, top, left, bottom);
    window.moveTo(left, top);
    window.lineTo(right, top);
    window.arc(right - kRadius, top, right + kRadius, bottom, right, bottom, right, top);
    window.moveTo(right, bottom);
    window.lineTo(left, bottom);
    window.selectPen(previous);
}

} // namespace rewards
