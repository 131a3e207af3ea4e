// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two companion faces, carried with two clicks on the real view.
#include "support/play_support.h"
#include "support/rewards_support.h"

using namespace board;

namespace testing_support {
namespace {

constexpr int kFrog = 1, kGirl = 2;
const QPoint kNormal(0, 0), kDistressed(40, 0), kSolved(0, 40);

class Figures : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}, {"川", "かわ", "river"}}); }

    QPoint at(int figure) const { return {thePuzzle.figureX[figure], thePuzzle.figureY[figure]}; }
    bool looks(int figure, QPoint cell) {
        const auto& faces = gfx::bitmapSlots()[figure == kFrog ? gfx::kFrogSlot : gfx::kGirlSlot];
        return game.shows({at(figure), QSize(40, 40)}, *faces, cell);
    }
    bool bothLook(QPoint cell) { return looks(kFrog, cell) && looks(kGirl, cell); }
};

// From the set-up on, before any move; distressed while either is carried; smiling while the
// word is solved and no longer for the next word.
TEST_F(Figures, TheFacesShowTheStateOfPlay) {
    EXPECT_TRUE(bothLook(kNormal));
    for (int figure : {kFrog, kGirl}) {
        const int x = at(figure).x() + 20, y = at(figure).y() + 20;
        game.click(x, y);
        ASSERT_EQ(thePuzzle.draggedFigure, figure);
        EXPECT_TRUE(bothLook(kDistressed)) << figure;
        game.move(x + 300, y + 60);
        EXPECT_TRUE(bothLook(kDistressed)) << figure;
        game.click(x + 300, y + 60);
        EXPECT_TRUE(bothLook(kNormal)) << figure;
    }
    platform::closeAudio();
    rewards_support::solveCurrentWord(game);
    EXPECT_TRUE(bothLook(kSolved));
    game.click(800, 500); // Next
    ASSERT_EQ(thePuzzle.currentEntry, 2);
    EXPECT_TRUE(bothLook(kNormal));
}

} // namespace
} // namespace testing_support
