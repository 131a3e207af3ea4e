#pragma once
// The board's pointer input. A piece or a face is moved with two separate clicks: one picks it
// up, the next puts it down; releasing the button does nothing. Every pointer move redraws
// what follows the pointer, the story lines and the faces.
#include "gfx/surface.h"

void OnLButtonDown(int x, int y);
void OnMouseMove(int x, int y);

// Blanks the oldest square of the active erase queue: the faces' queue while a face is
// carried, else the pieces'. An empty queue blanks nothing.
void EraseOldestBox(gfx::Surface& window);
// Blanks every square of the active erase queue; true when there was any.
bool BlankQueuedBoxes(gfx::Surface& window);
// Redraws the board with the carried piece at (x, y), above every other piece.
void DrawCarriedPiece(gfx::Surface& window, int x, int y, const gfx::Surface& sheet);
// Snaps the piece just put down at (x, y) into its home when it lies within 19 pixels of it on
// both axes, then redraws the frame and the pieces.
void SnapPieceAndRedraw(gfx::Surface& window, int x, int y, const gfx::Surface& sheet);
// Sets solvedNow when every played piece is exactly at home, and marks the word solved.
void CheckCompletion();
