// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/score.h"

#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

#include <algorithm>

namespace rewards {

namespace {

constexpr int kDigitSize = 60;
constexpr int kDigitsTop = 475;

void drawDigit(gfx::Surface& window, const gfx::Surface& digits, int x, int digit) {
    window.bitBlt(x, kDigitsTop, kDigitSize, kDigitSize, digits, kDigitSize * digit, 0);
}

} // namespace

int SolvedWordCount() {
    const auto& flags = board::thePuzzle.solvedFlags;
    return static_cast<int>(std::count_if(
        flags.begin() + 1, flags.begin() + wordlist::kWordCount + 1, [](int f) { return f; }));
}

void DrawScore(gfx::Surface& window) {
    const int count = SolvedWordCount();
    static const std::string label = platform::sjis("正解数:");
    static const std::string outOf = platform::sjis("／５０");
    gfx::DrawBoldText(window, 335, 500, 35, gfx::rgb(255, 0, 0), label);
    gfx::DrawBoldText(window, 605, 500, 35, gfx::kBlack, outOf);
    const gfx::Surface digits(gfx::loadResourceBitmap(gfx::kDigitStrip));
    drawDigit(window, digits, 525, count % 10);
    if (count >= 10)
        drawDigit(window, digits, 465, count / 10);
}

} // namespace rewards
