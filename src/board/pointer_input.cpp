// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/pointer_input.h"

#include "board/board_drawing.h"
#include "board/board_rewards.h"
#include "board/board_scene.h"
#include "board/figures.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

namespace {

constexpr int kSnapReach = 20;

std::function<void()>& wordMarkedHook() {
    static std::function<void()> hook;
    return hook;
}

bool strictlyInside(int x, int y, int left, int top, int width, int height) {
    return left < x && x < left + width && top < y && y < top + height;
}

void pressNextButton(int x, int y) {
    if (boardRewards().nextButtonShown() && strictlyInside(x, y, 700, 475, 200, 60)) {
        ++thePuzzle.currentEntry;
        RebuildPuzzle();
    }
}

void pressRewardFigure(int x, int y) {
    if (thePuzzle.rewardClickable >= 1 &&
        strictlyInside(x, y, thePuzzle.rewardRestX, thePuzzle.rewardRestY, 80, 60))
        boardRewards().startRewardFlight();
}

// The scan does not stop at a hit: the last piece hit (the one on top) is carried, and from now
// on drawn above everything. Where no piece lies, a face may be picked up; both faces then look
// distressed.
void pickUp(gfx::Surface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            if (strictlyInside(x, y, s.pieceX[g][j], s.pieceY[g][j], kPieceSize, kPieceSize)) {
                s.selectedPiece = j;
                s.selectedCell = g;
            }
        }
    }
    if (s.selectedPiece > 0) {
        RestoreArea(window, PieceBox(s.selectedCell, s.selectedPiece));
        return;
    }
    PickUpFigure(x, y);
    if (s.draggedFigure > 0)
        for (int figure : {1, 2})
            RestoreArea(window, FigureBox(figure));
}

// A snap while no flight runs wakes the reward figure.
void snapPiece(int g, int j) {
    PuzzleState& s = thePuzzle;
    if (strictlyInside(s.pieceX[g][j], s.pieceY[g][j], s.homeX[g][j] - kSnapReach,
                       s.homeY[g][j] - kSnapReach, 2 * kSnapReach, 2 * kSnapReach)) {
        s.pieceX[g][j] = s.homeX[g][j];
        s.pieceY[g][j] = s.homeY[g][j];
        if (s.animationIdle)
            s.rewardClickable = 1;
    }
}

void putDown(gfx::WindowSurface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    const int g = s.selectedCell, j = s.selectedPiece;
    const gfx::Box before = PieceBox(g, j);
    KeepOnBoard(x, y, kPieceSize, kPieceSize);
    s.pieceX[g][j] = x;
    s.pieceY[g][j] = y;
    snapPiece(g, j);
    s.selectedPiece = -1;
    const int wasSolved = s.solvedNow;
    CheckCompletion();
    if (s.solvedNow) {
        boardRewards().presentCompletion(window);
    } else if (wasSolved) {
        ShowBoardAfresh(); // taken apart: the Next button goes, the faces stop smiling
    } else {
        RestoreMoved(window, before, PieceBox(g, j));
        RestoreArea(window, boardRewards().rewardFigureBox());
    }
}

void putDownFigure(gfx::Surface& window, int x, int y) {
    const gfx::Box before = FigureBox(thePuzzle.draggedFigure);
    PutDownFigure(x, y);
    RestoreArea(window, before);
    for (int figure : {1, 2})
        RestoreArea(window, FigureBox(figure));
}

void moveCarriedPiece(gfx::Surface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    const int g = s.selectedCell, j = s.selectedPiece;
    const gfx::Box before = PieceBox(g, j);
    s.pieceX[g][j] = x;
    s.pieceY[g][j] = y;
    RestoreMoved(window, before, PieceBox(g, j));
}

} // namespace

void OnLButtonDown(int x, int y) {
    gfx::WindowSurface window;
    pressNextButton(x, y);
    pressRewardFigure(x, y);
    if (thePuzzle.selectedPiece > 0)
        putDown(window, x, y);
    else if (thePuzzle.draggedFigure > 0)
        putDownFigure(window, x, y);
    else
        pickUp(window, x, y);
}

void OnMouseMove(int x, int y) {
    if (thePuzzle.repaintPending) {
        thePuzzle.repaintPending = 0;
        RebuildPuzzle();
    }
    gfx::WindowSurface window;
    if (thePuzzle.selectedPiece > 0)
        moveCarriedPiece(window, x, y);
    else if (thePuzzle.draggedFigure > 0)
        MoveCarriedFigure(window, x, y);
}

void CheckCompletion() {
    PuzzleState& s = thePuzzle;
    int home = 0;
    for (int g = 1; g <= s.cellCount; ++g)
        for (int j = 1; j <= kPiecesPerCell; ++j)
            home += s.pieceX[g][j] == s.homeX[g][j] && s.pieceY[g][j] == s.homeY[g][j];
    if (home < kPiecesPerCell * s.cellCount) {
        s.solvedNow = 0;
        return;
    }
    const bool newlyMarked = s.solvedFlags[s.currentEntry] == 0;
    if (newlyMarked)
        s.firstSolve = 1;
    s.solvedNow = 1;
    s.solvedFlags[s.currentEntry] = 1;
    if (newlyMarked && wordMarkedHook())
        wordMarkedHook()();
}

void SetWordMarkedHook(std::function<void()> hook) {
    wordMarkedHook() = std::move(hook);
}
