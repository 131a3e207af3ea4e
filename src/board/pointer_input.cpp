// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/pointer_input.h"

#include "board/board_drawing.h"
#include "board/board_rewards.h"
#include "board/board_scene.h"
#include "board/figure_drawing.h"
#include "board/figures.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace board {

namespace {

// How far, on each axis, a piece may be put down from its home and still snap into it: strictly
// less than this. A child of one cannot aim as a child of three can, so the youngest get twice
// the reach (misses of up to 40 pixels snap), the middle level half as much again (30), and 3歳
// keeps the game's own 20.
constexpr std::array<int, 4> kSnapReach{0, 41, 31, 20};

std::function<void()>& wordMarkedHook() {
    static std::function<void()> hook;
    return hook;
}

// A press that moves further than this on either axis before its release is a drag: a hand's
// tremble on a click stays below it.
constexpr int kDragStart = 6;

int snapReach() {
    return kSnapReach[static_cast<std::size_t>(std::clamp(thePuzzle.difficulty, 1, 3))];
}

// The scan does not stop at a hit: the last piece hit (the one on top) is carried, and from now
// on drawn above everything, held at the point where it was taken. Where no piece lies, a face
// may be picked up; both faces then look distressed.
void pickUp(gfx::Surface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            if (pressHits(PieceBox(g, j), x, y)) {
                s.selectedPiece = j;
                s.selectedCell = g;
            }
        }
    }
    if (s.selectedPiece > 0) {
        const int g = s.selectedCell, j = s.selectedPiece;
        s.dragOffset = {x - s.pieceX[g][j], y - s.pieceY[g][j]};
        RestoreArea(window, PieceBox(g, j));
        return;
    }
    PickUpFigure(x, y);
    if (s.draggedFigure > 0)
        for (int figure : {kFrog, kGirl})
            RestoreArea(window, FigureBox(figure));
}

void snapPiece(int g, int j) {
    PuzzleState& s = thePuzzle;
    const int reach = snapReach();
    if (pressHits({s.homeX[g][j] - reach, s.homeY[g][j] - reach, 2 * reach, 2 * reach},
                  s.pieceX[g][j], s.pieceY[g][j])) {
        s.pieceX[g][j] = s.homeX[g][j];
        s.pieceY[g][j] = s.homeY[g][j];
        theBoardRewards().pieceSnapped();
    }
}

// Brings the carried piece to the pointer at (x, y), keeping its grip; returns where it was.
gfx::Box bringCarriedPiece(int x, int y) {
    PuzzleState& s = thePuzzle;
    const int g = s.selectedCell, j = s.selectedPiece;
    const gfx::Box before = PieceBox(g, j);
    s.pieceX[g][j] = x - s.dragOffset.x;
    s.pieceY[g][j] = y - s.dragOffset.y;
    return before;
}

void putDown(gfx::WindowSurface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    const int g = s.selectedCell, j = s.selectedPiece;
    const gfx::Box before = bringCarriedPiece(x, y);
    KeepOnBoard(s.pieceX[g][j], s.pieceY[g][j], kPieceSize, kPieceSize);
    snapPiece(g, j);
    s.selectedPiece = -1;
    const int wasSolved = s.solvedNow;
    CheckCompletion();
    if (s.solvedNow) {
        theBoardRewards().presentSolve(window);
    } else if (wasSolved) {
        ShowBoardAfresh(); // taken apart: the Next button goes, the faces stop smiling
    } else {
        RestoreMoved(window, before, PieceBox(g, j));
        RestoreArea(window, theBoardRewards().rewardBox());
    }
}

void putDownCarriedFigure(gfx::Surface& window, int x, int y) {
    const gfx::Box before = FigureBox(thePuzzle.draggedFigure);
    PutDownFigure(x, y);
    RestoreArea(window, before);
    for (int figure : {kFrog, kGirl})
        RestoreArea(window, FigureBox(figure));
}

void moveCarriedPiece(gfx::Surface& window, int x, int y) {
    const gfx::Box before = bringCarriedPiece(x, y);
    RestoreMoved(window, before, PieceBox(thePuzzle.selectedCell, thePuzzle.selectedPiece));
}

bool carrying() {
    return thePuzzle.selectedPiece > 0 || thePuzzle.draggedFigure > 0;
}

void putDownCarried(gfx::WindowSurface& window, int x, int y) {
    if (thePuzzle.selectedPiece > 0)
        putDown(window, x, y);
    else if (thePuzzle.draggedFigure > 0)
        putDownCarriedFigure(window, x, y);
}

} // namespace

void OnLButtonDown(int x, int y) {
    gfx::WindowSurface window;
    // A press on the Next button goes on, on the new word, to pick up a piece under it.
    theBoardRewards().press(x, y);
    const bool wasCarrying = carrying();
    if (wasCarrying)
        putDownCarried(window, x, y);
    else
        pickUp(window, x, y);
    // Only a press that took something up can end in a drag: one that put a thing down is done.
    thePuzzle.press = {};
    if (!wasCarrying && carrying())
        thePuzzle.press = {1, {x, y}, 0};
}

void OnMouseMove(int x, int y) {
    PuzzleState& s = thePuzzle;
    if (s.repaintPending) {
        s.repaintPending = 0;
        RebuildPuzzle();
    }
    if (s.press.held &&
        (std::abs(x - s.press.at.x) > kDragStart || std::abs(y - s.press.at.y) > kDragStart))
        s.press.moved = 1;
    gfx::WindowSurface window;
    if (s.selectedPiece > 0)
        moveCarriedPiece(window, x, y);
    else if (s.draggedFigure > 0)
        MoveCarriedFigure(window, x, y);
}

// Released where it was taken, the thing stays carried for the two-click carry.
void OnLButtonUp(int x, int y) {
    const bool dragged = thePuzzle.press.held && thePuzzle.press.moved;
    thePuzzle.press = {};
    if (!dragged)
        return;
    gfx::WindowSurface window;
    putDownCarried(window, x, y);
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

} // namespace board
