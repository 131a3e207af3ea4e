// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two story lines, read back from the window after real pointer moves. The bold text is
// drawn without antialiasing, so its colours are exact.
#include "support/play_support.h"

using namespace board;
using namespace wordlist;

namespace testing_support {
namespace {

constexpr gfx::Rgb kCyan = gfx::rgb(0, 255, 255);
constexpr gfx::Rgb kMagenta = gfx::rgb(255, 0, 255);
constexpr gfx::Rgb kGreen = gfx::rgb(0, 170, 0);

// Where ink of `colour` lies in `area` of the window, or an empty box.
QRect ink(RunningApp& game, QRect area, gfx::Rgb colour) {
    return inkBounds(game.pixels(), area, [colour](gfx::Rgb c) { return c == colour; })
        .value_or(QRect());
}

class StoryCaptions : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}}); }

    // Word `entry` with this reading is set up at the next move, as after next or back.
    void showWord(int entry, const std::string& readingSjis) {
        theWordList[entry].reading = readingSjis;
        thePuzzle.currentEntry = entry;
        thePuzzle.repaintPending = 1;
        game.move(500 + ++moves, 100);
    }
    int moves = 0;
};

// The boy's line is cyan, with one digit more for word 50 than for word 7; the reading is green
// from x 235; the girl's line is magenta, its tail 13 pixels further right per byte of the
// reading, whatever its characters. Drawn with the board at every set-up.
TEST_F(StoryCaptions, TheLinesNameTheWordsNumberAndReadingEachInItsColour) {
    const QRect boyRow(0, 5, 945, 35), girlRow(0, 42, 840, 35), tail(236, 42, 604, 35);
    EXPECT_FALSE(ink(game, girlRow, kGreen).isEmpty()); // やま, before any pointer move
    showWord(7, "");
    const QRect seven = ink(game, boyRow, kCyan);
    const int emptyTail = ink(game, tail, kMagenta).left();
    EXPECT_TRUE(ink(game, girlRow, kGreen).isEmpty());
    EXPECT_LT(ink(game, girlRow, kMagenta).left(), 20);
    showWord(50, "");
    EXPECT_GT(ink(game, boyRow, kCyan).width(), seven.width() + 8);
    EXPECT_EQ(ink(game, boyRow, kCyan).left(), seven.left());
    for (const char* reading : {"かわ", "ごじゅう", "abc", "a", "漢a"}) {
        const std::string bytes = platform::sjis(reading);
        showWord(1, bytes);
        EXPECT_EQ(ink(game, tail, kMagenta).left() - emptyTail, 13 * int(bytes.size())) << reading;
        EXPECT_GE(ink(game, girlRow, kGreen).left(), 235) << reading;
    }
}

// A reading longer than any fixed buffer is drawn whole as far as the board reaches. From five
// kana on, the tail would run under the reward figure's place at rest (x 850): it goes whole to
// the row below instead, clear of that place.
TEST_F(StoryCaptions, LongReadingsKeepTheGirlsLineWholeAndClearOfTheRewardFigure) {
    const QRect lines(0, 40, 945, 75);
    const auto magenta = [](gfx::Rgb c) { return c == kMagenta; };
    const int whole = countPixels(game.pixels(), lines, magenta);
    for (const std::string& reading :
         {platform::sjis("ごじゅう"), platform::sjis("しんかんせんのえきだ"),
          std::string(99, '.') + std::string(901, 'i')}) {
        showWord(1, reading);
        EXPECT_EQ(countPixels(game.pixels(), lines, magenta), whole) << reading.size();
        EXPECT_LT(inkBounds(game.pixels(), lines, magenta)->right(), 845) << reading.size();
    }
    EXPECT_GT(game.count({835, 45, 110, 30}, kGreen), 0);
}

} // namespace
} // namespace testing_support
