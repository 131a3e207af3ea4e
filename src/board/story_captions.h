// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two story lines at the top of the board: the frog names the signboard that fell apart,
// the girl recalls what its word was.
#include "board/puzzle_state.h"
#include "gfx/surface.h"

namespace board {

void DrawStoryCaptions(gfx::Surface& window);
// Where the tail of the girl's line starts for a reading of `readingBytes` bytes: after the
// reading, or on the row below when it would reach under the reward figure at rest.
Point storyTailAt(std::size_t readingBytes);

} // namespace board
