#include "board/board_drawing.h"

#include "board/puzzle_state.h"

namespace {
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
} // namespace

void DrawBoardFrame(gfx::Surface& surface) {
    const int right = 200 * thePuzzle.cellCount + 70;
    const gfx::Pen previous = surface.selectPen({gfx::Pen::Style::Solid, 10, kFrameBlue});
    surface.moveTo(60, 130);
    surface.lineTo(right, 130);
    surface.lineTo(right, 340);
    surface.lineTo(60, 340);
    surface.lineTo(60, 130);
    surface.selectPen(previous);
}

void DrawBoardGrid(gfx::Surface& surface) {
    const int n = thePuzzle.cellCount;
    const gfx::Pen previous = surface.selectPen({gfx::Pen::Style::Dotted, 1, kGridRed});
    for (int i = 1; i <= 2 * n - 1; ++i) {
        surface.moveTo(65 + 100 * i, 135);
        surface.lineTo(65 + 100 * i, 335);
    }
    surface.moveTo(65, 235);
    surface.lineTo(65 + 200 * n, 235);
    surface.selectPen(previous);
}

void DrawPiece(gfx::Surface& surface, const gfx::Surface& sheet, int g, int j, int x, int y) {
    surface.bitBlt(x, y, kPieceSize, kPieceSize, sheet, thePuzzle.sheetX[g][j],
                   thePuzzle.sheetY[g][j]);
}

void DrawAllPieces(gfx::Surface& surface, const gfx::Surface& sheet) {
    for (int g = 1; g <= thePuzzle.cellCount; ++g)
        for (int j = 1; j <= kPiecesPerCell; ++j)
            DrawPiece(surface, sheet, g, j, thePuzzle.pieceX[g][j], thePuzzle.pieceY[g][j]);
}

void EraseSquare(gfx::Surface& surface, int x, int y) {
    surface.fillWithWindowColour(x, y, x + kPieceSize, y + kPieceSize);
}

void ClearBoard(gfx::Surface& surface) {
    const ClientRect& r = thePuzzle.clientRect;
    surface.fillWithWindowColour(r.left, r.top, r.right, r.bottom);
}
