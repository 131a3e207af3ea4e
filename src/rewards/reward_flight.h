#pragma once
// The reward figure's flight over the board, driven by the view's timers 1 to 4.

void OnTimer(int id);
