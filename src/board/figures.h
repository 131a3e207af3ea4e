// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two companion faces: the frog (figure 1) and the girl (figure 2). They are carried with
// the same two clicks as the pieces, but keep the point where they were grabbed.
#include "gfx/surface.h"

// Picks up the face under (x, y), if any; the later face wins where both lie under the pointer.
void PickUpFigure(int x, int y);
// Puts the carried face down so the grabbed point lies at (x, y), wholly on the board.
void PutDownFigure(int x, int y);
// Moves the carried face with the pointer.
void MoveCarriedFigure(gfx::Surface& window, int x, int y);
// The faces not carried: both distressed while either is carried, else the normal faces, or
// the solved ones while the word is solved.
void DrawFiguresAtRest(gfx::Surface& target);
// The carried face, above everything else; nothing when none is carried.
void DrawCarriedFigure(gfx::Surface& target);
gfx::Box FigureBox(int figure);
