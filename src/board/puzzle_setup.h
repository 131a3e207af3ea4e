#pragma once
// Setting up a fresh puzzle for the current word.
#include "gfx/surface.h"

#include <array>

// Replaces the piece sheet by a fresh copy of the texture for the current difficulty.
void LoadSheetTexture();
// Stops a running reward flight and sets the current word up on the window.
void RebuildPuzzle();
void SetUpPuzzle(gfx::Surface& screen, gfx::Surface& sheet);

// The scatter ranks (1..4) of four pieces from their random values: the largest value ranks 4,
// and of two equal values the later piece ranks higher.
std::array<int, 5> scatterRanks(const std::array<int, 5>& values);

// Draws the word's kanji at the top-left corner of the sheet, in black.
void DrawKanjiOnSheet(gfx::Surface& sheet, int tenths);
// Makes the sheet again as it was last made, at the window's present resolution; the pieces
// stay where they lie.
void RemakeSheet();
