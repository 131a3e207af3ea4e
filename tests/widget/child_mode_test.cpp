// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Child mode against a child at the keyboard and the screen, and the parent's way out, driven
// by real key, touch and mouse events through Qt's shortcut and event machinery.
#include "app/commands.h"
#include "platform/clock_random.h"
#include "platform/modal.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QKeyEvent>
#include <QPointingDevice>
#include <QTest>
#include <random>

using namespace testing_support;

namespace {

class ChildMode : public ::testing::Test {
  protected:
    ChildMode() {
        platform::setSteadyClock([this] { return now; });
        platform::setModalHook([this](QDialog&) {
            ++dialogs;
            return 0;
        });
        game.openWords({{"猫", "ねこ", "cat"}, {"山", "やま", "mountain"}});
        listBytes = fileBytes(game.listPath());
    }
    ~ChildMode() override { testing_support::failOnUnexpectedModals(); }
    platform::FrameWindow& frame() { return game.app().frame(); }
    QWidget& keyTarget() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? *focus : static_cast<QWidget&>(frame());
    }
    void key(Qt::Key k, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(&keyTarget(), k, modifiers);
    }
    void tap(QPoint at) {
        QTest::touchEvent(&game.view(), touchScreen).press(0, at, &game.view());
        QTest::touchEvent(&game.view(), touchScreen).release(0, at, &game.view());
    }
    // The parent's chord held for `ms` milliseconds as X delivers it: a press, repeats, a release.
    void holdChord(int ms) {
        const auto send = [&](QEvent::Type type, bool repeat) {
            QKeyEvent event(type, Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, "", repeat);
            QApplication::sendEvent(&keyTarget(), &event);
        };
        send(QEvent::KeyPress, false);
        for (int step = 0; step < ms; step += 500) {
            now += std::chrono::milliseconds(500);
            send(QEvent::KeyRelease, true);
            send(QEvent::KeyPress, true);
        }
        send(QEvent::KeyRelease, false);
    }
    void holdCorner(int ms) {
        QTest::touchEvent(&game.view(), touchScreen).press(0, {10, 10}, &game.view());
        now += std::chrono::milliseconds(ms);
        QTest::touchEvent(&game.view(), touchScreen).move(0, {12, 12}, &game.view());
        QTest::touchEvent(&game.view(), touchScreen).release(0, {10, 10}, &game.view());
    }

    platform::SteadyTime now;
    RunningApp game;
    MessageRecorder messages;
    FileDialogScript fileDialogs;
    ShellOpenRecorder shellOpens;
    int dialogs = 0;
    std::string listBytes;
    QPointingDevice* touchScreen = testing_support::touchScreen();
};

// A toddler's 100,000 presses: keys with any modifiers (the parent's chord among them, never
// held long; the chords of the menus, the editor, save and quit each come hundreds of times),
// typing, taps and clicks.
TEST_F(ChildMode, OnlyTheParentsTwoSecondHoldLeavesAndNoKeyTapOrClickOpensOrWritesAnything) {
    const QRect windowed = frame().geometry();
    choose(frame(), ID_CHILD_MODE);
    ASSERT_TRUE(frame().inChildMode());
    EXPECT_TRUE(frame().isFullScreen());
    EXPECT_FALSE(frame().menuBar()->isVisible());
    EXPECT_TRUE(frame().childModeHint().isVisible());
    EXPECT_FALSE(frame().close()); // the window manager's close box and Alt+F4

    std::mt19937 random(20261207);
    const auto pick = [&](int n) { return int(random() % unsigned(n)); };
    const Qt::Key keys[] = {
        Qt::Key_A,       Qt::Key_J,       Qt::Key_I,      Qt::Key_F,    Qt::Key_X,
        Qt::Key_S,       Qt::Key_Q,       Qt::Key_O,      Qt::Key_N,    Qt::Key_1,
        Qt::Key_Space,   Qt::Key_Return,  Qt::Key_Escape, Qt::Key_Tab,  Qt::Key_Backspace,
        Qt::Key_Delete,  Qt::Key_Insert,  Qt::Key_Left,   Qt::Key_Down, Qt::Key_Alt,
        Qt::Key_Control, Qt::Key_Super_L, Qt::Key_Menu,   Qt::Key_F1,   Qt::Key_F4,
        Qt::Key_F6,      Qt::Key_F10,     Qt::Key_F11,    Qt::Key_F12};
    const Qt::KeyboardModifier modifiers[] = {Qt::ControlModifier, Qt::AltModifier,
                                              Qt::ShiftModifier, Qt::MetaModifier};
    for (int event = 0; event < 100000; ++event) {
        const int kind = pick(20);
        const QPoint at(pick(game.view().width()), pick(game.view().height()));
        if (kind == 0) {
            tap(at);
        } else if (kind == 1) {
            game.click(at.x(), at.y());
        } else if (kind == 2) {
            QTest::sendKeyEvent(QTest::Click, &keyTarget(), Qt::Key_unknown, "猫", {});
        } else {
            Qt::KeyboardModifiers held;
            for (Qt::KeyboardModifier modifier : modifiers)
                if (pick(3) == 0)
                    held |= modifier;
            key(keys[pick(std::size(keys))], held);
        }
    }
    game.settle();
    EXPECT_TRUE(frame().inChildMode());
    EXPECT_TRUE(frame().isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(dialogs, 0);
    EXPECT_TRUE(messages.texts.empty());
    EXPECT_TRUE(fileDialogs.kinds.empty());
    EXPECT_TRUE(shellOpens.paths.empty());
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("猫"));
    EXPECT_EQ(fileBytes(game.listPath()), listBytes);

    // Held a second, the chord or a finger in the corner does nothing; held two seconds, either
    // leaves. F11 enters again.
    holdChord(1000);
    holdCorner(1000);
    EXPECT_TRUE(frame().inChildMode());
    holdCorner(2000);
    EXPECT_FALSE(frame().inChildMode());
    key(Qt::Key_F11);
    ASSERT_TRUE(frame().inChildMode());
    holdChord(2000);
    EXPECT_FALSE(frame().inChildMode());
    EXPECT_TRUE(frame().menuBar()->isVisible());
    EXPECT_FALSE(frame().isFullScreen());
    EXPECT_EQ(frame().geometry(), windowed);
}

} // namespace
