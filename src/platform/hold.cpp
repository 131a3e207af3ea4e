// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/hold.h"

#include <QKeyEvent>

namespace platform {

Hold::Hold(std::chrono::milliseconds length, std::function<void()> done)
    : length_(length), done_(std::move(done)) {
    poll_.setInterval(50);
    connect(&poll_, &QTimer::timeout, this, &Hold::check);
}

void Hold::press() {
    if (state_ == State::Off)
        start_ = steadyNow();
    state_ = State::Held;
    poll_.start();
    check();
}

void Hold::letGo() {
    if (state_ == State::Off)
        return;
    state_ = State::LetGo;
    letGoAt_ = steadyNow();
}

void Hold::end() {
    state_ = State::Off;
    poll_.stop();
}

// A let-go not taken back ends the hold where it happened, so a hold that is still let go at
// its full length counts only once the press comes back.
void Hold::check() {
    const SteadyTime now = steadyNow();
    if (state_ == State::LetGo && now - letGoAt_ > kLetGoWait)
        end();
    if (state_ != State::Held || now - start_ < length_)
        return;
    end();
    done_();
}

KeyHold::KeyHold(Qt::Key key, Qt::KeyboardModifiers modifiers, std::chrono::milliseconds length,
                 std::function<void()> done)
    : key_(key), modifiers_(modifiers), hold_(length, std::move(done)) {}

bool KeyHold::partOfChord(int key) const {
    return key == key_ || (key == Qt::Key_Control && modifiers_ & Qt::ControlModifier) ||
           (key == Qt::Key_Alt && modifiers_ & Qt::AltModifier) ||
           (key == Qt::Key_Shift && modifiers_ & Qt::ShiftModifier) ||
           (key == Qt::Key_Meta && modifiers_ & Qt::MetaModifier);
}

// Repeats of a held key keep the hold going whichever way they arrive.
void KeyHold::note(const QKeyEvent& event) {
    const int key = event.key();
    if (event.type() == QEvent::KeyPress) {
        const bool takesBack =
            hold_.held() && key == letGoKey_ && event.timestamp() - letGoStamp_ <= kRepeatGapMs;
        if (key == key_ && (event.modifiers() & ~Qt::KeypadModifier) == modifiers_) {
            if (letGoKey_ && !takesBack)
                hold_.end();
            hold_.press();
        } else if (hold_.held() && partOfChord(key) && event.isAutoRepeat()) {
            return;
        } else if (takesBack) {
            hold_.press();
        } else {
            hold_.end();
        }
        letGoKey_ = 0;
    } else if (event.type() == QEvent::KeyRelease && !event.isAutoRepeat() && partOfChord(key)) {
        letGoKey_ = key;
        letGoStamp_ = event.timestamp();
        hold_.letGo();
    }
}

} // namespace platform
