// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The board as the real view shows it once a word is set up: frame, grid, guide, tints, scattered
// pieces; what a paint, a save, a resize and the settings do to it; the scatter's fairness.
#include "support/play_support.h"
#include "support/shell_support.h"

using namespace app;
using namespace board;

using namespace testing_support;

namespace {

constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);
// At level 1 each piece's home shows a quarter of the piece's colour on white.
const gfx::Rgb kTint[] = {0, gfx::rgb(255, 192, 255), gfx::rgb(192, 192, 255),
                          gfx::rgb(192, 255, 255), gfx::rgb(255, 255, 192)};

TEST(BoardPaint, SetUpDrawsFrameGridGuideTintsAndPiecesForTheWordAndLevel) {
    const struct {
        const char* kanji;
        int difficulty, cells;
        bool guide, guidePastFirstCell;
    } rows[] = {{"林檎", 1, 1, true, true},
                {"山", 2, 1, true, false},
                {"路面電車", 2, 4, true, true},
                {"路面電車", 3, 4, false, false}};
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
        // The guide shows the whole word although one cell is played at level 1.
        EXPECT_EQ(game.count({66, 136, 199, 199}, kGuideGrey) > 0, r.guide);
        EXPECT_EQ(game.count({276, 136, 190, 199}, kGuideGrey) > 0, r.guidePastFirstCell);
        for (int j = 1; j <= kPiecesPerCell; ++j)
            EXPECT_EQ(game.count({thePuzzle.homeX[1][j], thePuzzle.homeY[1][j], 100, 100},
                                 kTint[j]) > 5000,
                      r.difficulty == 1)
                << "home " << j;
        for (int g = 1; g <= r.cells; ++g) {
            std::vector<int> xs;
            for (int j = 1; j <= kPiecesPerCell; ++j) {
                const int x = thePuzzle.pieceX[g][j], y = thePuzzle.pieceY[g][j];
                EXPECT_EQ(y, g % 2 ? 380 : 510);
                xs.push_back(x);
                if (r.difficulty == 1) {
                    EXPECT_EQ(game.pixel(x + 98, y + 98), kSolid[j]) << "piece " << j;
                }
            }
            std::sort(xs.begin(), xs.end());
            const int first = g <= 2 ? 20 : 490;
            EXPECT_EQ(xs, (std::vector<int>{first, first + 110, first + 220, first + 330}));
        }
    }
}

// Set-ups in the same second scatter alike; over ten minutes of seconds every piece lands in
// each of the four places of its cell often.
TEST(BoardPaint, TheScatterIsFixedWithinASecondAndFairOverMany) {
    RunningApp game;
    game.openWords({{"路面電車", "よみ", "gloss"}});
    std::time_t now = 1700000000;
    platform::setClock([&] { return now; });
    RebuildPuzzle();
    const PieceGrid first = thePuzzle.pieceX;
    RebuildPuzzle();
    EXPECT_EQ(thePuzzle.pieceX, first);
    std::map<std::tuple<int, int, int>, int> landings; // cell, piece, x
    for (int i = 0; i < 600; ++i, ++now) {
        RebuildPuzzle();
        for (int g = 1; g <= 4; ++g)
            for (int j = 1; j <= kPiecesPerCell; ++j)
                ++landings[{g, j, thePuzzle.pieceX[g][j]}];
    }
    // Each piece of each cell in each of its cell's four places, about 150 times in 600.
    EXPECT_EQ(landings.size(), 64u);
    for (const auto& [place, times] : landings)
        EXPECT_GT(times, 100) << std::get<0>(place) << "," << std::get<1>(place);
}

// A level or face chosen shows at once on the word in play and is the one of the next start;
// choosing the ticked level or face again leaves a piece where the child put it.
TEST(BoardPaint, ALevelOrFaceChosenShowsAtOnceAndSurvivesARestart) {
    TempFile list(wordListBytes({{"山", "やま", "mountain"}}));
    {
        RunningApp game({"torvex", list.path()});
        const QRect home(thePuzzle.homeX[1][1], thePuzzle.homeY[1][1], 100, 100);
        ASSERT_EQ(game.count(home, kTint[1]), 0);
        game.app().frame().sendCommand(ID_LEVEL_1);
        const QImage gothic = game.pixels().copy();
        game.app().frame().sendCommand(ID_FONT_MINCHO);
        EXPECT_GT(game.count(home, kTint[1]), 5000);
        EXPECT_NE(game.pixels(), gothic); // the kanji drawn in a face of the other kind
        game.click(thePuzzle.pieceX[1][1] + 50, thePuzzle.pieceY[1][1] + 50);
        game.click(550, 250);
        game.app().frame().sendCommand(ID_LEVEL_1);
        game.app().frame().sendCommand(ID_FONT_MINCHO);
        EXPECT_EQ(QPoint(thePuzzle.pieceX[1][1], thePuzzle.pieceY[1][1]), QPoint(500, 200));
    }
    resetProgramState();
    CTorvexApp restarted;
    ASSERT_TRUE(restarted.InitInstance({"torvex"}));
    EXPECT_EQ(thePuzzle.difficulty, 1);
    EXPECT_EQ(thePuzzle.fontFace, "ＭＳ 明朝");
    resetProgramState();
}

} // namespace
