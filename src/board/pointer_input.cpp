#include "board/pointer_input.h"

#include "board/board_drawing.h"
#include "board/figures.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "board/story_captions.h"
#include "gfx/bitmap_set.h"
#include "rewards/completion.h"
#include "rewards/reward_flight.h"

namespace {

constexpr int kSnapReach = 20;

bool strictlyInside(int x, int y, int left, int top, int width, int height) {
    return left < x && x < left + width && top < y && y < top + height;
}

gfx::BitmapPtr pieceSheet() {
    return gfx::bitmapSlots()[gfx::kSheetSlot];
}

void pressNextButton(int x, int y) {
    if (thePuzzle.solvedNow && strictlyInside(x, y, 700, 475, 200, 60) &&
        thePuzzle.currentEntry < 50) {
        ++thePuzzle.currentEntry;
        RebuildPuzzle();
    }
}

void pressRewardFigure(int x, int y) {
    if (thePuzzle.rewardClickable >= 1 &&
        strictlyInside(x, y, thePuzzle.rewardRestX, thePuzzle.rewardRestY, 80, 60))
        StartRewardFlight();
}

// The scan does not stop at a hit: the last piece hit (the one on top) is carried, and the
// corner of every piece hit is queued for blanking.
void pickUp(int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            if (strictlyInside(x, y, s.pieceX[g][j], s.pieceY[g][j], kPieceSize, kPieceSize)) {
                s.selectedPiece = j;
                s.selectedCell = g;
                s.pieceEraseList.push_front({s.pieceX[g][j], s.pieceY[g][j]});
            }
        }
    }
    if (s.selectedPiece <= 0)
        PickUpFigure(x, y);
}

void putDown(gfx::WindowSurface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    s.pieceX[s.selectedCell][s.selectedPiece] = x;
    s.pieceY[s.selectedCell][s.selectedPiece] = y;
    // Squares still queued are blanked, not dropped: a piece put down before any pointer move
    // would otherwise leave part of its old square on the board.
    if (BlankQueuedBoxes(window))
        DrawBoardGrid(window);
    const gfx::Surface sheet(pieceSheet());
    SnapPieceAndRedraw(window, x, y, sheet);
    s.selectedPiece = -1;
    CheckCompletion();
    if (s.solvedNow)
        PresentCompletion(window);
}

// A face put down before any pointer move would likewise leave its old image behind: the
// queued box is blanked and the faces are drawn at rest at once.
void putDownFigure(gfx::WindowSurface& window, int x, int y) {
    const bool blanked = BlankQueuedBoxes(window);
    PutDownFigure(x, y);
    if (!blanked)
        return;
    const gfx::Surface sheet(pieceSheet());
    DrawBoardFrame(window);
    DrawAllPieces(window, sheet);
    DrawFiguresAtRest(window);
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
        pickUp(x, y);
}

void OnMouseMove(int x, int y) {
    if (thePuzzle.repaintPending) {
        thePuzzle.repaintPending = 0;
        RebuildPuzzle();
    }
    gfx::WindowSurface window;
    if (thePuzzle.rewardClickable >= 1)
        DrawRewardFigureAtRest(window);
    if (thePuzzle.selectedPiece >= 0) {
        const gfx::Surface sheet(pieceSheet());
        DrawCarriedPiece(window, x, y, sheet);
    } else if (thePuzzle.draggedFigure > 0) {
        DrawCarriedFigure(window, x, y);
    }
    DrawStoryCaptions(window);
    if (thePuzzle.draggedFigure < 0)
        DrawFiguresAtRest(window);
}

void EraseOldestBox(gfx::Surface& window) {
    PuzzleState& s = thePuzzle;
    const bool figure = s.draggedFigure > 0;
    auto& queue = figure ? s.figureEraseList : s.pieceEraseList;
    if (queue.empty())
        return;
    const Point p = queue.back();
    queue.pop_back();
    const int width = figure ? s.figureWidth : kPieceSize;
    const int height = figure ? s.figureHeight : kPieceSize;
    window.fillWithWindowColour(p.x, p.y, p.x + width, p.y + height);
}

bool BlankQueuedBoxes(gfx::Surface& window) {
    const auto& queue =
        thePuzzle.draggedFigure > 0 ? thePuzzle.figureEraseList : thePuzzle.pieceEraseList;
    const bool any = !queue.empty();
    while (!queue.empty())
        EraseOldestBox(window);
    return any;
}

void DrawCarriedPiece(gfx::Surface& window, int x, int y, const gfx::Surface& sheet) {
    PuzzleState& s = thePuzzle;
    BlankQueuedBoxes(window);
    s.pieceX[s.selectedCell][s.selectedPiece] = x;
    s.pieceY[s.selectedCell][s.selectedPiece] = y;
    DrawBoardFrame(window);
    DrawBoardGrid(window);
    for (int g = 1; g <= s.cellCount; ++g)
        for (int j = 1; j <= kPiecesPerCell; ++j)
            if (g != s.selectedCell || j != s.selectedPiece)
                DrawPiece(window, sheet, g, j, s.pieceX[g][j], s.pieceY[g][j]);
    DrawPiece(window, sheet, s.selectedCell, s.selectedPiece, x, y);
    s.pieceEraseList.push_front({x, y});
}

void SnapPieceAndRedraw(gfx::Surface& window, int x, int y, const gfx::Surface& sheet) {
    PuzzleState& s = thePuzzle;
    const int g = s.selectedCell, j = s.selectedPiece;
    if (strictlyInside(s.pieceX[g][j], s.pieceY[g][j], s.homeX[g][j] - kSnapReach,
                       s.homeY[g][j] - kSnapReach, 2 * kSnapReach, 2 * kSnapReach)) {
        s.pieceX[g][j] = s.homeX[g][j];
        s.pieceY[g][j] = s.homeY[g][j];
        if (s.animationIdle)
            s.rewardClickable = 1;
    }
    EraseSquare(window, x, y);
    DrawBoardFrame(window);
    DrawAllPieces(window, sheet);
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
    if (s.solvedFlags[s.currentEntry] == 0)
        s.firstSolve = 1;
    s.solvedNow = 1;
    s.solvedFlags[s.currentEntry] = 1;
}
