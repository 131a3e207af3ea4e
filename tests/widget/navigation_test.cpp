// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// つぎへ and もどる: wrap-around, the preview they draw, and the one set-up that follows.
#include "app/commands.h"
#include "board/navigation.h"
#include "gfx/bitmap_set.h"
#include "platform/sound.h"
#include "support/rewards_support.h"

using namespace testing_support;
using platform::sjis;

namespace {

constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);

class Navigation : public ::testing::Test {
  protected:
    Navigation() {
        for (int k = 1; k <= kWordCount; ++k)
            theWordList[k] = {sjis("林檎"), sjis("りんご") + std::to_string(k), "apple"};
    }
    RunningApp game;
};

// Each step wraps around and takes the new reading. Its preview shows the whole word's guide at
// every level, the second character outside a one-cell frame; the reading at the top left; no
// grid or pieces; the sheet holds the new word already.
TEST_F(Navigation, MovesWithWrapAroundAndPreviewsGuideReadingAndFrameOnly) {
    const struct {
        int from;
        void (*command)();
        int to, difficulty;
    } cases[] = {{50, OnNext, 1, 1}, {1, OnBack, 50, 2}, {7, OnNext, 8, 3}, {7, OnBack, 6, 1}};
    for (const auto& step : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << step.from << " to " << step.to);
        thePuzzle.difficulty = step.difficulty;
        thePuzzle.currentEntry = step.from;
        step.command();
        EXPECT_EQ(thePuzzle.currentEntry, step.to);
        EXPECT_EQ(thePuzzle.captionText, theWordList[step.to].reading);
        EXPECT_GT(game.count({276, 136, 190, 199}, kGuideGrey), 0);
        EXPECT_EQ(game.pixel(270, 200), step.difficulty == 1 ? kFrameBlue : gfx::kWindowColour);
        EXPECT_GT(game.count({50, 10, 300, 80}, kGuideGrey), 0);
        EXPECT_EQ(game.count({66, 136, 400, 199}, gfx::rgb(255, 0, 0)), 0);
        EXPECT_EQ(countPixels(game.pixels(), {0, 345, 945, 379}, notWhite), 0);
        const QImage& sheet = *gfx::bitmapSlots()[gfx::kSheetSlot];
        EXPECT_GT(countPixels(sheet, {0, 0, 400, 200}, [](gfx::Rgb c) { return c == gfx::kBlack; }),
                  0);
    }
}

// A press before any move acts on the word on screen: a click where the solved word's Next
// button was does not skip the previewed word, and a piece carried from the old word is gone.
TEST_F(Navigation, APressRightAfterAStepActsOnTheNewWord) {
    platform::closeAudio();
    game.openWords({{"山", "やま", "mountain"}, {"川", "かわ", "river"}, {"木", "き", "tree"}});
    for (int command : {ID_NEXT_WORD, ID_PREV_WORD}) {
        rewards_support::solveCurrentWord(game);
        const int solved = thePuzzle.currentEntry;
        game.click(thePuzzle.pieceX[1][1] + 50, thePuzzle.pieceY[1][1] + 50);
        ASSERT_EQ(thePuzzle.selectedPiece, 1);
        game.app().frame().sendCommand(command);
        const int shown = thePuzzle.currentEntry;
        EXPECT_NE(shown, solved);
        game.click(800, 505);
        EXPECT_EQ(thePuzzle.currentEntry, shown);
        EXPECT_EQ(thePuzzle.solvedNow, 0);
        EXPECT_EQ(thePuzzle.selectedPiece, -1);
        EXPECT_TRUE(game.showsItsState());
    }
}

// With no move between, a press after a step still finds the new word's pieces: the lower row
// holds only a four-character word's.
TEST_F(Navigation, APressRightAfterAStepPicksUpAPieceOfTheNewWord) {
    game.openWords({{"山"}, {"路面電車"}});
    game.move(70, 560);
    game.app().frame().sendCommand(ID_NEXT_WORD);
    game.click(70, 560);
    EXPECT_GT(thePuzzle.selectedPiece, 0);
}

} // namespace
