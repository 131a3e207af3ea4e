// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program's bitmaps: eight holders that live for the whole run, the built-in bitmaps by
// number, and word pictures loaded from files.
#include "gfx/surface.h"

#include <array>
#include <string>

namespace gfx {

enum BitmapId {
    kTextureLevel1 = 131,
    kTextureLevel3 = 133,
    kTextureLevel2 = 134,
    kBadge = 135,
    kFrogFaces = 136,
    kDigitStrip = 138,
    kFlyerStrip = 139,
    kGirlFaces = 140,
    kNextButton = 141,
};

enum Slot {
    kSheetSlot = 1,
    kBadgeSlot = 2,
    kFrogSlot,
    kGirlSlot,
};

// Slot 0 is never used. An empty slot is a source that draws nothing.
std::array<BitmapPtr, kGirlSlot + 1>& bitmapSlots();

// A built-in bitmap, or nullptr when it cannot be loaded. It is decoded once and its pixels are
// shared until someone draws on them.
BitmapPtr loadResourceBitmap(int id);
// The same decoded afresh and not kept: for a bitmap that is drawn on at once, where a kept
// decoding would only be a second copy.
BitmapPtr decodeResourceBitmap(int id);

// The bitmap at the window's resolution, enlarged pixel by pixel: drawn on at that resolution
// and copied from one to one. Itself when the window has one device pixel per board pixel.
BitmapPtr atWindowResolution(BitmapPtr bitmap);

// Fills the faces' slots. The digits, the reward figures and the Next button are not on the
// first screen: each is decoded when first drawn (loadResourceBitmap).
void LoadBitmapSet();

// A Windows bitmap file, or nullptr when it is missing, not a bitmap, corrupt, or claims
// dimensions too large to be a word picture (memory stays bounded whatever the file says).
BitmapPtr loadBitmapFile(const std::string& utf8Path);

} // namespace gfx
