// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/completion.h"

#include "board/board_scene.h"
#include "board/navigation.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/bold_text.h"
#include "platform/resources.h"
#include "rewards/reward_state.h"
#include "rewards/score.h"
#include "rewards/signboard.h"
#include "rewards/word_picture.h"
#include "rewards/word_sound.h"
#include "wordlist/word_list.h"

namespace rewards {

namespace {

const wordlist::WordEntry& currentWord() {
    return wordlist::theWordList[board::thePuzzle.currentEntry];
}

// The gloss is drawn whole, however long: the drawing layer leaves out what cannot be seen.
void DrawGlossAndBadge(gfx::Surface& target) {
    gfx::DrawBoldText(target, 335, 380, 50, gfx::rgb(255, 0, 255), currentWord().english);
    // Held only while it is drawn; its 100 x 100 copy covers just the badge's own 48 x 48.
    auto& slot = gfx::bitmapSlots()[gfx::kBadgeSlot];
    slot = gfx::loadResourceBitmap(gfx::kBadge);
    target.bitBlt(30, 380, 100, 100, gfx::Surface(slot), 0, 0);
    slot.reset();
}

// A word's picture hides the badge; without one, or with an unreadable file, it stays in view.
void DrawWordPicture(gfx::Surface& target) {
    const gfx::Surface picture(WordPicture(board::thePuzzle.currentEntry));
    target.bitBlt(20, 380, 300, 300, picture, 0, 0);
}

constexpr gfx::Box kNextButtonBox{700, 475, 200, 60};

void drawNextButton(gfx::Surface& target) {
    if (!NextButtonShown())
        return;
    const gfx::Surface button(gfx::loadResourceBitmap(gfx::kNextButton));
    target.bitBlt(kNextButtonBox.x, kNextButtonBox.y, kNextButtonBox.width, kNextButtonBox.height,
                  button, 0, 0);
}

} // namespace

bool NextButtonShown() {
    return theRewards.presentation == Presentation::Whole && board::thePuzzle.solvedNow &&
           board::WordAfterSolved() > 0;
}

void PressNextButton(int x, int y) {
    if (NextButtonShown() && board::pressHits(kNextButtonBox, x, y))
        board::GoToWordAfterSolved();
}

void DrawPresentation(gfx::Surface& target) {
    if (theRewards.presentation != Presentation::None) {
        DrawSignboard(target);
        DrawGlossAndBadge(target);
        DrawWordPicture(target);
        DrawScore(target);
    }
    drawNextButton(target);
}

void PresentCompletion(gfx::WindowSurface& window) {
    // The fallback sound holds the thread: the child sees the reward while it plays, and the
    // Next button only once it has ended.
    theRewards.presentation = Presentation::WithoutButton;
    board::ShowBoardAfresh();
    window.showNow();
    PlayWordSound(platform::loadResourceWave(kFallbackWaveId));
    theRewards.presentation = Presentation::Whole;
    board::EnsureBackdrop();
    {
        gfx::BackdropSurface backdrop;
        drawNextButton(backdrop);
    }
    board::RestoreArea(window, kNextButtonBox);
}

} // namespace rewards
