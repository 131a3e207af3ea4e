// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/board_player.h"

#include "board/board_scene.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "wordlist/word_list.h"

// No word solved, play from word 1 at the next paint.
void BoardPlayer::listRead() {
    for (int k = 1; k <= kWordCount; ++k)
        thePuzzle.solvedFlags[k] = 0;
    thePuzzle.currentEntry = 1;
    thePuzzle.listReloaded = 1;
}

bool BoardPlayer::solved(int word) const {
    return thePuzzle.solvedFlags[word] != 0;
}

int BoardPlayer::currentWord() const {
    return thePuzzle.currentEntry;
}

void BoardPlayer::clearBoard(gfx::Surface& screen) {
    CoverBoard(screen);
}

// The current word, perhaps just edited, is set up at once.
void BoardPlayer::editorClosed() {
    RebuildPuzzle();
}
