#pragma once
// The two companion faces: the frog (figure 1) and the girl (figure 2). They are carried with
// the same two clicks as the pieces, but keep the point where they were grabbed.
#include "gfx/surface.h"

// Picks up the face under (x, y), if any; the later face wins where both lie under the pointer.
void PickUpFigure(int x, int y);
// Puts the carried face down so the grabbed point lies at (x, y).
void PutDownFigure(int x, int y);
// Redraws the board with the carried face following the pointer; both faces look distressed.
void DrawCarriedFigure(gfx::Surface& window, int x, int y);
// Both faces at rest: the normal faces, or the solved ones while the word is solved.
void DrawFiguresAtRest(gfx::Surface& window);
