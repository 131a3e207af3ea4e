// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "gfx/surface.h"

namespace rewards {

// The red outline round the board's frame that shows the word's signboard whole again: two half
// circles of radius 130 joined by two straight lines, from x 10 to 200n + 120, y 105 to 365.
void DrawSignboard(gfx::Surface& window);

} // namespace rewards
