// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Carrying the two companion faces, as the pieces are carried: held at the point where they were
// taken.
#include "gfx/surface.h"

namespace board {

// Picks up the face under (x, y), if any; the later face wins where both lie under the pointer.
void PickUpFigure(int x, int y);
// Puts the carried face down so the grabbed point lies at (x, y), wholly on the board.
void PutDownFigure(int x, int y);
// Moves the carried face with the pointer.
void MoveCarriedFigure(gfx::Surface& window, int x, int y);

} // namespace board
