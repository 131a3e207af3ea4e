#pragma once
// つぎへ and もどる: move to the next or previous word with wrap-around and show a preview of it;
// the puzzle itself is set up at the next pointer move.
#include "gfx/surface.h"

void OnNext();
void OnBack();
// The empty frame, the grey guide kanji at 151 points and the reading in large letters.
void DrawPreview(gfx::Surface& screen, gfx::Surface& sheet);
