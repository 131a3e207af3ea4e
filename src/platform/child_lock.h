// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock of child mode. While it is engaged every key and chord does nothing anywhere in the
// program, and the only way out is the parent's: Ctrl+Alt+Q held for two seconds, or one finger
// held for two seconds in the top left corner of the window.
#include "platform/clock_random.h"

#include <QObject>
#include <QTimer>
#include <functional>

class QKeyEvent;
class QTouchEvent;
class QWidget;

namespace platform {

inline constexpr int kParentHoldMilliseconds = 2000;
// The side of the corner square, in the window's pixels, where a held finger leaves.
inline constexpr int kLeaveCornerSize = 80;

class ChildLock : public QObject {
    Q_OBJECT
  public:
    // `leave` is called when the parent's hold is complete; the lock is released by then.
    ChildLock(QWidget& window, std::function<void()> leave);
    ~ChildLock() override;

    void engage();
    void release();
    bool engaged() const { return engaged_; }

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void noteKey(const QKeyEvent& key);
    void noteTouch(const QTouchEvent& touch);
    void holdOn();
    void holdOff();
    void checkHold();

    QWidget& window_;
    std::function<void()> leave_;
    QTimer poll_;
    bool engaged_ = false;
    bool holding_ = false;
    SteadyTime holdStart_;
};

} // namespace platform
