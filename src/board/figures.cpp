// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/figures.h"

#include "board/board_scene.h"
#include "board/figure_drawing.h"
#include "board/puzzle_state.h"

namespace board {

namespace {

// The pointer keeps the point of the face it grabbed.
void placeCarriedFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    s.figureX[s.draggedFigure] = x - s.dragOffset.x;
    s.figureY[s.draggedFigure] = y - s.dragOffset.y;
}

} // namespace

// The loop does not stop at a hit: where both faces lie under the pointer the girl, drawn
// last, is carried.
void PickUpFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int figure : {kFrog, kGirl}) {
        if (pressHits(FigureBox(figure), x, y)) {
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

} // namespace board
