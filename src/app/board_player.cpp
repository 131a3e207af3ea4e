// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/board_player.h"

#include "app/progress.h"
#include "board/board_scene.h"
#include "board/pointer_input.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "platform/document.h"
#include "wordlist/word_list.h"

#include <utility>

namespace app {

using board::thePuzzle;

// Each newly solved word is kept at once: a run cut short loses no mark.
BoardPlayer::BoardPlayer() {
    wordlist::setWordListPlayer(this);
    board::SetWordMarkedHook([] {
        if (const platform::Document* document = platform::theDocument())
            KeepProgress(document->path());
    });
}

BoardPlayer::~BoardPlayer() {
    board::SetWordMarkedHook(nullptr);
    wordlist::setWordListPlayer(nullptr);
}

// No word solved until the file's kept marks are taken, play from word 1 at the next paint.
void BoardPlayer::listRead() {
    for (int k = 1; k <= wordlist::kWordCount; ++k)
        thePuzzle.solvedFlags[k] = 0;
    thePuzzle.currentEntry = 1;
    thePuzzle.listReloaded = 1;
    listJustRead_ = true;
}

bool BoardPlayer::solved(int word) const {
    return thePuzzle.solvedFlags[word] != 0;
}

int BoardPlayer::currentWord() const {
    return thePuzzle.currentEntry;
}

void BoardPlayer::clearScreen(gfx::Surface& screen) {
    board::CoverBoard(screen);
}

// The current word, perhaps just edited, is set up at once.
void BoardPlayer::editorClosed() {
    board::RebuildPuzzle();
}

void BoardPlayer::documentChanged(const std::string& path) {
    if (std::exchange(listJustRead_, false))
        RestoreProgress(path);
    else
        KeepProgress(path);
}

} // namespace app
