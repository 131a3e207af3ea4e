// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string_view>

namespace gfx {

// The leading whole characters of a Shift-JIS text that can reach into a space `room` pixels
// wide. Every character advances at least one pixel, so no more than `room` of them can show;
// the rest is never drawn, whatever the length of a reading or gloss.
std::string_view visiblePrefix(std::string_view sjis, int room);

} // namespace gfx
