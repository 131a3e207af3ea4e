// The board as the real view paints it: frame, grid, guide, scattered pieces, version caption.
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "platform/clock_random.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

constexpr gfx::Rgb kWhite = gfx::rgb(255, 255, 255);
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);

class BoardPaint : public ::testing::Test {
  protected:
    // Opens a list whose first word is `kanji`, at the given level, and lets the paint run.
    void openWord(const std::string& kanji, int difficulty) {
        thePuzzle.difficulty = difficulty;
        file = std::make_unique<TempFile>(wordListBytes({{kanji, "よみ", "gloss"}}));
        ASSERT_TRUE(game.app().document().open(file->path()));
        game.settle();
    }
    bool anyPixel(int left, int top, int right, int bottom, gfx::Rgb colour) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (game.pixel(x, y) == colour)
                    return true;
        return false;
    }
    RunningApp game;
    std::unique_ptr<TempFile> file;
};

TEST_F(BoardPaint, BeforeAnySetUpOnlyTheEmptyFrameOfOneCellShows) {
    EXPECT_EQ(game.pixel(60, 200), kFrameBlue);
    EXPECT_EQ(game.pixel(270, 200), kFrameBlue);
    EXPECT_EQ(game.pixel(165, 130), kFrameBlue);
    EXPECT_EQ(game.pixel(280, 200), kWhite);
    EXPECT_TRUE(anyPixel(160, 140, 170, 330, kGridRed));
    // No piece anywhere in the scatter rows.
    EXPECT_FALSE(anyPixel(0, 370, 940, 620, gfx::kBlack));
    for (int x = 10; x < 930; x += 7)
        EXPECT_EQ(game.pixel(x, 450), kWhite) << x;
}

TEST_F(BoardPaint, VersionCaptionIsRedNearItsOrigin) {
    EXPECT_TRUE(anyPixel(800, 77, 900, 97, kGridRed));
    EXPECT_FALSE(anyPixel(700, 77, 795, 97, kGridRed));
}

TEST_F(BoardPaint, AtLevelOneEachScatteredPieceShowsItsSolidColourAroundTheStrokes) {
    openWord("林檎", 1);
    ASSERT_EQ(thePuzzle.cellCount, 1);
    const gfx::Rgb colours[] = {0, gfx::rgb(255, 0, 255), gfx::rgb(0, 0, 255),
                                gfx::rgb(0, 255, 255), gfx::rgb(255, 255, 0)};
    for (int j = 1; j <= 4; ++j) {
        const int x = thePuzzle.pieceX[1][j], y = thePuzzle.pieceY[1][j];
        EXPECT_EQ(y, 380);
        EXPECT_EQ(game.pixel(x + 1, y + 1), colours[j]) << "piece " << j;
        EXPECT_EQ(game.pixel(x + 98, y + 98), colours[j]) << "piece " << j;
    }
    // The strokes are black on the sheet, so some piece shows black.
    EXPECT_TRUE(anyPixel(20, 380, 450, 480, gfx::kBlack));
    // The guide shows the whole word although one cell is played.
    EXPECT_TRUE(anyPixel(270, 140, 460, 330, kGuideGrey));
}

TEST_F(BoardPaint, PiecesStandInTheirScatterRows) {
    openWord("路面電車", 2);
    ASSERT_EQ(thePuzzle.cellCount, 4);
    for (int g = 1; g <= 4; ++g) {
        std::vector<int> xs;
        for (int j = 1; j <= 4; ++j) {
            EXPECT_EQ(thePuzzle.pieceY[g][j], g % 2 ? 380 : 510);
            xs.push_back(thePuzzle.pieceX[g][j]);
        }
        std::sort(xs.begin(), xs.end());
        const int first = g <= 2 ? 20 : 490;
        EXPECT_EQ(xs, (std::vector<int>{first, first + 110, first + 220, first + 330}));
    }
}

TEST_F(BoardPaint, FourCellFrameAndGridLines) {
    openWord("路面電車", 2);
    EXPECT_EQ(game.pixel(60, 300), kFrameBlue);
    EXPECT_EQ(game.pixel(870, 300), kFrameBlue);
    EXPECT_EQ(game.pixel(875, 300), kWhite);
    for (int x : {165, 265, 365, 465, 565, 665, 765})
        EXPECT_TRUE(anyPixel(x, 136, x + 1, 334, kGridRed)) << x;
    EXPECT_FALSE(anyPixel(166, 136, 167, 230, kGridRed));
}

TEST_F(BoardPaint, LevelThreeDrawsNoGuide) {
    openWord("路面電車", 3);
    EXPECT_FALSE(anyPixel(66, 136, 865, 335, kGuideGrey));
}

TEST_F(BoardPaint, LevelTwoDrawsTheGreyGuideInsideTheFrame) {
    openWord("山", 2);
    EXPECT_TRUE(anyPixel(66, 136, 265, 335, kGuideGrey));
}

TEST_F(BoardPaint, SetUpsInTheSameSecondScatterAlike) {
    platform::setClock([] { return std::time_t{1700000000}; });
    openWord("路面電車", 2);
    const PieceGrid first = thePuzzle.pieceX;
    RebuildPuzzle();
    EXPECT_EQ(thePuzzle.pieceX, first);
    platform::setClock([] { return std::time_t{1700000001}; });
    RebuildPuzzle();
    EXPECT_NE(thePuzzle.pieceX, first);
}

} // namespace
