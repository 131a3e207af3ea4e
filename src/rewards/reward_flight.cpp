// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/reward_flight.h"

#include "board/board_scene.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/window.h"
#include "rewards/flight_path.h"
#include "rewards/reward_state.h"
#include "rewards/score.h"

#include <algorithm>
#include <chrono>

namespace rewards {

namespace {

constexpr std::chrono::milliseconds kFirstTick{100};

using Clock = std::chrono::steady_clock;
Clock::time_point nextTickDue;

// One figure per ten solved words, read afresh at every drawing so it changes mid-flight.
int frameTop() {
    return kFigureHeight * (SolvedWordCount() / 10);
}

gfx::BitmapPtr flyerStrip() {
    return gfx::loadResourceBitmap(gfx::kFlyerStrip);
}

// Each wait is counted from when the tick was due, not from when it came: the timers' wake-up
// delays, a millisecond or two each, would otherwise add up over the 97 ticks of a flight.
void startTickTimer(int id, std::chrono::milliseconds interval, Clock::time_point from) {
    nextTickDue = from + interval;
    const auto wait =
        std::chrono::round<std::chrono::milliseconds>(nextTickDue - platform::steadyNow());
    platform::setViewTimer(id, static_cast<int>(std::max<Clock::rep>(wait.count(), 0)));
}

// When the tick that runs now was due; or now, if it came early or more than a whole interval
// late (the thread was held): the flight then goes on at its pace instead of rushing to catch up.
Clock::time_point dueTime(std::chrono::milliseconds interval) {
    const auto now = platform::steadyNow();
    return nextTickDue <= now && now - nextTickDue < interval ? nextTickDue : now;
}

void stopFlightTimers() {
    for (int id = kFirstFlightTimer; id <= kLastFlightTimer; ++id)
        platform::stopViewTimer(id);
}

// What the figure flew over comes back from the backdrop as it leaves.
void drawFlightTick() {
    gfx::WindowSurface window;
    board::RestoreMoved(window, theRewards.flight.previous, RewardFigureBox());
    theRewards.flight.previous = theRewards.flight.now;
}

// The figure stays where it landed until the next pointer move sets the word up afresh.
void land() {
    theRewards.idle = 1;
    board::SetUpAgainAtNextMove();
}

} // namespace

gfx::Box RewardFigureBox() {
    if (theRewards.flyerShown)
        return theRewards.flight.now;
    if (theRewards.clickable)
        return kFigureAtRest;
    return {};
}

void DrawRewardFigure(gfx::Surface& target) {
    const gfx::Box box = RewardFigureBox();
    if (!box.empty())
        target.stretchBlt(box.x, box.y, box.width, box.height, gfx::Surface(flyerStrip()), 0,
                          frameTop(), kFigureWidth, kFigureHeight);
}

void WakeRewardFigure() {
    if (theRewards.idle)
        theRewards.clickable = 1;
}

void PressRewardFigure(int x, int y) {
    if (theRewards.clickable && board::pressHits(kFigureAtRest, x, y))
        StartRewardFlight();
}

// The flight starts from the figure's place at rest.
void StartRewardFlight() {
    RewardState& r = theRewards;
    r.flight.now = r.flight.previous = kFigureAtRest;
    r.clickable = 0;
    r.idle = 0;
    r.flyerShown = 1;
    startTickTimer(kFirstFlightTimer, kFirstTick, platform::steadyNow());
}

void ResetRewardFigure() {
    if (!theRewards.idle)
        stopFlightTimers();
    theRewards.clickable = 0;
    theRewards.idle = 1;
    theRewards.flyerShown = 0;
    theRewards.flight.time = 0.0;
}

// At most one timer runs: each tick stops all four before it starts the next.
void OnTimer(int id) {
    stopFlightTimers();
    if (const int next = advanceFlight(theRewards.flight, id)) {
        const std::chrono::milliseconds interval{theRewards.flight.interval};
        startTickTimer(next, interval, dueTime(interval));
    } else if (isFlightPhase(id)) {
        land();
    }
    if (isFlightPhase(id))
        drawFlightTick();
}

} // namespace rewards
