// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// What a solved word shows and plays: the signboard outline, the gloss and badge, the word's
// picture, the score in picture digits, the sound, and the Next button. What it shows is kept in
// the board's backdrop until the next set-up; only the Next button leaves when the word is taken
// apart.
#include "gfx/surface.h"

namespace rewards {

// Shows the presentation, plays the word's sound, then shows the Next button.
void PresentCompletion(gfx::WindowSurface& window);
// What the backdrop holds of it: the outline, gloss, badge, picture and score once a solve was
// presented, and the Next button while it is shown.
void DrawPresentation(gfx::Surface& target);
// The Next button is on the board exactly while a press on it answers: once the sound of a
// solve has played, while the word stays solved, while there is a word for it to lead to.
bool NextButtonShown();
// A press strictly inside the shown Next button goes on to that word.
void PressNextButton(int x, int y);

} // namespace rewards
