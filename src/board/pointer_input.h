// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board's pointer input. A piece or a face is moved with two separate clicks (one picks it
// up, the next puts it down) or dragged: pressed, moved with the button or finger down, and put
// down where it is released. Either way it is held at the point where it was taken. A pointer
// move sets up a word that is waiting for it and moves what is carried.
#include "gfx/surface.h"

#include <functional>

namespace board {

void OnLButtonDown(int x, int y);
void OnMouseMove(int x, int y);
void OnLButtonUp(int x, int y);

// Sets solvedNow exactly when every played piece is at home, and marks the word solved.
void CheckCompletion();
// Called when a solve marks a word that was not marked: the application keeps the marks.
void SetWordMarkedHook(std::function<void()> hook);

} // namespace board
