#pragma once
// The small drawing operations the board's handlers share.
#include "gfx/surface.h"

// The blue frame round the homes of the played cells.
void DrawBoardFrame(gfx::Surface& surface);
// The dotted red lines between the homes.
void DrawBoardGrid(gfx::Surface& surface);
// Every piece of the played cells at its current place, later pieces on top.
void DrawAllPieces(gfx::Surface& surface, const gfx::Surface& sheet);
// Blanks the 100 x 100 square at (x, y).
void EraseSquare(gfx::Surface& surface, int x, int y);
// Blanks the whole client area as of the last paint.
void ClearBoard(gfx::Surface& surface);
// Copies piece j of cell g from the sheet to (x, y).
void DrawPiece(gfx::Surface& surface, const gfx::Surface& sheet, int g, int j, int x, int y);
