#include "rewards/completion.h"

#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/bold_text.h"
#include "platform/resources.h"
#include "rewards/score.h"
#include "rewards/signboard.h"
#include "rewards/word_picture.h"
#include "rewards/word_sound.h"
#include "wordlist/word_list.h"

namespace {

const WordEntry& currentWord() {
    return theWordList[thePuzzle.currentEntry];
}

// The gloss is drawn whole, however long: the drawing layer leaves out what cannot be seen.
void DrawGlossAndBadge(gfx::Surface& window) {
    gfx::DrawBoldText(window, 335, 380, 50, gfx::rgb(255, 0, 255), currentWord().english);
    // Held only while it is drawn; its 100 x 100 copy covers just the badge's own 48 x 48.
    auto& slot = gfx::bitmapSlots()[gfx::kBadgeSlot];
    slot = gfx::loadResourceBitmap(gfx::kBadge);
    window.bitBlt(30, 380, 100, 100, gfx::Surface(slot), 0, 0);
    slot.reset();
}

// A word's picture hides the badge; without one, or with an unreadable file, it stays in view.
void DrawWordPicture(gfx::Surface& window) {
    const gfx::Surface picture(WordPicture(thePuzzle.currentEntry));
    window.bitBlt(20, 380, 300, 300, picture, 0, 0);
}

void DrawNextButton(gfx::Surface& window) {
    if (thePuzzle.currentEntry >= kWordCount)
        return;
    const gfx::Surface button(gfx::bitmapSlots()[gfx::kNextSlot]);
    window.bitBlt(700, 475, 200, 60, button, 0, 0);
}

} // namespace

void PresentCompletion(gfx::WindowSurface& window) {
    DrawSignboard(window);
    DrawGlossAndBadge(window);
    DrawWordPicture(window);
    DrawScore(window);
    // The fallback sound holds the thread: the child sees the reward while it plays, and the
    // Next button only once it has ended.
    window.showNow();
    PlayWordSound(platform::loadResourceWave(kFallbackWaveId));
    DrawNextButton(window);
}
