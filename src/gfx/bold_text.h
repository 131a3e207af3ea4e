// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "gfx/surface.h"

namespace gfx {

// The board's one text primitive: bold "ＭＳ Ｐ明朝" whose character cell (ascent plus descent)
// is `height` pixels, drawn in transparent mode in `colour`. It is drawn without antialiasing
// because the story lines are drawn over themselves on every pointer move.
void DrawBoldText(Surface& surface, int x, int y, int height, Rgb colour, std::string_view text);

// The pixel size at which the bold face's cell is `height` pixels high.
int boldPixelSizeForCellHeight(int height);

} // namespace gfx
