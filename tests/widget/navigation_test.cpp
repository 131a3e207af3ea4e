// つぎへ and もどる: wrap-around, the preview they draw, and the one set-up that follows.
#include "board/navigation.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/sjis.h"
#include "support/listnav_support.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <gtest/gtest.h>

using namespace testing_support;
using platform::sjis;

namespace {

constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kRed = gfx::rgb(255, 0, 0);

class Navigation : public ::testing::Test {
  protected:
    Navigation() {
        for (int k = 1; k <= kWordCount; ++k)
            theWordList[k] = {sjis("山"), sjis("やま") + std::to_string(k), "mountain"};
    }
    ~Navigation() override { platform::setClock({}); }
    const QImage& screen() { return game.pixels(); }
    RunningApp game;
};

TEST_F(Navigation, MovesWithWrapAroundAndTakesTheNewReading) {
    struct Case {
        int from;
        void (*command)();
        int to;
    };
    for (const Case& c :
         {Case{50, OnNext, 1}, Case{1, OnBack, 50}, Case{7, OnNext, 8}, Case{7, OnBack, 6}}) {
        thePuzzle.currentEntry = c.from;
        thePuzzle.repaintPending = 0;
        c.command();
        EXPECT_EQ(thePuzzle.currentEntry, c.to) << "from " << c.from;
        EXPECT_EQ(thePuzzle.captionText, theWordList[c.to].reading) << "from " << c.from;
        EXPECT_EQ(thePuzzle.repaintPending, 1) << "from " << c.from;
    }
}

TEST_F(Navigation, PreviewShowsGuideReadingAndFrameOnly) {
    theWordList[2] = {sjis("林檎"), sjis("りんご"), "apple"};
    for (int difficulty : {1, 2, 3}) {
        thePuzzle.difficulty = difficulty;
        thePuzzle.currentEntry = 1;
        OnNext();
        game.settle();
        SCOPED_TRACE(difficulty);
        // The whole word's guide at every level, the second character outside a one-cell frame.
        EXPECT_TRUE(anyPixel(screen(), QRect(66, 136, 199, 199), exactly(kGuideGrey)));
        EXPECT_TRUE(anyPixel(screen(), QRect(276, 136, 190, 199), exactly(kGuideGrey)));
        EXPECT_EQ(game.pixel(60, 200), kFrameBlue);
        EXPECT_EQ(game.pixel(270, 200), difficulty == 1 ? kFrameBlue : gfx::kWindowColour);
        EXPECT_EQ(game.pixel(470, 200), difficulty == 1 ? gfx::kWindowColour : kFrameBlue);
        // The reading at the top left, nothing above or left of its origin.
        const auto reading = inkBounds(screen(), QRect(0, 0, 800, 130), exactly(kGuideGrey));
        ASSERT_TRUE(reading);
        EXPECT_GE(reading->left(), 50);
        EXPECT_GE(reading->top(), 10);
        // The sheet holds the new word for a paint before the set-up; no texture has black.
        EXPECT_TRUE(anyPixel(*gfx::bitmapSlots()[gfx::kSheetSlot], QRect(0, 0, 400, 200),
                             exactly(gfx::kBlack)));
        // No grid, no pieces, no version caption.
        EXPECT_FALSE(anyPixel(screen(), QRect(66, 136, 400, 199), exactly(kRed)));
        EXPECT_FALSE(anyPixel(screen(), QRect(0, 345, 945, 379), notWhite));
        EXPECT_FALSE(anyPixel(screen(), QRect(800, 77, 145, 25), notWhite));
    }
}

TEST_F(Navigation, SeveralStepsThenOneMoveGiveOneSetUp) {
    int setUps = 0; // every set-up of a one-cell word reads the clock once
    platform::setClock([&] {
        ++setUps;
        return std::time_t{1700000000};
    });
    thePuzzle.currentEntry = 1;
    OnNext();
    OnNext();
    OnNext();
    EXPECT_EQ(thePuzzle.currentEntry, 4);
    EXPECT_EQ(setUps, 0);
    game.move(500, 600);
    EXPECT_EQ(setUps, 1);
    EXPECT_EQ(thePuzzle.repaintPending, 0);
    EXPECT_EQ(thePuzzle.pieceY[1][1], 380);
    game.move(510, 600);
    EXPECT_EQ(setUps, 1);
}

} // namespace
