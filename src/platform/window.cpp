// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/window.h"

#include "platform/view.h"

namespace platform {

void setViewTimer(int id, int milliseconds) {
    if (View* v = theView())
        v->setTimer(id, milliseconds);
}

void stopViewTimer(int id) {
    if (View* v = theView())
        v->stopTimer(id);
}

bool viewTimerRunning(int id) {
    const View* v = theView();
    return v && v->timerRunning(id);
}

int viewTimerInterval(int id) {
    const View* v = theView();
    return v ? v->timerInterval(id) : 0;
}

Size viewClientSize() {
    const View* v = theView();
    return v ? Size{v->boardSize().width(), v->boardSize().height()} : Size{};
}

} // namespace platform
