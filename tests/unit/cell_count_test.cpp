// How many cells a word plays, and the scatter order of its pieces.
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

#include <gtest/gtest.h>

namespace {

TEST(CellCount, FollowsTheKanjisBytesAndTheLevel) {
    struct Row {
        size_t bytes;
        int difficulty;
        int cells;
    };
    const Row rows[] = {
        {2, 2, 1}, {3, 2, 2}, {4, 2, 2}, {6, 3, 3}, {8, 2, 4}, {7, 2, 4},
        {8, 1, 1}, {0, 2, 1}, {0, 1, 1}, {1, 3, 1}, {9, 2, 4}, {200, 3, 4},
    };
    for (const Row& r : rows)
        EXPECT_EQ(cellCountFor(r.bytes, r.difficulty), r.cells)
            << r.bytes << " bytes at difficulty " << r.difficulty;
}

TEST(ScatterRanks, LargestValueRanksFourAndTiesKeepTheNaturalOrder) {
    struct Row {
        std::array<int, 5> values;
        std::array<int, 5> ranks;
    };
    const Row rows[] = {
        {{0, 7, 7, 7, 7}, {0, 1, 2, 3, 4}},
        {{0, 4, 3, 2, 1}, {0, 4, 3, 2, 1}},
        {{0, 10, 30, 20, 0}, {0, 2, 4, 3, 1}},
        {{0, 5, 5, 1, 9}, {0, 2, 3, 1, 4}},
    };
    for (const Row& r : rows)
        EXPECT_EQ(scatterRanks(r.values), r.ranks);
}

TEST(PieceGeometry, HomesAreTheSheetPlacesMovedIntoTheFrame) {
    thePuzzle = PuzzleState{};
    InitPuzzleState();
    EXPECT_EQ(thePuzzle.homeX[1][1], 65);
    EXPECT_EQ(thePuzzle.homeY[1][2], 235);
    EXPECT_EQ(thePuzzle.homeX[3][3], 565);
    EXPECT_EQ(thePuzzle.homeX[4][4], 765);
    EXPECT_EQ(thePuzzle.homeY[4][4], 235);
    EXPECT_EQ(thePuzzle.sheetX[2][3], 300);
    EXPECT_EQ(thePuzzle.sheetY[2][4], 100);
    EXPECT_EQ(thePuzzle.pieceX[1][1], -100);
    EXPECT_EQ(thePuzzle.scatterBaseX[3], 380);
    EXPECT_EQ(thePuzzle.scatterBaseY[2], 510);
    thePuzzle = PuzzleState{};
}

} // namespace
