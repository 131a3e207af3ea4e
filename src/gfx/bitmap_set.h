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
    kDigitSlot,
    kFlyerSlot,
    kNextSlot
};

// Slot 0 is never used. An empty slot is a source that draws nothing.
std::array<BitmapPtr, 8>& bitmapSlots();

// A fresh copy of a built-in bitmap, or nullptr when it cannot be loaded.
BitmapPtr loadResourceBitmap(int id);

// The bitmap at the window's resolution, enlarged pixel by pixel: drawn on at that resolution
// and copied from one to one. Itself when the window has one device pixel per board pixel.
BitmapPtr atWindowResolution(BitmapPtr bitmap);

// Fills slots 3 to 7 with the faces, digits, reward figures and the Next button.
void LoadBitmapSet();

// A Windows bitmap file, or nullptr when it is missing, not a bitmap, corrupt, or claims
// dimensions too large to be a word picture (memory stays bounded whatever the file says).
BitmapPtr loadBitmapFile(const std::string& utf8Path);

} // namespace gfx
