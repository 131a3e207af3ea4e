// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A word's picture drawn from its emoji, as the starter words' pictures are made at build time
// and as a parent's new word gets one in the game.
#include "gfx/surface.h"

#include <string_view>

namespace gfx {

// The game shows 300 by 300 pixels of a word's picture.
inline constexpr int kWordPictureSize = 300;

// The emoji drawn large and centred on a soft tint of a palette colour inside a rounded frame;
// `colourIndex` picks the colour, so neighbouring words in the list look different. Nothing when
// the colour emoji font is missing or has no picture for the emoji: fontconfig would otherwise
// draw it in a monochrome face, or as an empty box.
BitmapPtr drawEmojiPicture(std::string_view utf8Emoji, int colourIndex);

} // namespace gfx
