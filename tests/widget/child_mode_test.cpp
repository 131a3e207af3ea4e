// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Child mode against a child at the keyboard and the screen, and the parent's way out, driven
// by real key, touch and mouse events through Qt's shortcut and event machinery.
#include "support/shell_support.h"

#include <QKeyEvent>
#include <QPointingDevice>

using namespace app;
using namespace board;
using namespace wordlist;

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
    void sendKey(QEvent::Type type, Qt::Key k, Qt::KeyboardModifiers modifiers, bool repeat) {
        QKeyEvent event(type, k, modifiers, "", repeat);
        event.setTimestamp(std::uint64_t(
            std::chrono::duration_cast<std::chrono::milliseconds>(now - start).count()));
        QApplication::sendEvent(&keyTarget(), &event);
    }
    // The parent's chord held for `ms` milliseconds as X delivers it: a press, repeats every
    // 40 ms (some seen as a real release and a fresh press, when the press came late), then the
    // release.
    void holdChord(int ms) {
        const auto chord = Qt::ControlModifier | Qt::AltModifier;
        sendKey(QEvent::KeyPress, Qt::Key_Q, chord, false);
        for (int step = 40; step <= ms; step += 40) {
            now += std::chrono::milliseconds(40);
            const bool late = step % 200 == 0;
            sendKey(QEvent::KeyRelease, Qt::Key_Q, chord, !late);
            sendKey(QEvent::KeyPress, Qt::Key_Q, chord, !late);
        }
        sendKey(QEvent::KeyRelease, Qt::Key_Q, chord, false);
    }
    // Fingers put down at `at` (view coordinates), kept for `ms` milliseconds, lifted.
    void holdFingers(const std::vector<QPoint>& at, int ms) {
        const auto each = [&](auto act) {
            auto sequence = QTest::touchEvent(&game.view(), touchScreen);
            for (int id = 0; id < int(at.size()); ++id)
                act(sequence, id, at[std::size_t(id)]);
        };
        each([&](auto& s, int id, QPoint p) { s.press(id, p, &game.view()); });
        now += std::chrono::milliseconds(ms);
        each([&](auto& s, int id, QPoint p) { s.move(id, p + QPoint(1, 1), &game.view()); });
        each([&](auto& s, int id, QPoint p) { s.release(id, p, &game.view()); });
    }

    platform::SteadyTime start = std::chrono::steady_clock::now();
    platform::SteadyTime now = start;
    RunningApp game;
    MessageRecorder messages;
    FileDialogScript fileDialogs;
    ShellOpenRecorder shellOpens;
    int dialogs = 0;
    std::string listBytes;
    QPointingDevice* touchScreen = testing_support::touchScreen();
};

// A toddler's 100,000 presses: keys with any modifiers (the parent's chord among them, never
// held long; F11 among them; the chords of the menus, the editor, save and quit each come hundreds
// of times), typing, taps and clicks.
TEST_F(ChildMode, OnlyTheParentsTwoSecondHoldLeavesAndNoKeyTapOrClickOpensOrWritesAnything) {
    const QRect windowed = frame().geometry();
    choose(frame(), ID_CHILD_MODE);
    ASSERT_TRUE(frame().inChildMode());
    EXPECT_TRUE(frame().isFullScreen());
    EXPECT_FALSE(frame().menuBar()->isVisible());
    EXPECT_FALSE(frame().close()); // the window manager's close box and Alt+F4
    thePuzzle.currentEntry = 2;    // the list's last word leads on to its first, as nowhere else
    EXPECT_EQ(WordAfterSolved(), 1);

    // A click on the hint reaches the board, which then hides it.
    game.settle();
    const QWidget& hint = frame().childModeHint();
    ASSERT_TRUE(hint.isVisible());
    QTest::mouseClick(frame().windowHandle(), Qt::LeftButton, {},
                      frame().mapFromGlobal(hint.mapToGlobal(hint.rect().center())));
    EXPECT_FALSE(hint.isVisible());

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
            holdFingers({at}, 0);
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

    // Held a second and a half, the chord does nothing, even when its poll comes past two seconds
    // while the release could still be taken back; nor do one finger, a finger in one corner with
    // another in the middle or the same corner, both corners with a palm on the board, or both
    // corners too short. Two fingers in opposite corners for three seconds leave, giving the
    // window back.
    holdChord(1600);
    now += std::chrono::milliseconds(600);
    QTest::qWait(120); // the hold's poll runs every 50 ms
    EXPECT_TRUE(frame().inChildMode());
    const QPoint topLeft(10, 10);
    const QPoint bottomRight(game.view().width() - 10, game.view().height() - 10);
    const QPoint middle(game.view().width() / 2, game.view().height() / 2);
    const std::vector<std::vector<QPoint>> staying = {
        {topLeft},
        {topLeft, middle},
        {topLeft, topLeft + QPoint(30, 30)},
        {topLeft, bottomRight, middle, middle + QPoint(40, 0), middle + QPoint(0, 40),
         middle + QPoint(40, 40)}};
    for (const auto& fingers : staying)
        holdFingers(fingers, 4000);
    holdFingers({topLeft, bottomRight}, 2500);
    EXPECT_TRUE(frame().inChildMode());
    holdFingers({topLeft, bottomRight}, 3000);
    EXPECT_FALSE(frame().inChildMode());
    EXPECT_TRUE(frame().menuBar()->isVisible());
    EXPECT_FALSE(frame().isFullScreen());
    EXPECT_EQ(frame().geometry(), windowed);
    EXPECT_EQ(WordAfterSolved(), 0);
}

} // namespace
