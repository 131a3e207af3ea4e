// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "rewards/reward_flight.h"

#include "board/board_scene.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/window.h"
#include "rewards/flight_path.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr int kFrameWidth = 80;
constexpr int kFrameHeight = 60;
constexpr std::chrono::milliseconds kFirstTick{100};

using Clock = std::chrono::steady_clock;
Clock::time_point nextTickDue;

// One figure per ten solved words, read afresh at every drawing so it changes mid-flight.
int frameTop() {
    return kFrameHeight * thePuzzle.solvedTens;
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
    for (int id = 1; id <= 4; ++id)
        platform::stopViewTimer(id);
}

// What the figure flew over comes back from the backdrop as it leaves.
void drawFlightTick() {
    PuzzleState& s = thePuzzle;
    gfx::WindowSurface window;
    RestoreMoved(window, {s.flightPrevX, s.flightPrevY, s.flightPrevWidth, s.flightPrevHeight},
                 RewardFigureBox());
    s.flightPrevX = s.flightX;
    s.flightPrevY = s.flightY;
    s.flightPrevWidth = s.flightWidth;
    s.flightPrevHeight = s.flightHeight;
}

} // namespace

gfx::Box RewardFigureBox() {
    const PuzzleState& s = thePuzzle;
    if (s.flyerShown)
        return {s.flightX, s.flightY, s.flightWidth, s.flightHeight};
    if (s.rewardClickable >= 1)
        return {s.rewardRestX, s.rewardRestY, kFrameWidth, kFrameHeight};
    return {};
}

void DrawRewardFigure(gfx::Surface& target) {
    const gfx::Box box = RewardFigureBox();
    if (!box.empty())
        target.stretchBlt(box.x, box.y, box.width, box.height, gfx::Surface(flyerStrip()), 0,
                          frameTop(), kFrameWidth, kFrameHeight);
}

// The flight starts from the figure's place at rest.
void StartRewardFlight() {
    PuzzleState& s = thePuzzle;
    s.flightX = s.flightPrevX = s.rewardRestX;
    s.flightY = s.flightPrevY = s.rewardRestY;
    s.flightWidth = s.flightPrevWidth = kFrameWidth;
    s.flightHeight = s.flightPrevHeight = kFrameHeight;
    s.rewardClickable = 0;
    s.animationIdle = 0;
    s.flyerShown = 1;
    startTickTimer(1, kFirstTick, platform::steadyNow());
}

// At most one timer runs: each tick stops all four before it starts the next.
void OnTimer(int id) {
    stopFlightTimers();
    if (const int next = advanceFlight(thePuzzle, id)) {
        const std::chrono::milliseconds interval{thePuzzle.flightInterval};
        startTickTimer(next, interval, dueTime(interval));
    }
    if (isFlightPhase(id))
        drawFlightTick();
}
