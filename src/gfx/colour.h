// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <cstdint>

namespace gfx {

// An RGB triple as seen on the screen, packed as 0xRRGGBB.
using Rgb = std::uint32_t;
constexpr Rgb rgb(int r, int g, int b) {
    return (static_cast<Rgb>(r) << 16) | (static_cast<Rgb>(g) << 8) | static_cast<Rgb>(b);
}
inline constexpr Rgb kBlack = rgb(0, 0, 0);
inline constexpr Rgb kWindowColour = rgb(255, 255, 255);

} // namespace gfx
