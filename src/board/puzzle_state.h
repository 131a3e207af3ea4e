// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The one program-wide record of the game. Words, cells, pieces and figures are numbered from 1;
// slot 0 of every array carries no meaning. Flags are ints where any non-zero value is set.
#include "gfx/fonts.h"
#include "gfx/surface.h"

#include <array>
#include <string>

namespace board {

inline constexpr int kMaxCells = 4;
inline constexpr int kPiecesPerCell = 4;
inline constexpr int kPieceSize = 100;

struct Point {
    int x = 0;
    int y = 0;
};

// Where the sheet's top-left corner lies on the board: the home of the first piece, the guide's
// corner, and the inner corner of the frame and the grid.
inline constexpr Point kBoardOrigin{65, 135};

// Presses hit a box only strictly inside it, on all four sides.
inline bool pressHits(const gfx::Box& box, int x, int y) {
    return box.x < x && x < box.x + box.width && box.y < y && y < box.y + box.height;
}

// Per cell 1..4 and piece 1..4.
using PieceGrid = std::array<std::array<int, kPiecesPerCell + 1>, kMaxCells + 1>;

// What the board's backdrop shows: the empty frame before any word is set up, the word being
// played, or what covers the board (the list screen), over which only a reward flight moves.
enum class BoardScene { EmptyFrame, Puzzle, Covered };

struct ClientRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct PuzzleState {
    int currentEntry = 1;
    int cellCount = 1;
    int selectedPiece = -1;
    int selectedCell = 1;
    int draggedFigure = -1;
    std::array<int, 3> figureX{0, 85, 85};
    std::array<int, 3> figureY{0, 0, 45};
    int figureWidth = 40;
    int figureHeight = 40;
    Point dragOffset; // the carried piece's or face's corner to the pointer
    // A press that picked something up, while the button or finger stays down: once it has moved
    // more than a few pixels from `at`, the release puts the carried thing down.
    struct {
        int held = 0;
        Point at;
        int moved = 0;
    } press;
    int difficulty = 2;
    std::string fontFace = gfx::kFaceGothic; // UTF-8 face name
    std::string captionText;                 // Shift-JIS reading of the current word
    ClientRect clientRect;
    std::string workingDirectory;
    int solvedNow = 0;
    int repaintPending = 0;
    int listReloaded = 0;
    int firstSolve = 0;
    std::array<int, 51> solvedFlags{};
    BoardScene scene = BoardScene::EmptyFrame;
    int coverKept = 0;         // the backdrop holds what covers the board
    int nextAfterLastWord = 0; // the last word's Next leads to the first

    // What the piece sheet was last made of, to make it again at another resolution.
    int sheetTexture = 0; // bitmap id; 0 before the first
    std::string sheetFace;
    int sheetTenths = 0;

    PieceGrid pieceX{}, pieceY{};
    PieceGrid sheetX{}, sheetY{};
    PieceGrid homeX{}, homeY{};
    std::array<int, kMaxCells + 1> scatterBaseX{}, scatterBaseY{};
};

extern PuzzleState thePuzzle;

// Completes the fixed geometry and captures the working directory; loads the bitmaps.
void InitPuzzleState();

// The number of character cells played: the kanji's bytes halved and rounded up, but one cell
// at difficulty 1 or for an empty kanji, and never more than four.
void ComputeCellCount();
int cellCountFor(std::size_t kanjiBytes, int difficulty);

} // namespace board
