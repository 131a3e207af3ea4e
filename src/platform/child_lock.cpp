// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/child_lock.h"

#include "platform/clock_random.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTouchEvent>
#include <QWidget>

namespace platform {

ChildLock::ChildLock(QWidget& window, std::function<void()> leave)
    : window_(window), leave_(std::move(leave)) {
    // A finger held still sends no events, so the hold is also looked at while nothing happens.
    poll_.setInterval(100);
    connect(&poll_, &QTimer::timeout, this, &ChildLock::checkHold);
}

ChildLock::~ChildLock() {
    release();
}

void ChildLock::engage() {
    if (engaged_)
        return;
    engaged_ = true;
    QCoreApplication::instance()->installEventFilter(this);
}

void ChildLock::release() {
    if (!engaged_)
        return;
    engaged_ = false;
    holdOff();
    QCoreApplication::instance()->removeEventFilter(this);
}

// Taking every key here, before any widget, shortcut or menu sees it, leaves nothing a key could
// reach: an accepted shortcut override stops accelerators and mnemonics, and the key itself ends.
bool ChildLock::eventFilter(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::ShortcutOverride:
        event->accept();
        return true;
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        noteKey(static_cast<const QKeyEvent&>(*event));
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

// The chord counts only alone: any other key, or letting go of one of its keys, ends the hold.
// Held keys repeat as presses and releases marked as repeats; those keep the hold going.
void ChildLock::noteKey(const QKeyEvent& key) {
    const bool chord =
        key.type() == QEvent::KeyPress && key.key() == Qt::Key_Q &&
        (key.modifiers() & ~Qt::KeypadModifier) == (Qt::ControlModifier | Qt::AltModifier);
    if (chord)
        holdOn();
    else if (!key.isAutoRepeat())
        holdOff();
}

void ChildLock::noteTouch(const QTouchEvent& touch) {
    const bool ending = touch.type() == QEvent::TouchEnd || touch.type() == QEvent::TouchCancel;
    bool inCorner = false;
    if (!ending && touch.points().size() == 1) {
        const QPoint at = window_.mapFromGlobal(touch.points().front().globalPosition().toPoint());
        inCorner = at.x() < kLeaveCornerSize && at.y() < kLeaveCornerSize;
    }
    if (inCorner)
        holdOn();
    else
        holdOff();
}

void ChildLock::holdOn() {
    if (holding_) {
        checkHold();
        return;
    }
    holding_ = true;
    holdStart_ = steadyNow();
    poll_.start();
}

void ChildLock::holdOff() {
    holding_ = false;
    poll_.stop();
}

void ChildLock::checkHold() {
    if (!holding_ || steadyNow() - holdStart_ < std::chrono::milliseconds(kParentHoldMilliseconds))
        return;
    release();
    leave_();
}

} // namespace platform
