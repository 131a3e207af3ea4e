#include "board/navigation.h"

#include "board/board_drawing.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/fonts.h"
#include "wordlist/word_list.h"

namespace {

constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);

// The chosen word is only previewed here; the puzzle is set up at the next pointer move.
void showChosenWord() {
    gfx::WindowSurface screen;
    LoadSheetTexture();
    ClearBoard(screen);
    ComputeCellCount();
    {
        gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
        DrawPreview(screen, sheet);
    }
    DrawBoardFrame(screen);
    thePuzzle.repaintPending = 1;
}

} // namespace

void OnNext() {
    thePuzzle.currentEntry = thePuzzle.currentEntry < kWordCount ? thePuzzle.currentEntry + 1 : 1;
    showChosenWord();
}

void OnBack() {
    thePuzzle.currentEntry = thePuzzle.currentEntry > 1 ? thePuzzle.currentEntry - 1 : kWordCount;
    showChosenWord();
}

void DrawPreview(gfx::Surface& screen, gfx::Surface& sheet) {
    const WordEntry& word = theWordList[thePuzzle.currentEntry];
    thePuzzle.captionText = word.reading;
    // The guide keeps the surface's opaque white background and shows at every difficulty.
    const gfx::Font previous = screen.selectFont(gfx::pointFont(1510, thePuzzle.fontFace));
    screen.setTextColour(kGuideGrey);
    screen.textOut(65, 135, word.kanji);
    DrawKanjiOnSheet(sheet, 1510);

    screen.selectFont(gfx::pointFont(600, gfx::kFacePMincho));
    screen.setTransparent(true);
    screen.textOut(50, 10, thePuzzle.captionText);
    screen.selectFont(previous);
}
