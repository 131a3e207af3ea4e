// Pieces carried with two clicks, driven by real mouse events on the real view. At difficulty 1
// every piece shows its own solid colour around the black strokes of the kanji.
#include "support/play_support.h"

namespace testing_support {
namespace {

constexpr gfx::Rgb kMagenta = gfx::rgb(255, 0, 255); // piece 1
constexpr gfx::Rgb kCyan = gfx::rgb(0, 255, 255);    // piece 3

class PointerInput : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}}); }
    int carried() const { return thePuzzle.selectedPiece; }
    static QRect square(int x, int y) { return {x, y, kPieceSize, kPieceSize}; }
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
        EXPECT_EQ(thePuzzle.pieceX[1][1], 500);
        EXPECT_EQ(carried(), -1);
    }
}

// The press carries the later of two overlapping pieces (the release does nothing), its corner
// follows the pointer, both squares are blanked, and a carried piece lies above every other.
TEST_F(PointerInput, OfOverlappingPiecesTheLaterIsCarriedAboveTheOthers) {
    place(1, 2, 500, 500);
    place(1, 3, 550, 550);
    game.click(575, 575);
    EXPECT_EQ(carried(), 3);
    EXPECT_EQ(thePuzzle.pieceEraseList.size(), 2u);
    game.move(700, 150);
    EXPECT_EQ(std::make_pair(thePuzzle.pieceX[1][3], thePuzzle.pieceY[1][3]),
              std::make_pair(700, 150));
    EXPECT_EQ(game.count(square(500, 500), kCyan), 0);  // piece 2 drawn whole again
    EXPECT_EQ(game.count(square(500, 500), kWhite), 0); // ... over the blanked square
    EXPECT_EQ(game.count({600, 600, 50, 50}, kWhite), 50 * 50);
    EXPECT_GT(game.count(square(700, 150), kCyan), 0);
    // Piece 2, carried, lies above piece 3 that is drawn after it.
    game.click(550, 550);
    game.click(510, 510);
    game.move(520, 520);
    EXPECT_EQ(game.count({550, 550, 70, 70}, kCyan), 0);
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
        EXPECT_EQ(thePuzzle.pieceX[1][4], homeX + dx) << row.dx << "," << row.dy;
        EXPECT_EQ(thePuzzle.pieceY[1][4], homeY + dy) << row.dx << "," << row.dy;
    }
}

// Neither the square the piece was picked from nor one it was last drawn on keeps any of it,
// also when no move came between pick-up and put-down.
TEST_F(PointerInput, APiecePutDownLeavesNoTraceOfWhereItWas) {
    for (bool moveFirst : {false, true}) {
        place(1, 1, 500, 500);
        game.click(550, 550);
        if (moveFirst)
            game.move(700, 100);
        game.click(350, 150);
        EXPECT_EQ(game.count(square(500, 500), kWhite), 100 * 100) << moveFirst;
        EXPECT_EQ(game.count(square(700, 100), kWhite), 100 * 100) << moveFirst;
        EXPECT_GT(game.count(square(350, 150), kMagenta), 0);
        place(1, 1, 20, 380); // out of the way of the next row
    }
}

TEST_F(PointerInput, APendingSetUpEndsTheCarryAtTheNextMove) {
    place(1, 1, 500, 500);
    game.click(550, 550);
    game.move(600, 150);
    thePuzzle.repaintPending = 1; // as next, back and the editor leave it
    game.move(610, 160);
    EXPECT_EQ(carried(), -1);
    EXPECT_EQ(thePuzzle.pieceY[1][1], 380);
    EXPECT_EQ(game.count(square(610, 160), kMagenta), 0);
    game.click(650, 200); // nothing carried, nothing there
    EXPECT_EQ(carried(), -1);
}

} // namespace
} // namespace testing_support
