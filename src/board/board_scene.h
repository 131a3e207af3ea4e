// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the board shows is kept in two layers. The view's backdrop holds everything that does
// not move: the frame, the grid, the guide, the captions and the completion presentation. The
// things that move are drawn over it in this order: the pieces, the faces, the reward figure and
// last the carried piece or face. Erasing a moving thing copies the backdrop back and draws the
// moving things over that area again, so the window always equals the backdrop with the moving
// things on top, and only the areas that changed are sent to the screen.
#include "gfx/surface.h"

namespace board {

// Everything that does not move, for the current state.
void DrawBackdrop(gfx::Surface& target);
// Everything that moves, in its order, within the target's clip.
void DrawMovingThings(gfx::Surface& target);
// Makes the backdrop, drawn from the state, if the view has none yet: the first screen is drawn
// straight into the window, and the backdrop is needed only once something is restored.
void EnsureBackdrop();
// Makes `area` of the window show the backdrop with the moving things on top again.
void RestoreArea(gfx::Surface& window, const gfx::Box& area);
// The same for a thing that moved from `before` to `after`, in one copy where the two overlap.
void RestoreMoved(gfx::Surface& window, const gfx::Box& before, const gfx::Box& after);
// Draws the backdrop afresh from the state and shows the whole board again.
void ShowBoardAfresh();
// Clears the board for what is drawn over it until the next set-up (the list screen): the pieces,
// faces and captions go, a reward flight goes on over it.
void CoverBoard(gfx::Surface& screen);
// Moves a box of `width` x `height` at (x, y) wholly inside the client area, so whatever is put
// down there can be picked up again.
void KeepOnBoard(int& x, int& y, int width, int height);

} // namespace board
