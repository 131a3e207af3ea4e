#include "board/figures.h"

void PickUpFigure(int, int) {}
void PutDownFigure(int, int) {}
void DrawCarriedFigure(gfx::Surface&, int, int) {}
void DrawFiguresAtRest(gfx::Surface&) {}
