#include "rewards/reward_flight.h"

void OnTimer(int) {}
