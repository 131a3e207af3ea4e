// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/story_captions.h"

#include "board/board_rewards.h"
#include "board/puzzle_state.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"

#include <algorithm>
#include <string>

namespace board {

namespace {

constexpr gfx::Rgb kFrogLineCyan = gfx::rgb(0, 255, 255);
constexpr gfx::Rgb kGirlLineMagenta = gfx::rgb(255, 0, 255);
constexpr gfx::Rgb kReadingGreen = gfx::rgb(0, 170, 0);

// The frog's line with the signboard's number in plain decimal.
std::string frogLine(int entry) {
    static const std::string before = platform::sjis("もころん「あれれ？\u3000");
    static const std::string after = platform::sjis(" 番目の看板がバラバラになっちゃったよ。」");
    return before + std::to_string(entry) + after;
}

const std::string& girlLineHead() {
    static const std::string head = platform::sjis("ぷりむ\u3000\u3000「たしか\u3000”");
    return head;
}

const std::string& girlLineTail() {
    static const std::string tail =
        platform::sjis("”って意味だったよ。\u3000直してみようよ(＾o＾)／♪」");
    return tail;
}

// The tail's width in the bold face at height 25, measured: a reading longer than leaves room for
// it before the reward figure's place at rest puts the tail on a row of its own.
constexpr int kTailWidth = 483;
constexpr int kTailRowY = 82;
constexpr int kTailRowX = 130; // clear of the girl's face at its start
constexpr int kGapBeforeFigure = 5;

} // namespace

// The reading is drawn whole, however long, and the tail follows from its whole byte length.
// The three parts of the girl's line all end at y 75: the reading starts higher and is taller.
void DrawStoryCaptions(gfx::Surface& window) {
    const std::string& reading = thePuzzle.captionText;
    gfx::DrawBoldText(window, 10, 10, 25, kFrogLineCyan, frogLine(thePuzzle.currentEntry));
    gfx::DrawBoldText(window, 10, 50, 25, kGirlLineMagenta, girlLineHead());
    gfx::DrawBoldText(window, 235, 45, 30, kReadingGreen, reading);
    const Point tail = storyTailAt(reading.size());
    gfx::DrawBoldText(window, tail.x, tail.y, 25, kGirlLineMagenta, girlLineTail());
}

// Where the figure rests the tail would lie under it and lose its end: it goes to the row below.
Point storyTailAt(std::size_t readingBytes) {
    // The clamp keeps the sum in range for any reading.
    constexpr std::size_t kOutOfSightBytes = 100'000'000;
    const int x = 250 + 13 * static_cast<int>(std::min(readingBytes, kOutOfSightBytes));
    const gfx::Box figure = theBoardRewards().figurePlaceAtRest();
    if (!figure.empty() && x + kTailWidth + kGapBeforeFigure > figure.x)
        return {kTailRowX, kTailRowY};
    return {x, 50};
}

} // namespace board
