// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pieces carried with two clicks or dragged, driven by real mouse and touch events on the real
// view. At difficulty 1 every piece shows its own solid colour around the black strokes of the
// kanji.
#include "support/play_support.h"

using namespace board;

namespace testing_support {
namespace {

class PointerInput : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}}); }
    int carried() const { return thePuzzle.selectedPiece; }
    QPoint at(int g, int j) const { return {thePuzzle.pieceX[g][j], thePuzzle.pieceY[g][j]}; }
};

TEST_F(PointerInput, APressPicksUpOnlyStrictlyInsideAPiece) {
    const struct {
        int dx, dy;
        bool picks;
    } rows[] = {{0, 50, false},   {1, 50, true},  {50, 0, false},   {50, 1, true},
                {100, 50, false}, {99, 50, true}, {50, 100, false}, {50, 99, true}};
    place(1, 1, 500, 500);
    for (const auto& row : rows) {
        game.click(500 + row.dx, 500 + row.dy);
        EXPECT_EQ(carried(), row.picks ? 1 : -1) << row.dx << "," << row.dy;
        if (row.picks)
            game.click(500 + row.dx, 500 + row.dy); // down where it lay
        EXPECT_EQ(at(1, 1), QPoint(500, 500));
        EXPECT_EQ(carried(), -1);
    }
}

// What shows on top where two pieces overlap is what a press there takes: the later one. A
// carried piece is drawn above every other from the press on, held where it was taken.
TEST_F(PointerInput, OfOverlappingPiecesTheLaterIsCarriedAboveTheOthers) {
    place(1, 2, 500, 500);
    place(1, 3, 550, 550);
    const QRect overlap(552, 552, 46, 46);
    EXPECT_EQ(game.count(overlap, kSolid[2]), 0);
    EXPECT_GT(game.count(overlap, kSolid[3]), 500);
    game.click(510, 510);
    EXPECT_EQ(carried(), 2);
    game.click(560, 560);
    game.click(575, 575);
    EXPECT_EQ(carried(), 3);
}

// Taken at its middle, put down with its middle 1 pixel inside the level's reach of its home on
// each axis, the piece snaps; at the reach itself, it stays. The homes of pieces 1 and 3 lie 100
// pixels from that of piece 4: a piece snaps into its own home only.
TEST_F(PointerInput, ThePiecesReachGrowsForTheYoungest) {
    const int homeX = thePuzzle.homeX[1][4] + 50, homeY = thePuzzle.homeY[1][4] + 50;
    for (const auto& [level, reach] : {std::pair{1, 41}, {2, 31}, {3, 20}}) {
        thePuzzle.difficulty = level;
        const struct {
            int dx, dy;
            bool snaps;
        } rows[] = {{reach - 1, 1 - reach, true}, {1 - reach, reach - 1, true}, {reach, 0, false},
                    {0, -reach, false},           {-100, -100, false},          {0, -100, false}};
        for (const auto& row : rows) {
            place(1, 4, 500, 500);
            game.click(550, 550);
            game.click(homeX + row.dx, homeY + row.dy);
            const int dx = row.snaps ? 0 : row.dx, dy = row.snaps ? 0 : row.dy;
            EXPECT_EQ(at(1, 4), QPoint(homeX - 50 + dx, homeY - 50 + dy))
                << "level " << level << ": " << row.dx << "," << row.dy;
        }
    }
}

// A word is solved when every piece of every kanji is home: the first kanji whole is not enough.
TEST_F(PointerInput, AWordIsSolvedOnlyWithEveryKanjiWhole) {
    openList({{"山川", "やまかわ", "x"}}, 2);
    ASSERT_EQ(thePuzzle.cellCount, 2);
    for (int g : {1, 2}) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            game.click(at(g, j).x() + 50, at(g, j).y() + 50);
            game.click(thePuzzle.homeX[g][j] + 50, thePuzzle.homeY[g][j] + 50);
        }
        EXPECT_EQ(thePuzzle.solvedNow, g == 2 ? 1 : 0) << g;
    }
}

// A press, a move of more than a few pixels and a release put a piece or a face down where it
// is released; a press and release without a move leave it carried until the next press. By
// mouse and by finger alike.
TEST_F(PointerInput, ThingsAreDraggedOrCarriedWithTwoPressesByMouseAndFinger) {
    QWidget* view = &game.view();
    enum { Down, Slide, Up };
    const auto send = [&](bool touch, int what, QPoint p) {
        if (!touch)
            return what == Down    ? QTest::mousePress(view, Qt::LeftButton, {}, p)
                   : what == Slide ? QTest::mouseMove(view, p)
                                   : QTest::mouseRelease(view, Qt::LeftButton, {}, p);
        auto finger = QTest::touchEvent(view, touchScreen());
        what == Down    ? finger.press(0, p, view)
        : what == Slide ? finger.move(0, p, view)
                        : finger.release(0, p, view);
    };
    const auto carriedThing = [] {
        return std::max(thePuzzle.selectedPiece, thePuzzle.draggedFigure);
    };
    for (const bool touch : {false, true}) {
        for (const bool face : {false, true}) {
            SCOPED_TRACE(::testing::Message()
                         << (touch ? "finger" : "mouse") << (face ? " face" : " piece"));
            thePuzzle.figureX[1] = 85;
            thePuzzle.figureY[1] = 0;
            place(1, 1, 500, 500);
            const auto corner = [&] {
                return face ? QPoint(thePuzzle.figureX[1], thePuzzle.figureY[1]) : at(1, 1);
            };
            const QPoint taken = corner() + QPoint(20, 30);
            send(touch, Down, taken);
            send(touch, Slide, taken + QPoint(4, 4));
            send(touch, Up, taken + QPoint(4, 4));
            EXPECT_EQ(carriedThing(), 1) << "a tremble is no drag";
            send(touch, Down, {400, 200});
            send(touch, Up, {400, 200});
            EXPECT_EQ(carriedThing(), -1);
            EXPECT_EQ(corner(), QPoint(380, 170));
            send(touch, Down, {400, 200});
            send(touch, Slide, {430, 200});
            send(touch, Slide, {620, 260});
            EXPECT_EQ(carriedThing(), 1);
            EXPECT_EQ(corner(), QPoint(600, 230)) << "it follows before it is let go";
            send(touch, Up, {620, 260});
            EXPECT_EQ(carriedThing(), -1);
            EXPECT_EQ(corner(), QPoint(600, 230));
        }
    }
}

// Put down anywhere, even past the window's edges, a piece or a face lies wholly on the board
// and a press on its middle picks it up again.
TEST_F(PointerInput, PiecesAndFacesPutDownAtTheEdgesCanBePickedUpAgain) {
    const QPoint drops[] = {{-40, -40}, {2000, -5}, {2000, 300},
                            {944, 723}, {470, 900}, {-90, 300}};
    for (const QPoint drop : drops) {
        SCOPED_TRACE(::testing::Message() << drop.x() << "," << drop.y());
        game.click(at(1, 1).x() + 50, at(1, 1).y() + 50);
        game.click(drop.x(), drop.y());
        const QPoint piece = at(1, 1);
        EXPECT_TRUE(QRect(0, 0, 945, 724).contains(QRect(piece, QSize(100, 100))));
        game.click(piece.x() + 50, piece.y() + 50);
        EXPECT_EQ(carried(), 1);
        game.click(300, 600);
        const QPoint frog(thePuzzle.figureX[1], thePuzzle.figureY[1]);
        game.click(frog.x() + 20, frog.y() + 20);
        game.click(drop.x(), drop.y());
        const QPoint face(thePuzzle.figureX[1], thePuzzle.figureY[1]);
        EXPECT_TRUE(QRect(0, 0, 945, 724).contains(QRect(face, QSize(40, 40))));
        game.click(face.x() + 20, face.y() + 20);
        EXPECT_EQ(thePuzzle.draggedFigure, 1);
        game.click(400, 20);
    }
}

} // namespace
} // namespace testing_support
