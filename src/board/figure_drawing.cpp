// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/figure_drawing.h"

#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"

namespace board {

namespace {

// Cells of the face bitmaps: the first row holds the normal and the distressed face, the
// second row the solved face.
constexpr int kDistressedColumn = 40;
constexpr int kSolvedRow = 40;

// Copies the figure's face cell at (cellX, cellY) to the figure's box.
void drawFace(gfx::Surface& target, int figure, int cellX, int cellY) {
    const gfx::Surface faces(gfx::bitmapSlots()[figure == kFrog ? gfx::kFrogSlot : gfx::kGirlSlot]);
    const gfx::Box box = FigureBox(figure);
    target.bitBlt(box.x, box.y, box.width, box.height, faces, cellX, cellY);
}

} // namespace

gfx::Box FigureBox(int figure) {
    const PuzzleState& s = thePuzzle;
    return {s.figureX[figure], s.figureY[figure], s.figureWidth, s.figureHeight};
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

} // namespace board
