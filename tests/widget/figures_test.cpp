// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two companion faces, carried with two clicks on the real view.
#include "gfx/bitmap_set.h"
#include "platform/sound.h"
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
        EXPECT_TRUE(game.showsItsState());
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

// Put down where it was grabbed, a face lands where it lay: it is put down by the grabbed point.
TEST_F(Figures, AFaceIsGrabbedStrictlyInsideItsBoxAndKeepsTheGrabbedPoint) {
    const struct {
        QPoint press;
        int figure;
        QPoint offset;
    } rows[] = {
        {{85, 20}, -1, {}},  {{86, 20}, kFrog, {1, 20}},  {{124, 20}, kFrog, {39, 20}},
        {{125, 20}, -1, {}}, {{100, 0}, -1, {}},          {{100, 1}, kFrog, {15, 1}},
        {{100, 40}, -1, {}}, {{100, 46}, kGirl, {15, 1}}, {{100, 84}, kGirl, {15, 39}},
        {{100, 85}, -1, {}},
    };
    for (const auto& row : rows) {
        game.click(row.press.x(), row.press.y());
        EXPECT_EQ(thePuzzle.draggedFigure, row.figure) << row.press.x() << "," << row.press.y();
        if (row.figure > 0) {
            EXPECT_EQ(QPoint(thePuzzle.dragOffset.x, thePuzzle.dragOffset.y), row.offset);
            game.click(row.press.x(), row.press.y()); // down where it was
        }
        EXPECT_EQ(at(kFrog), QPoint(85, 0));
        EXPECT_EQ(at(kGirl), QPoint(85, 45));
    }
}

TEST_F(Figures, APieceUnderAFaceIsPickedFirst) {
    place(1, 1, 50, -30);
    game.click(100, 20);
    EXPECT_EQ(thePuzzle.selectedPiece, 1);
    EXPECT_EQ(thePuzzle.draggedFigure, -1);
}

} // namespace
} // namespace testing_support
