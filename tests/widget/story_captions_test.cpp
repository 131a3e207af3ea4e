// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two story lines, read back from the window after real pointer moves. The bold text is
// drawn without antialiasing, so its colours are exact.
#include "gfx/bold_text.h"
#include "support/play_support.h"

#include <QMenuBar>

using namespace board;
using namespace wordlist;

namespace testing_support {
namespace {

constexpr gfx::Rgb kCyan = gfx::rgb(0, 255, 255);
constexpr gfx::Rgb kMagenta = gfx::rgb(255, 0, 255);
constexpr gfx::Rgb kGreen = gfx::rgb(0, 170, 0);
constexpr int kLinesBottom = 77; // the version caption starts below

// The lines as they must read, drawn on their own onto a white image `width` wide.
QImage expectedLines(int entry, const std::string& readingSjis, int tailX, int width = 945) {
    auto image = std::make_shared<QImage>(width, kLinesBottom, QImage::Format_RGB32);
    image->fill(Qt::white);
    gfx::Surface surface(image);
    using platform::sjis;
    gfx::DrawBoldText(surface, 10, 10, 25, kCyan,
                      sjis("もころん「あれれ？\u3000" + std::to_string(entry) +
                           " 番目の看板がバラバラになっちゃったよ。」"));
    gfx::DrawBoldText(surface, 10, 50, 25, kMagenta, sjis("ぷりむ\u3000\u3000「たしか\u3000”"));
    gfx::DrawBoldText(surface, 235, 45, 30, kGreen, readingSjis);
    gfx::DrawBoldText(surface, tailX, 50, 25, kMagenta,
                      sjis("”って意味だったよ。\u3000直してみようよ(＾o＾)／♪」"));
    return *image;
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
    // Pixels of the lines' rows that differ from `expected`; the faces' box is not compared.
    int differences(const QImage& expected) {
        int wrong = 0;
        for (int y = 0; y < kLinesBottom; ++y)
            for (int x = 0; x < expected.width(); ++x)
                wrong += !(x >= 85 && x < 125 && y < 85) &&
                         game.pixel(x, y) != (expected.pixel(x, y) & 0xFFFFFF);
        return wrong;
    }

    int moves = 0;
};

// The tail moves 13 pixels per byte of the reading, whatever its characters.
// Drawn with the board at every set-up, before any pointer move.
TEST_F(StoryCaptions, TheLinesNameTheWordsNumberAndReadingEachInItsColour) {
    EXPECT_EQ(differences(expectedLines(1, platform::sjis("やま"), 302)), 0);
    const struct {
        int entry;
        const char* reading;
        int tailX;
    } rows[] = {{7, "かわ", 302}, {50, "ごじゅう", 354}, {1, "", 250},
                {1, "abc", 289},  {1, "a", 263},         {1, "漢a", 289}};
    for (const auto& row : rows) {
        const std::string reading = platform::sjis(row.reading);
        showWord(row.entry, reading);
        EXPECT_EQ(differences(expectedLines(row.entry, reading, row.tailX)), 0) << row.reading;
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
