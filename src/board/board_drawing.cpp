// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/board_drawing.h"

#include "board/puzzle_state.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

namespace board {

namespace {
constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);
constexpr gfx::Rgb kGridRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);
// The frame's line runs 5 pixels outside the homes of the played cells.
constexpr int kFrameMargin = 5;
} // namespace

void DrawBoardFrame(gfx::Surface& surface) {
    const int left = kBoardOrigin.x - kFrameMargin, top = kBoardOrigin.y - kFrameMargin;
    const int right = kBoardOrigin.x + 2 * kPieceSize * thePuzzle.cellCount + kFrameMargin;
    const int bottom = kBoardOrigin.y + 2 * kPieceSize + kFrameMargin;
    const gfx::Pen previous = surface.selectPen({gfx::Pen::Style::Solid, 10, kFrameBlue});
    surface.moveTo(left, top);
    surface.lineTo(right, top);
    surface.lineTo(right, bottom);
    surface.lineTo(left, bottom);
    surface.lineTo(left, top);
    surface.selectPen(previous);
}

void DrawBoardGrid(gfx::Surface& surface) {
    const int n = thePuzzle.cellCount;
    const Point o = kBoardOrigin;
    const gfx::Pen previous = surface.selectPen({gfx::Pen::Style::Dotted, 1, kGridRed});
    surface.setTransparent(true);
    for (int i = 1; i <= 2 * n - 1; ++i) {
        surface.moveTo(o.x + kPieceSize * i, o.y);
        surface.lineTo(o.x + kPieceSize * i, o.y + 2 * kPieceSize);
    }
    surface.moveTo(o.x, o.y + kPieceSize);
    surface.lineTo(o.x + 2 * kPieceSize * n, o.y + kPieceSize);
    surface.selectPen(previous);
    surface.setTransparent(false);
}

void DrawGuide(gfx::Surface& surface) {
    if (thePuzzle.difficulty == 3)
        return;
    const gfx::Font previous = surface.selectFont(gfx::pointFont(1500, thePuzzle.fontFace));
    surface.setTransparent(true);
    surface.setTextColour(kGuideGrey);
    surface.textOut(kBoardOrigin.x, kBoardOrigin.y,
                    wordlist::theWordList[thePuzzle.currentEntry].kanji);
    surface.selectFont(previous);
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

void ClearBoard(gfx::Surface& surface) {
    surface.fillWithWindowColour(0, 0, surface.width(), surface.height());
}

gfx::Box PieceBox(int g, int j) {
    return {thePuzzle.pieceX[g][j], thePuzzle.pieceY[g][j], kPieceSize, kPieceSize};
}

} // namespace board
