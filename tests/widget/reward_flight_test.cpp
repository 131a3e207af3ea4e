// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reward figure at rest and in flight on the real view's timers and window.
#include "platform/window.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "support/test_support.h"

using namespace board;
using namespace rewards;
using namespace wordlist;

using namespace testing_support;

namespace {

// The id of a flight timer that runs, 0 when none does.
int runningFlightTimer() {
    for (int id = 1; id <= 4; ++id)
        if (platform::viewTimerRunning(id))
            return id;
    return 0;
}

class RewardFlight : public ::testing::Test {
  protected:
    void SetUp() override { game.openWords({{"山", "やま", "mountain"}}); }
    // Which of the built-in strip's frames, 60 pixels apart, the window shows best in the
    // figure's box, each scaled by Qt to fill it.
    int frameShown() {
        const gfx::Box box = theRewards.flight.now;
        const QRect r(box.x, box.y, box.width, box.height);
        const QImage strip = *gfx::loadResourceBitmap(gfx::kFlyerStrip);
        const QRect inside = r & game.pixels().rect();
        std::vector<int> misses;
        for (int top = 0; top + 60 <= strip.height(); top += 60) {
            const QImage frame = strip.copy(0, top, 80, 60).scaled(r.size());
            misses.push_back(0);
            for (int y = inside.top(); y <= inside.bottom(); ++y)
                for (int x = inside.left(); x <= inside.right(); ++x)
                    misses.back() +=
                        game.pixel(x, y) != (frame.pixel(x - r.x(), y - r.y()) & 0xFFFFFF);
        }
        return int(std::ranges::min_element(misses) - misses.begin());
    }

    RunningApp game;
};

// Until a word is solved nothing stands at the figure's place, and a press there starts nothing.
TEST_F(RewardFlight, BeforeASolveTheFiguresPlaceIsEmptyAndTakesNoPress) {
    EXPECT_EQ(countPixels(game.pixels(), {850, 10, 80, 60}, notWhite), 0);
    game.click(890, 40);
    EXPECT_EQ(runningFlightTimer(), 0);
}

TEST_F(RewardFlight, FrameFollowsTheSolvedTensAtEveryTick) {
    StartRewardFlight();
    for (int tens : {0, 1, 5, 2}) {
        thePuzzle.solvedFlags.fill(0);
        std::fill_n(thePuzzle.solvedFlags.begin() + 1, 10 * tens, 1);
        const int timer = runningFlightTimer(); // the one the previous tick started
        ASSERT_NE(timer, 0);
        OnTimer(timer);
        EXPECT_EQ(frameShown(), tens);
    }
}

} // namespace
