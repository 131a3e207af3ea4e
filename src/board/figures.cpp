#include "board/figures.h"

#include "board/board_drawing.h"
#include "board/pointer_input.h"
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

// Copies the face cell at (cellX, cellY) of `faces` to the figure's box.
void drawFace(gfx::Surface& window, const gfx::Surface& faces, int figure, int cellX, int cellY) {
    const PuzzleState& s = thePuzzle;
    window.bitBlt(s.figureX[figure], s.figureY[figure], s.figureWidth, s.figureHeight, faces, cellX,
                  cellY);
}

// The pointer keeps the point of the face it grabbed.
void placeCarriedFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    s.figureX[s.draggedFigure] = x - s.dragOffset.x;
    s.figureY[s.draggedFigure] = y - s.dragOffset.y;
}

} // namespace

// The loop does not stop at a hit: where both faces lie under the pointer the girl, drawn
// last, is carried, and both corners are queued for blanking.
void PickUpFigure(int x, int y) {
    PuzzleState& s = thePuzzle;
    for (int figure : {kFrog, kGirl}) {
        if (insideFigure(figure, x, y)) {
            s.draggedFigure = figure;
            s.figureEraseList.push_front({s.figureX[figure], s.figureY[figure]});
            s.dragOffset = {x - s.figureX[figure], y - s.figureY[figure]};
        }
    }
}

void PutDownFigure(int x, int y) {
    placeCarriedFigure(x, y);
    thePuzzle.draggedFigure = -1;
}

void DrawCarriedFigure(gfx::Surface& window, int x, int y) {
    PuzzleState& s = thePuzzle;
    const gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
    const gfx::Surface frog(gfx::bitmapSlots()[gfx::kFrogSlot]);
    const gfx::Surface girl(gfx::bitmapSlots()[gfx::kGirlSlot]);
    BlankQueuedBoxes(window);
    placeCarriedFigure(x, y);
    DrawBoardFrame(window);
    DrawAllPieces(window, sheet);
    drawFace(window, girl, kGirl, kDistressedColumn, 0);
    drawFace(window, frog, kFrog, kDistressedColumn, 0);
    // The carried face always lies above the other one.
    if (s.draggedFigure == kGirl)
        drawFace(window, girl, kGirl, kDistressedColumn, 0);
    s.figureEraseList.push_front({s.figureX[s.draggedFigure], s.figureY[s.draggedFigure]});
}

void DrawFiguresAtRest(gfx::Surface& window) {
    const int row = thePuzzle.solvedNow ? kSolvedRow : 0;
    gfx::Surface faces;
    faces.selectBitmap(gfx::bitmapSlots()[gfx::kFrogSlot]);
    drawFace(window, faces, kFrog, 0, row);
    faces.selectBitmap(gfx::bitmapSlots()[gfx::kGirlSlot]);
    drawFace(window, faces, kGirl, 0, row);
}
