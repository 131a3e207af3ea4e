// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/child_lock.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTouchEvent>
#include <QWidget>

namespace platform {

ChildLock::ChildLock(QWidget& window, std::function<void()> enter, std::function<void()> leave)
    : window_(window), leave_(std::move(leave)),
      enterKey_(Qt::Key_F11, Qt::NoModifier, kParentKeyHold, std::move(enter)),
      leaveKeys_(Qt::Key_Q, Qt::ControlModifier | Qt::AltModifier, kParentKeyHold,
                 [this] { this->leave(); }),
      leaveTouch_(kParentTouchHold, [this] { this->leave(); }) {
    QCoreApplication::instance()->installEventFilter(this);
}

ChildLock::~ChildLock() {
    QCoreApplication::instance()->removeEventFilter(this);
}

void ChildLock::engage() {
    engaged_ = true;
    enterKey_.end();
}

void ChildLock::release() {
    engaged_ = false;
    leaveKeys_.end();
    leaveTouch_.end();
}

void ChildLock::leave() {
    release();
    leave_();
}

// Taking every key here, before any widget, shortcut or menu sees it, leaves nothing a key could
// reach: an accepted shortcut override stops accelerators and mnemonics, and the key itself ends.
bool ChildLock::eventFilter(QObject* watched, QEvent* event) {
    if (!engaged_)
        return filterUnlocked(watched, event);
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        leaveKeys_.note(static_cast<const QKeyEvent&>(*event));
        return true;
    case QEvent::Shortcut:
    case QEvent::InputMethod:
        return true;
    case QEvent::TouchBegin:
    case QEvent::TouchUpdate:
    case QEvent::TouchEnd:
    case QEvent::TouchCancel:
        noteTouch(static_cast<const QTouchEvent&>(*event));
        return false;
    default:
        return false;
    }
}

// Outside child mode keys pass on as usual; only those meant for the window (not a dialog) count
// towards the F11 hold.
bool ChildLock::filterUnlocked(QObject* watched, QEvent* event) {
    const bool key = event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease;
    const auto* widget = qobject_cast<const QWidget*>(watched);
    if (key && widget && widget->window() == &window_)
        enterKey_.note(static_cast<const QKeyEvent&>(*event));
    return false;
}

// Exactly two fingers, one in each of two opposite corners: one finger, a resting hand or a palm
// (more points, or points elsewhere) ends the hold.
void ChildLock::noteTouch(const QTouchEvent& touch) {
    int topLeft = 0;
    int bottomRight = 0;
    int down = 0;
    for (const QEventPoint& point : touch.points()) {
        if (point.state() == QEventPoint::Released)
            continue;
        ++down;
        const QPoint at = window_.mapFromGlobal(point.globalPosition().toPoint());
        topLeft += at.x() < kLeaveCornerSize && at.y() < kLeaveCornerSize;
        bottomRight += at.x() >= window_.width() - kLeaveCornerSize &&
                       at.y() >= window_.height() - kLeaveCornerSize;
    }
    const bool ending = touch.type() == QEvent::TouchEnd || touch.type() == QEvent::TouchCancel;
    if (!ending && down == 2 && topLeft == 1 && bottomRight == 1)
        leaveTouch_.press();
    else
        leaveTouch_.end();
}

} // namespace platform
