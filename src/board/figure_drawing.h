// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// How the two companion faces look: the frog (figure 1) and the girl (figure 2).
#include "gfx/surface.h"

namespace board {

inline constexpr int kFrog = 1;
inline constexpr int kGirl = 2;

// The faces not carried: both distressed while either is carried, else the normal faces, or
// the solved ones while the word is solved.
void DrawFiguresAtRest(gfx::Surface& target);
// The carried face, above everything else; nothing when none is carried.
void DrawCarriedFigure(gfx::Surface& target);
gfx::Box FigureBox(int figure);

} // namespace board
