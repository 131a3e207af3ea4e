#include "rewards/reward_flight.h"

void DrawRewardFigureAtRest(gfx::Surface&) {}
void StartRewardFlight() {}
void OnTimer(int) {}
