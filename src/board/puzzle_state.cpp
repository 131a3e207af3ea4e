// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/puzzle_state.h"

#include "gfx/bitmap_set.h"
#include "platform/paths.h"
#include "wordlist/word_list.h"

namespace board {

PuzzleState thePuzzle;

namespace {

void setScatterBases() {
    constexpr std::array<int, kMaxCells + 1> baseX{0, -90, -90, 380, 380};
    constexpr std::array<int, kMaxCells + 1> baseY{0, 380, 510, 380, 510};
    thePuzzle.scatterBaseX = baseX;
    thePuzzle.scatterBaseY = baseY;
}

// Pieces are numbered in columns: 1 top left, 2 bottom left, 3 top right, 4 bottom right.
// Each home is the piece's place on the sheet moved to the board's origin.
void setPieceGeometry() {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= kMaxCells; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            s.sheetX[g][j] = 200 * (g - 1) + (j >= 3 ? kPieceSize : 0);
            s.sheetY[g][j] = (j % 2 == 0) ? kPieceSize : 0;
            s.homeX[g][j] = s.sheetX[g][j] + kBoardOrigin.x;
            s.homeY[g][j] = s.sheetY[g][j] + kBoardOrigin.y;
        }
    }
}

} // namespace

void InitPuzzleState() {
    PuzzleState& s = thePuzzle;
    s.workingDirectory = platform::currentDirectory();
    gfx::LoadBitmapSet();
    setScatterBases();
    s.figureX[0] = 0;
    s.figureY[0] = 0;
    for (int j = 1; j <= kPiecesPerCell; ++j) {
        s.pieceX[1][j] = -100;
        s.pieceY[1][j] = -100;
    }
    setPieceGeometry();
    for (int k = 1; k <= wordlist::kWordCount; ++k)
        s.solvedFlags[k] = 0;
}

int cellCountFor(std::size_t kanjiBytes, int difficulty) {
    const int cells = static_cast<int>(kanjiBytes / 2 + kanjiBytes % 2);
    if (difficulty == 1 || cells == 0)
        return 1;
    return cells > kMaxCells ? kMaxCells : cells;
}

void ComputeCellCount() {
    thePuzzle.cellCount = cellCountFor(wordlist::theWordList[thePuzzle.currentEntry].kanji.size(),
                                       thePuzzle.difficulty);
}

} // namespace board
