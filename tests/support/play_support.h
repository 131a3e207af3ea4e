#pragma once
// The running game on a word list of the test's own, for the tests of the pointer input, the
// faces and the story lines; plus pixel checks of the board window.
#include "board/puzzle_state.h"
#include "platform/clock_random.h"
#include "support/test_support.h"

#include <QCursor>
#include <QRect>
#include <gtest/gtest.h>
#include <memory>

namespace play {

using testing_support::RunningApp;
using testing_support::TempFile;
using testing_support::wordListBytes;

inline constexpr gfx::Rgb kWhite = gfx::kWindowColour;

// The game after a list of `entries` (kanji, reading, English) was opened and its first word
// set up, at the given difficulty. Scatter orders are fixed by a fixed clock.
class PlayBoard : public ::testing::Test {
  protected:
    void openList(const std::vector<std::vector<std::string>>& entries, int difficulty = 1) {
        // Qt drops a pointer move to where the cursor already is: start from outside the view.
        QCursor::setPos(-1000, -1000);
        platform::setClock([] { return std::time_t{1700000000}; });
        thePuzzle.difficulty = difficulty;
        file = std::make_unique<TempFile>(wordListBytes(entries));
        ASSERT_TRUE(game.app().document().open(file->path()));
        game.settle();
    }

    // Puts piece j of cell g at (x, y) and lets the board be painted as if it had lain there.
    void place(int g, int j, int x, int y) {
        thePuzzle.pieceX[g][j] = x;
        thePuzzle.pieceY[g][j] = y;
        game.view().requestPaint(true);
        game.settle();
    }

    int count(const QRect& area, gfx::Rgb colour) {
        int n = 0;
        for (int y = area.top(); y <= area.bottom(); ++y)
            for (int x = area.left(); x <= area.right(); ++x)
                n += game.pixel(x, y) == colour;
        return n;
    }

    // True when the window at (x, y) shows the w x h cell of `image` at (sx, sy) exactly.
    bool shows(int x, int y, const QImage& image, int sx, int sy, int w, int h) {
        for (int dy = 0; dy < h; ++dy)
            for (int dx = 0; dx < w; ++dx)
                if (game.pixel(x + dx, y + dy) != (image.pixel(sx + dx, sy + dy) & 0xFFFFFF))
                    return false;
        return true;
    }

    RunningApp game;
    std::unique_ptr<TempFile> file;
};

} // namespace play
