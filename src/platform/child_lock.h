// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock of child mode and the parent's ways in and out. Outside child mode, F11 held for two
// seconds in the window enters it (a tap does nothing). While it is engaged every key and chord
// does nothing anywhere in the program, and the only way out is the parent's: Ctrl+Alt+Q held
// for two seconds, or two fingers held for three seconds, one in the top left corner of the
// screen and one in the bottom right.
#include "platform/hold.h"

#include <QObject>
#include <functional>

class QTouchEvent;
class QWidget;

namespace platform {

inline constexpr std::chrono::milliseconds kParentKeyHold{2000};
inline constexpr std::chrono::milliseconds kParentTouchHold{3000};
// The side of each corner square, in the window's pixels, where the parent's fingers rest: room
// for an adult's fingertip aimed without looking closely, far from where a child's hand lies.
inline constexpr int kLeaveCornerSize = 120;

class ChildLock : public QObject {
    Q_OBJECT
  public:
    // `enter` is called when F11 was held in `window`; `leave` when the parent's hold to leave is
    // complete, with the lock released by then.
    ChildLock(QWidget& window, std::function<void()> enter, std::function<void()> leave);
    ~ChildLock() override;

    void engage();
    void release();
    bool engaged() const { return engaged_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    bool filterUnlocked(QObject* watched, QEvent* event);
    void noteTouch(const QTouchEvent& touch);
    void leave();

    QWidget& window_;
    std::function<void()> leave_;
    KeyHold enterKey_;
    KeyHold leaveKeys_;
    Hold leaveTouch_;
    bool engaged_ = false;
};

} // namespace platform
