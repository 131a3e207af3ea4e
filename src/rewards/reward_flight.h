#pragma once
// The reward figure: at rest at the top right after a snap, and its flight over the board in
// four timed phases on the view's timers 1 to 4.
#include "gfx/surface.h"

void DrawRewardFigureAtRest(gfx::Surface& window);
void StartRewardFlight();
// One tick of the flight, for timer `id`.
void OnTimer(int id);
