// The board as the real view paints it: frame, grid, guide, scattered pieces, version caption.
#include "board/puzzle_setup.h"
#include "platform/clock_random.h"
#include "support/test_support.h"

using namespace testing_support;

namespace {

constexpr gfx::Rgb kWhite = gfx::kWindowColour;
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);

TEST(BoardPaint, BeforeAnySetUpOnlyTheEmptyFrameOfOneCellAndTheVersionCaptionShow) {
    RunningApp game;
    EXPECT_EQ(game.pixel(60, 200), kFrameBlue);
    EXPECT_EQ(game.pixel(165, 130), kFrameBlue);
    EXPECT_EQ(game.pixel(270, 200), kFrameBlue);
    EXPECT_EQ(game.pixel(280, 200), kWhite);
    EXPECT_GT(game.count({165, 140, 1, 190}, kGridRed), 0);
    EXPECT_EQ(countPixels(game.pixels(), {0, 345, 945, 379}, notWhite), 0) << "no piece";
    EXPECT_GT(game.count({800, 77, 100, 20}, kGridRed), 0) << "version caption";
    EXPECT_EQ(game.count({700, 77, 95, 20}, kGridRed), 0);
}

TEST(BoardPaint, SetUpDrawsFrameGridGuideAndPiecesForTheWordAndLevel) {
    const struct {
        const char* kanji;
        int difficulty, cells;
        bool guide, guidePastFirstCell;
    } rows[] = {{"林檎", 1, 1, true, true},
                {"山", 2, 1, true, false},
                {"路面電車", 2, 4, true, true},
                {"路面電車", 3, 4, false, false}};
    // At level 1 each piece shows its own solid colour around the black strokes.
    const gfx::Rgb solid[] = {0, gfx::rgb(255, 0, 255), gfx::rgb(0, 0, 255), gfx::rgb(0, 255, 255),
                              gfx::rgb(255, 255, 0)};
    for (const auto& r : rows) {
        SCOPED_TRACE(std::string(r.kanji) + " at level " + std::to_string(r.difficulty));
        RunningApp game;
        thePuzzle.difficulty = r.difficulty;
        game.openWords({{r.kanji, "よみ", "gloss"}});
        ASSERT_EQ(thePuzzle.cellCount, r.cells);
        const int right = 200 * r.cells + 70;
        EXPECT_EQ(game.pixel(right, 300), kFrameBlue);
        EXPECT_EQ(game.pixel(right + 5, 300), kWhite);
        for (int x = 165; x < right - 5; x += 100)
            EXPECT_GT(game.count({x, 136, 1, 199}, kGridRed), 0) << x;
        EXPECT_EQ(game.count({166, 136, 1, 95}, kGridRed), 0);
        // The guide shows the whole word although one cell is played at level 1.
        EXPECT_EQ(game.count({66, 136, 199, 199}, kGuideGrey) > 0, r.guide);
        EXPECT_EQ(game.count({276, 136, 190, 199}, kGuideGrey) > 0, r.guidePastFirstCell);
        for (int g = 1; g <= r.cells; ++g) {
            std::vector<int> xs;
            for (int j = 1; j <= kPiecesPerCell; ++j) {
                const int x = thePuzzle.pieceX[g][j], y = thePuzzle.pieceY[g][j];
                EXPECT_EQ(y, g % 2 ? 380 : 510);
                xs.push_back(x);
                if (r.difficulty == 1) {
                    EXPECT_EQ(game.pixel(x + 1, y + 1), solid[j]) << "piece " << j;
                    EXPECT_EQ(game.pixel(x + 98, y + 98), solid[j]) << "piece " << j;
                }
            }
            std::sort(xs.begin(), xs.end());
            const int first = g <= 2 ? 20 : 490;
            EXPECT_EQ(xs, (std::vector<int>{first, first + 110, first + 220, first + 330}));
        }
    }
}

TEST(BoardPaint, SetUpsInTheSameSecondScatterAlike) {
    RunningApp game;
    platform::setClock([] { return std::time_t{1700000000}; });
    game.openWords({{"路面電車", "よみ", "gloss"}});
    const PieceGrid first = thePuzzle.pieceX;
    RebuildPuzzle();
    EXPECT_EQ(thePuzzle.pieceX, first);
    platform::setClock([] { return std::time_t{1700000001}; });
    RebuildPuzzle();
    EXPECT_NE(thePuzzle.pieceX, first);
}

} // namespace
