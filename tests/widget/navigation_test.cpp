// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// つぎへ, もどる and the Next button: wrap-around, words without a kanji passed over, the new
// word set up at once.
#include "support/rewards_support.h"

using namespace app;
using namespace board;
using namespace wordlist;

using namespace testing_support;

namespace {

class Navigation : public ::testing::Test {
  protected:
    void open(int words) {
        std::vector<std::vector<std::string>> list;
        for (int k = 1; k <= words; ++k)
            list.push_back({k == 3  ? ""
                            : k % 2 ? "林檎"
                                    : "山",
                            "よみ" + std::to_string(k), "gloss"});
        game.openWords(list);
    }
    void command(int id) { game.app().frame().sendCommand(id); }
    RunningApp game;
};

// With no pointer move after the step, the new word's pieces lie scattered on the board, each
// showing its part of the sheet.
TEST_F(Navigation, AStepSetsTheNewWordUpAtOnce) {
    open(kWordCount);
    const struct {
        int from, command, to;
    } cases[] = {{50, ID_NEXT_WORD, 1}, {1, ID_PREV_WORD, 50}, {7, ID_NEXT_WORD, 8},
                 {7, ID_PREV_WORD, 6},  {2, ID_NEXT_WORD, 4},  {4, ID_PREV_WORD, 2}};
    for (const auto& step : cases) {
        SCOPED_TRACE(::testing::Message() << "from " << step.from << " to " << step.to);
        thePuzzle.currentEntry = step.from;
        command(step.command);
        EXPECT_EQ(thePuzzle.currentEntry, step.to);
        const QImage& sheet = *gfx::bitmapSlots()[gfx::kSheetSlot];
        for (int g = 1; g <= thePuzzle.cellCount; ++g)
            for (int j = 1; j <= kPiecesPerCell; ++j)
                EXPECT_TRUE(game.shows({thePuzzle.pieceX[g][j], thePuzzle.pieceY[g][j], 100, 100},
                                       sheet, {thePuzzle.sheetX[g][j], thePuzzle.sheetY[g][j]}));
    }
}

// Solving the last word leads on to the first through Next only while that is asked for.
TEST_F(Navigation, TheLastWordsNextLeadsToTheFirstWhenAskedFor) {
    platform::closeAudio();
    const struct {
        int words, last, onToFirst, after;
    } cases[] = {{kWordCount, 50, true, 1}, {7, 7, true, 1}, {7, 7, false, 7}, {7, 6, false, 7}};
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.last << " of " << c.words << " " << c.onToFirst);
        open(c.words);
        SetNextAfterLastWord(c.onToFirst != 0);
        thePuzzle.currentEntry = c.last - 1;
        command(ID_NEXT_WORD);
        rewards_support::solveCurrentWord(game);
        ASSERT_EQ(thePuzzle.solvedNow, 1);
        game.click(800, 505);
        EXPECT_EQ(thePuzzle.currentEntry, c.after);
    }
}

} // namespace
