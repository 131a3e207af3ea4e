#include "rewards/reward_flight.h"

#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
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

const gfx::BitmapPtr& flyerStrip() {
    return gfx::bitmapSlots()[gfx::kFlyerSlot];
}

// Each wait is counted from when the tick was due, not from when it came: the timers' wake-up
// delays, a millisecond or two each, would otherwise add up over the 97 ticks of a flight.
void startTickTimer(int id, std::chrono::milliseconds interval, Clock::time_point from) {
    nextTickDue = from + interval;
    const auto wait = std::chrono::round<std::chrono::milliseconds>(nextTickDue - Clock::now());
    platform::setViewTimer(id, static_cast<int>(std::max<Clock::rep>(wait.count(), 0)));
}

// When the tick that runs now was due; or now, if it came early or more than a whole interval
// late (the thread was held): the flight then goes on at its pace instead of rushing to catch up.
Clock::time_point dueTime(std::chrono::milliseconds interval) {
    const auto now = Clock::now();
    return nextTickDue <= now && now - nextTickDue < interval ? nextTickDue : now;
}

void stopFlightTimers() {
    for (int id = 1; id <= 4; ++id)
        platform::stopViewTimer(id);
}

// Only the figure's own last rectangle is blanked: what it flew over stays holed until the
// board is set up again.
void drawFlightTick() {
    PuzzleState& s = thePuzzle;
    gfx::WindowSurface window;
    window.fillWithWindowColour(s.flightPrevX, s.flightPrevY, s.flightPrevX + s.flightPrevWidth,
                                s.flightPrevY + s.flightPrevHeight);
    window.stretchBlt(s.flightX, s.flightY, s.flightWidth, s.flightHeight,
                      gfx::Surface(flyerStrip()), 0, frameTop(), kFrameWidth, kFrameHeight);
    s.flightPrevX = s.flightX;
    s.flightPrevY = s.flightY;
    s.flightPrevWidth = s.flightWidth;
    s.flightPrevHeight = s.flightHeight;
}

} // namespace

void DrawRewardFigureAtRest(gfx::Surface& window) {
    window.bitBlt(thePuzzle.rewardRestX, thePuzzle.rewardRestY, kFrameWidth, kFrameHeight,
                  gfx::Surface(flyerStrip()), 0, frameTop());
}

void StartRewardFlight() {
    PuzzleState& s = thePuzzle;
    s.flightPrevX = s.rewardRestX;
    s.flightPrevY = s.rewardRestY;
    s.flightPrevWidth = kFrameWidth;
    s.flightPrevHeight = kFrameHeight;
    s.rewardClickable = 0;
    s.animationIdle = 0;
    startTickTimer(1, kFirstTick, Clock::now());
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
