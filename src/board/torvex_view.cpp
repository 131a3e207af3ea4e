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

void CTorvexView::paint() {
    OnDraw();
}

void CTorvexView::press(int x, int y) {
    OnLButtonDown(x, y);
}

void CTorvexView::move(int x, int y) {
    OnMouseMove(x, y);
}

void CTorvexView::release(int x, int y) {
    OnLButtonUp(x, y);
}

void CTorvexView::tick(int id) {
    theBoardRewards().timerFired(id);
}

void CTorvexView::resolutionChanged() {
    RemakeSheet();
}

} // namespace board
