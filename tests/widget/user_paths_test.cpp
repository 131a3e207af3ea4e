// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Paths a child or a parent takes that lie between the other tests: a press where two faces
// overlap, a short slide, a level chosen after a flight, and child mode's hint against the clock
// and a finger.
#include "app/commands.h"
#include "gfx/bitmap_set.h"
#include "platform/window.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "support/play_support.h"
#include "support/shell_support.h"

#include <QTest>
#include <chrono>

using namespace board;
using namespace rewards;

namespace testing_support {
namespace {

constexpr int kFrog = 1, kGirl = 2;

class UserPaths : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}}); }
};

// The face whose picture shows at the press point is the one taken: what is drawn on top is
// what a press takes.
TEST_F(UserPaths, OfOverlappingFacesThePressTakesTheOneShownThere) {
    game.click(105, 65); // the girl, below the frog
    game.click(115, 35); // put down over the frog's lower part
    const QRect overlap(96, 16, 28, 23);
    const auto shown = [&](int figure) {
        const auto& faces = gfx::bitmapSlots()[figure == kFrog ? gfx::kFrogSlot : gfx::kGirlSlot];
        const QPoint corner(thePuzzle.figureX[figure], thePuzzle.figureY[figure]);
        return game.shows(overlap, *faces, overlap.topLeft() - corner);
    };
    ASSERT_NE(shown(kFrog), shown(kGirl));
    const int onTop = shown(kFrog) ? kFrog : kGirl;
    game.click(110, 28);
    EXPECT_EQ(thePuzzle.draggedFigure, onTop);
}

// A piece taken from under a face comes to the top while the button is still down.
TEST_F(UserPaths, APieceTakenFromUnderAFaceShowsOnTopAtOnce) {
    place(1, 1, 50, -30);
    QTest::mousePress(&game.view(), Qt::LeftButton, {}, {100, 20});
    ASSERT_EQ(thePuzzle.selectedPiece, 1);
    EXPECT_TRUE(game.showsItsState());
    QTest::mouseRelease(&game.view(), Qt::LeftButton, {}, {100, 20});
}

// A slide of a finger's width is a drag in any direction: released, the piece lies there.
TEST_F(UserPaths, AShortSlideIsADrag) {
    const QPoint press(650, 200);
    for (const QPoint slide : {QPoint(20, 0), QPoint(0, -20)}) {
        place(1, 1, 600, 150);
        QTest::mousePress(&game.view(), Qt::LeftButton, {}, press);
        QTest::mouseMove(&game.view(), press + slide);
        QTest::mouseRelease(&game.view(), Qt::LeftButton, {}, press + slide);
        EXPECT_EQ(thePuzzle.selectedPiece, -1);
        EXPECT_EQ(QPoint(thePuzzle.pieceX[1][1], thePuzzle.pieceY[1][1]), QPoint(600, 150) + slide);
    }
}

// A level chosen while the landed flight waits for a move is the board the child plays: the next
// move does not scatter it again (a clock that moves on would scatter elsewhere).
TEST_F(UserPaths, ALevelChosenAfterAFlightLandedStaysAsShown) {
    platform::SteadyTime now{};
    platform::setSteadyClock([&] { return now; });
    StartRewardFlight();
    for (int tick = 0; tick < 1000 && theRewards.idle == 0; ++tick) {
        now += std::chrono::milliseconds(100);
        for (int id = kFirstFlightTimer; id <= kLastFlightTimer; ++id)
            if (platform::viewTimerRunning(id))
                OnTimer(id);
    }
    ASSERT_EQ(theRewards.idle, 1);
    std::time_t seconds = 1700000000;
    platform::setClock([&] { return seconds++; });
    choose(game.app().frame(), app::ID_LEVEL_2);
    const auto scattered = thePuzzle.pieceX;
    game.move(500, 700);
    EXPECT_EQ(thePuzzle.pieceX, scattered);
}

// The hint stays while the parent reads it, and the child's first press takes it away, by
// finger as by mouse.
TEST_F(UserPaths, ChildModesHintStaysAWhileAndGoesAtAFingersPress) {
    platform::FrameWindow& frame = game.app().frame();
    choose(frame, app::ID_CHILD_MODE);
    const QWidget& hint = frame.childModeHint();
    QTest::qWait(1000);
    EXPECT_TRUE(hint.isVisible());
    QTest::touchEvent(&game.view(), touchScreen()).press(0, {400, 300}, &game.view());
    QTest::touchEvent(&game.view(), touchScreen()).release(0, {400, 300}, &game.view());
    EXPECT_FALSE(hint.isVisible());
}

} // namespace
} // namespace testing_support
