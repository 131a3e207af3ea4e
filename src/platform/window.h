// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board window's services for the game, without Qt in sight: its timers and its client
// rectangle. With no view they do nothing.

namespace platform {

void setViewTimer(int id, int milliseconds);
void stopViewTimer(int id);
bool viewTimerRunning(int id);
int viewTimerInterval(int id);

struct Size {
    int width = 0;
    int height = 0;
};
Size viewClientSize();

} // namespace platform
