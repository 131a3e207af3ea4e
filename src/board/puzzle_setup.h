// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Setting up a fresh puzzle for the current word.
#include "gfx/surface.h"

#include <array>
#include <cstdint>
#include <ctime>

namespace board {

// Replaces the piece sheet by a fresh copy of the texture for the current difficulty.
void LoadSheetTexture();
// Sets the current word up on the window; the rewards drop what the last word left.
void RebuildPuzzle();
// Sets the word on the board up again, as a change of level or face asks; nothing before the
// first word is set up.
void RebuildShownPuzzle();
// The state of a fresh puzzle for the current word, its kanji drawn on the sheet.
void SetUpPuzzle(gfx::Surface& sheet);
// The word on the board is set up afresh at the next pointer move (after a reward flight).
void SetUpAgainAtNextMove();

// The seed of a cell's scatter: the same for the same second, unrelated for the next second.
std::uint32_t scatterSeed(std::time_t seconds, int cell);

// The scatter ranks (1..4) of four pieces from their random values: the largest value ranks 4,
// and of two equal values the later piece ranks higher.
std::array<int, 5> scatterRanks(const std::array<int, 5>& values);

// Draws the word's kanji at the top-left corner of the sheet, in black.
void DrawKanjiOnSheet(gfx::Surface& sheet, int tenths);
// Makes the sheet again as it was last made, at the window's present resolution; the pieces
// stay where they lie.
void RemakeSheet();

} // namespace board
