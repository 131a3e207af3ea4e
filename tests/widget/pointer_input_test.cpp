// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Pieces carried with two clicks, driven by real mouse events on the real view. At difficulty 1
// every piece shows its own solid colour around the black strokes of the kanji.
#include "support/play_support.h"

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
            game.click(500, 500); // down where it lay
        EXPECT_EQ(at(1, 1), QPoint(500, 500));
        EXPECT_EQ(carried(), -1);
    }
}

// The later of two overlapping pieces is carried, drawn above every other piece from the press
// on, its corner on the pointer.
TEST_F(PointerInput, OfOverlappingPiecesTheLaterIsCarriedAboveTheOthers) {
    place(1, 2, 500, 500);
    place(1, 3, 550, 550);
    game.click(510, 510);
    EXPECT_EQ(carried(), 2);
    EXPECT_TRUE(game.showsItsState());
    game.move(700, 150);
    EXPECT_EQ(at(1, 2), QPoint(700, 150));
    EXPECT_TRUE(game.showsItsState());
    game.click(560, 560);
    game.click(575, 575);
    EXPECT_EQ(carried(), 3);
}

// The homes of pieces 1 and 3 lie 100 pixels from that of piece 4.
TEST_F(PointerInput, APieceSnapsWithin19PixelsOfItsOwnHomeOnly) {
    const int homeX = thePuzzle.homeX[1][4], homeY = thePuzzle.homeY[1][4];
    const struct {
        int dx, dy;
        bool snaps;
    } rows[] = {{19, 0, true},   {20, 0, false},  {-19, 0, true},      {-20, 0, false},
                {0, 19, true},   {0, 20, false},  {0, -19, true},      {0, -20, false},
                {19, -19, true}, {20, 19, false}, {-100, -100, false}, {0, -100, false}};
    for (const auto& row : rows) {
        place(1, 4, 500, 500);
        game.click(550, 550);
        game.click(homeX + row.dx, homeY + row.dy);
        const int dx = row.snaps ? 0 : row.dx, dy = row.snaps ? 0 : row.dy;
        EXPECT_EQ(at(1, 4), QPoint(homeX + dx, homeY + dy)) << row.dx << "," << row.dy;
    }
}

// Put down anywhere, even past the window's edges, a piece or a face lies wholly on the board
// and a press on its middle picks it up again.
TEST_F(PointerInput, PiecesAndFacesPutDownAtTheEdgesCanBePickedUpAgain) {
    const QPoint drops[] = {{-40, -40}, {470, -70}, {2000, -5}, {2000, 300},
                            {944, 723}, {470, 900}, {-3, 723},  {-90, 300}};
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
