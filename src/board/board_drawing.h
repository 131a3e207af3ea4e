// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What the board's backdrop and its pieces are drawn with. Drawing only: nothing here acts.
#include "gfx/surface.h"

namespace board {

// The blue frame round the homes of the played cells.
void DrawBoardFrame(gfx::Surface& surface);
// The dotted red lines between the homes; their gaps leave what lies beneath.
void DrawBoardGrid(gfx::Surface& surface);
// The grey guide kanji in the frame, except at the highest level.
void DrawGuide(gfx::Surface& surface);
// A pale tint of each played piece's colour on its home, for the youngest to match colours.
void DrawHomeTints(gfx::Surface& surface, const gfx::Surface& texture);
// "トルベ v1.0" in red at the top right.
void DrawVersionCaption(gfx::Surface& surface);
// Fills the whole surface with the window colour.
void ClearBoard(gfx::Surface& surface);
// Copies piece j of cell g from the sheet to (x, y).
void DrawPiece(gfx::Surface& surface, const gfx::Surface& sheet, int g, int j, int x, int y);
// Where piece j of cell g lies now.
gfx::Box PieceBox(int g, int j);

} // namespace board
