// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/navigation.h"

#include "board/board_scene.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/fonts.h"
#include "wordlist/word_list.h"

namespace {
constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);
} // namespace

void OnNext() {
    thePuzzle.currentEntry = thePuzzle.currentEntry < kWordCount ? thePuzzle.currentEntry + 1 : 1;
    PreviewCurrentWord();
}

void OnBack() {
    thePuzzle.currentEntry = thePuzzle.currentEntry > 1 ? thePuzzle.currentEntry - 1 : kWordCount;
    PreviewCurrentWord();
}

// The sheet holds the new word already, for a paint before the set-up; the old word's pieces,
// its presentation and its smile leave the board with it.
void PreviewCurrentWord() {
    LoadSheetTexture();
    ComputeCellCount();
    thePuzzle.captionText = theWordList[thePuzzle.currentEntry].reading;
    {
        gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
        DrawKanjiOnSheet(sheet, 1510);
    }
    thePuzzle.scene = BoardScene::Preview;
    thePuzzle.solvedNow = 0;
    thePuzzle.repaintPending = 1;
    ShowBoardAfresh();
}

void DrawPreview(gfx::Surface& screen) {
    // The guide keeps the surface's opaque white background and shows at every difficulty.
    const gfx::Font previous = screen.selectFont(gfx::pointFont(1510, thePuzzle.fontFace));
    screen.setTextColour(kGuideGrey);
    screen.setTransparent(false);
    screen.textOut(65, 135, theWordList[thePuzzle.currentEntry].kanji);
    screen.selectFont(gfx::pointFont(600, gfx::kFacePMincho));
    screen.setTransparent(true);
    screen.textOut(50, 10, thePuzzle.captionText);
    screen.selectFont(previous);
}
