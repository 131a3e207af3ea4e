// The frog and the girl: where they show, which face they make, and how a click carries them.
#include "gfx/bitmap_set.h"
#include "support/play_support.h"
#include "support/rewards_support.h"

namespace testing_support {
namespace {

constexpr int kFrog = 1, kGirl = 2;
const QPoint kNormal(0, 0), kDistressed(40, 0), kSolved(0, 40);

class Figures : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}, {"川", "かわ", "river"}}); }

    QPoint at(int figure) const { return {thePuzzle.figureX[figure], thePuzzle.figureY[figure]}; }
    // Whether the figure's box on the window shows exactly that cell of its face bitmap.
    bool looks(int figure, QPoint cell) {
        const auto& faces = gfx::bitmapSlots()[figure == kFrog ? gfx::kFrogSlot : gfx::kGirlSlot];
        return game.shows({at(figure), QSize(40, 40)}, *faces, cell);
    }
    bool bothLook(QPoint cell) { return looks(kFrog, cell) && looks(kGirl, cell); }
};

TEST_F(Figures, TheFirstMoveShowsBothNormalFacesAtTheirStartPlaces) {
    EXPECT_EQ(game.count({85, 0, 40, 85}, kWhite), 40 * 85);
    game.move(500, 300);
    EXPECT_TRUE(bothLook(kNormal));
}

TEST_F(Figures, BothLookDistressedWhileEitherIsCarried) {
    // First out of the story lines, which lie above the faces during a carry.
    for (const auto& [grab, to] : {std::pair(QPoint(100, 20), QPoint(715, 620)),
                                   std::pair(QPoint(100, 60), QPoint(815, 615))}) {
        game.click(grab.x(), grab.y());
        game.move(to.x(), to.y());
        game.click(to.x(), to.y());
    }
    ASSERT_EQ(at(kGirl), QPoint(800, 600));
    for (int figure : {kFrog, kGirl}) {
        const int x = at(figure).x() + 20, y = at(figure).y() + 20;
        game.click(x, y);
        ASSERT_EQ(thePuzzle.draggedFigure, figure);
        game.move(x, y - 60);
        EXPECT_TRUE(bothLook(kDistressed)) << figure;
        game.click(x, y - 60);
        game.move(x + 1, y - 60);
        EXPECT_TRUE(bothLook(kNormal)) << figure;
    }
}

TEST_F(Figures, TheySmileWhileTheWordIsSolvedAndLookNormalForTheNextWord) {
    rewards_support::solveCurrentWord(game);
    ASSERT_TRUE(thePuzzle.solvedNow);
    game.move(500, 100);
    EXPECT_TRUE(bothLook(kSolved));
    game.click(800, 500); // Next
    ASSERT_EQ(thePuzzle.currentEntry, 2);
    game.move(500, 101);
    EXPECT_TRUE(bothLook(kNormal));
}

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

// Put down before any pointer move, the girl grabbed 15, 15 inside her box lands that far from
// the click and leaves nothing at her old place.
TEST_F(Figures, AFacePutDownWithoutAMoveLandsByTheGrabbedPointAndLeavesNoTrace) {
    game.move(500, 300);
    game.click(100, 60);
    game.click(300, 300);
    EXPECT_EQ(thePuzzle.draggedFigure, -1);
    EXPECT_EQ(at(kGirl), QPoint(285, 285));
    EXPECT_EQ(game.count({85, 45, 40, 40}, kWhite), 40 * 40);
    EXPECT_TRUE(looks(kGirl, kNormal));
    EXPECT_TRUE(thePuzzle.figureEraseList.empty());
}

TEST_F(Figures, APieceUnderAFaceIsPickedFirst) {
    place(1, 1, 50, -30);
    game.click(100, 20);
    EXPECT_EQ(thePuzzle.selectedPiece, 1);
    EXPECT_EQ(thePuzzle.draggedFigure, -1);
}

} // namespace
} // namespace testing_support
