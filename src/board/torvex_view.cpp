// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/torvex_view.h"

#include "board/board_rewards.h"
#include "board/pointer_input.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

namespace board {

CTorvexView::CTorvexView() {
    InitPuzzleState();
}

void CTorvexView::onDraw() {
    OnDraw();
}

void CTorvexView::onLButtonDown(int x, int y) {
    OnLButtonDown(x, y);
}

void CTorvexView::onMouseMove(int x, int y) {
    OnMouseMove(x, y);
}

void CTorvexView::onLButtonUp(int x, int y) {
    OnLButtonUp(x, y);
}

void CTorvexView::onTimer(int id) {
    theBoardRewards().timerFired(id);
}

void CTorvexView::onResolutionChanged() {
    RemakeSheet();
}

} // namespace board
