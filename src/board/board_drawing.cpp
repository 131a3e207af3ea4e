// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board_drawing.h"

#include "board/puzzle_state.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"

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
    surface.setTransparent(true);
    for (int i = 1; i <= 2 * n - 1; ++i) {
        surface.moveTo(65 + 100 * i, 135);
        surface.lineTo(65 + 100 * i, 335);
    }
    surface.moveTo(65, 235);
    surface.lineTo(65 + 200 * n, 235);
    surface.selectPen(previous);
    surface.setTransparent(false);
}

void DrawHomeTints(gfx::Surface& surface, const gfx::Surface& texture) {
    const PuzzleState& s = thePuzzle;
    // A quarter of the colour on white: each channel three quarters of the way to 255.
    const auto pale = [](gfx::Rgb c) {
        gfx::Rgb tint = 0;
        for (int shift : {16, 8, 0})
            tint |= (255 - (255 - ((c >> shift) & 0xFF)) / 4) << shift;
        return tint;
    };
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            const gfx::Rgb colour = texture.pixel(s.sheetX[g][j] + 1, s.sheetY[g][j] + 1);
            surface.fillBox({s.homeX[g][j], s.homeY[g][j], kPieceSize, kPieceSize}, pale(colour));
        }
    }
}

void DrawVersionCaption(gfx::Surface& surface) {
    static const std::string versionCaption = platform::sjis("トルベ v1.0");
    gfx::DrawBoldText(surface, 800, 77, 18, gfx::rgb(255, 0, 0), versionCaption);
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

void ClearBoard(gfx::Surface& surface) {
    surface.fillWithWindowColour(0, 0, surface.width(), surface.height());
}

gfx::Box PieceBox(int g, int j) {
    return {thePuzzle.pieceX[g][j], thePuzzle.pieceY[g][j], kPieceSize, kPieceSize};
}
