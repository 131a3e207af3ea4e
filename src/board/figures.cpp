// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/figures.h"

#include "board/board_scene.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"

namespace {

constexpr int kFrog = 1;
constexpr int kGirl = 2;

// Cells of the face bitmaps: the first row holds the normal and the distressed face, the
// second row the solved face.
constexpr int kDistressedColumn = 40;
constexpr int kSolvedRow = 40;

bool insideFigure(int figure, int x, int y) {
    const PuzzleState& s = thePuzzle;
    return s.figureX[figure] < x && x < s.figureX[figure] + s.figureWidth &&
           s.figureY[figure] < y && y < s.figureY[figure] + s.figureHeight;
}

// Copies the figure's face cell at (cellX, cellY) to the figure's box.
void drawFace(gfx::Surface& target, int figure, int cellX, int cellY) {
    const PuzzleState& s = thePuzzle;
    const gfx::Surface faces(gfx::bitmapSlots()[figure == kFrog ? gfx::kFrogSlot : gfx::kGirlSlot]);
    target.bitBlt(s.figureX[figure], s.figureY[figure], s.figureWidth, s.figureHeight, faces, cellX,
                  cellY);
}

// The pointer keeps the point of the face it grabbed.
void placeCarriedFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    s.figureX[s.draggedFigure] = x - s.dragOffset.x;
    s.figureY[s.draggedFigure] = y - s.dragOffset.y;
}

} // namespace

gfx::Box FigureBox(int figure) {
    const PuzzleState& s = thePuzzle;
    return {s.figureX[figure], s.figureY[figure], s.figureWidth, s.figureHeight};
}

// The loop does not stop at a hit: where both faces lie under the pointer the girl, drawn
// last, is carried.
void PickUpFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int figure : {kFrog, kGirl}) {
        if (insideFigure(figure, x, y)) {
            s.draggedFigure = figure;
            s.dragOffset = {x - s.figureX[figure], y - s.figureY[figure]};
        }
    }
}

void PutDownFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    placeCarriedFigure(x, y);
    KeepOnBoard(s.figureX[s.draggedFigure], s.figureY[s.draggedFigure], s.figureWidth,
                s.figureHeight);
    s.draggedFigure = -1;
}

void MoveCarriedFigure(gfx::Surface& window, int x, int y) {
    const gfx::Box before = FigureBox(thePuzzle.draggedFigure);
    placeCarriedFigure(x, y);
    RestoreMoved(window, before, FigureBox(thePuzzle.draggedFigure));
}

void DrawFiguresAtRest(gfx::Surface& target) {
    const int carried = thePuzzle.draggedFigure;
    const int row = thePuzzle.solvedNow && carried < 0 ? kSolvedRow : 0;
    const int column = carried > 0 ? kDistressedColumn : 0;
    for (int figure : {kFrog, kGirl})
        if (figure != carried)
            drawFace(target, figure, column, row);
}

void DrawCarriedFigure(gfx::Surface& target) {
    if (thePuzzle.draggedFigure > 0)
        drawFace(target, thePuzzle.draggedFigure, kDistressedColumn, 0);
}
