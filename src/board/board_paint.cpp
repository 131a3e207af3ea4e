// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board_scene.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "board/torvex_view.h"
#include "platform/window.h"

namespace board {

// Whatever asked for the paint (the first show, a resize, an open or a save), the board shows
// what it showed before; only a list just read is set up first.
void OnDraw() {
    const platform::Size client = platform::viewClientSize();
    thePuzzle.clientRect = {0, 0, client.width, client.height};
    if (thePuzzle.listReloaded) {
        thePuzzle.listReloaded = 0;
        RebuildPuzzle();
        return;
    }
    ShowBoardAfresh();
}

} // namespace board
