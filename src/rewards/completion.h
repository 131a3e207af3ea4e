#pragma once
// What a solved word shows and plays: the signboard outline, the gloss and badge, the word's
// picture, the score in picture digits, the sound, and the Next button.
#include "gfx/surface.h"

void PresentCompletion(gfx::WindowSurface& window);
