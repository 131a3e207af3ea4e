// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// A parent's deliberate hold: keys or fingers kept down for a given time, told apart from the
// short presses of a child.
#include "platform/clock_random.h"

#include <QObject>
#include <QTimer>
#include <chrono>
#include <cstdint>
#include <functional>

class QKeyEvent;

namespace platform {

// A held key repeats, and under X some repeats arrive as a real release followed by a press of
// the same key (when the press was not yet in the queue as the release was read). The server
// stamps both with the same time, however late a loaded machine reads them; a finger lifting
// and pressing again takes far longer than this.
inline constexpr std::uint64_t kRepeatGapMs = 30;
// How long a let-go waits, by the clock, for the press that would take it back; only a late
// reader needs more than a moment.
inline constexpr std::chrono::milliseconds kLetGoWait{1000};

// Runs `done` once the hold has lasted `length`, counted from its first press. Nothing happens
// while it is not held, so a held still finger or key, which sends nothing, is looked at too.
class Hold : public QObject {
    Q_OBJECT
  public:
    Hold(std::chrono::milliseconds length, std::function<void()> done);

    // Held from now on, or still held, or held again after a let-go.
    void press();
    // Perhaps released for good: the hold ends unless press() follows within kLetGoWait.
    void letGo();
    void end();
    bool held() const { return state_ != State::Off; }

  private:
    enum class State { Off, Held, LetGo };
    void check();

    std::chrono::milliseconds length_;
    std::function<void()> done_;
    State state_ = State::Off;
    SteadyTime start_;
    SteadyTime letGoAt_;
    QTimer poll_;
};

// A key, with exactly the given modifiers, held: pressing it starts the hold; releasing it or one
// of the modifiers lets go, taken back by a press of the same key stamped with (nearly) the same
// time; any other key pressed ends the hold.
class KeyHold {
  public:
    KeyHold(Qt::Key key, Qt::KeyboardModifiers modifiers, std::chrono::milliseconds length,
            std::function<void()> done);

    void note(const QKeyEvent& event);
    void end() { hold_.end(); }

  private:
    bool partOfChord(int key) const;

    Qt::Key key_;
    Qt::KeyboardModifiers modifiers_;
    Hold hold_;
    int letGoKey_ = 0;
    std::uint64_t letGoStamp_ = 0;
};

} // namespace platform
