// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board_rewards.h"

namespace board {

namespace {
BoardRewards* current = nullptr;
} // namespace

BoardRewards& theBoardRewards() {
    static BoardRewards none;
    return current ? *current : none;
}

void setBoardRewards(BoardRewards* rewards) {
    current = rewards;
}

} // namespace board
