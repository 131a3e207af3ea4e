#pragma once
#include "gfx/surface.h"

// The number of solved words in picture digits, "正解数:" before and "／５０" after; the tens
// picture only from ten words on. Keeps solvedTens, which chooses the reward figure.
void DrawScore(gfx::Surface& window);
