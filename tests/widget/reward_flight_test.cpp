// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reward figure at rest and in flight on the real view's timers and window.
#include "board/puzzle_setup.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/modal.h"
#include "platform/window.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "support/test_support.h"
#include "wordlist/list_screen.h"

#include <QPainter>
#include <chrono>

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

// Lets the flight's next tick happen now, on the timer the previous tick started.
void tickNow() {
    const int id = runningFlightTimer();
    EXPECT_NE(id, 0);
    OnTimer(id);
}

QRect figureRect() {
    const gfx::Box box = theRewards.flight.now;
    return {box.x, box.y, box.width, box.height};
}

class RewardFlight : public ::testing::Test {
  protected:
    void SetUp() override { game.openWords({{"山", "やま", "mountain"}}); }
    // Whether the window shows frame `frame` of the reward figures stretched to fill `r`.
    bool figureShown(const QRect& r, int frame) {
        auto image = std::make_shared<QImage>(r.size(), QImage::Format_RGB32);
        gfx::Surface(image).stretchBlt(0, 0, r.width(), r.height(),
                                       gfx::Surface(gfx::loadResourceBitmap(gfx::kFlyerStrip)), 0,
                                       60 * frame, 80, 60);
        return game.shows(r, *image);
    }

    RunningApp game;
};

TEST_F(RewardFlight, FrameFollowsTheSolvedTensAtEveryTick) {
    StartRewardFlight();
    for (int tens : {0, 1, 5, 2}) {
        thePuzzle.solvedFlags.fill(0);
        std::fill_n(thePuzzle.solvedFlags.begin() + 1, 10 * tens, 1);
        tickNow();
        EXPECT_TRUE(figureShown(figureRect(), tens)) << tens;
    }
}

// A flight over the list screen draws the figure and gives the list back where it passed: no
// board pixel reaches the list, not even the frog put down on the flight's course.
TEST_F(RewardFlight, AFlightOverTheListScreenDrawsOnlyTheFigure) {
    thePuzzle.figureX[1] = 400;
    thePuzzle.figureY[1] = 590;
    StartRewardFlight();
    platform::setModalHook([&](QDialog&) {
        QImage list = game.pixels().copy();
        for (int tick = 0; tick < 40; ++tick)
            tickNow();
        QImage shown = game.pixels().copy();
        EXPECT_TRUE(figureShown(figureRect(), 0));
        for (QImage* image : {&list, &shown})
            QPainter(image).fillRect(figureRect(), Qt::black);
        EXPECT_EQ(shown, list);
        return 0;
    });
    OnWordList();
    failOnUnexpectedModals();
}

// A late tick shortens the next wait by its lateness, so the flight keeps its length; one held up
// for longer than its interval lets the flight go on at its pace from then on.
TEST_F(RewardFlight, LateTickShortensTheNextWait) {
    platform::SteadyTime now{};
    platform::setSteadyClock([&] { return now; });
    const struct { int lateMs, wait; } rows[] = {{-100, 98}, {0, 98}, {30, 68}, {97, 1}, {150, 98}};
    for (const auto& row : rows) {
        RebuildPuzzle();
        StartRewardFlight();
        now += std::chrono::milliseconds(100 + row.lateMs);
        OnTimer(1);
        EXPECT_EQ(platform::viewTimerInterval(1), row.wait) << row.lateMs << " ms late";
    }
}

} // namespace
