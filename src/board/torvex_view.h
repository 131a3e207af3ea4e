// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The board view: the window's messages handed to the game's handlers.
#include "platform/view.h"

namespace board {

class CTorvexView : public platform::ViewHandler {
  public:
    // Creating the view completes the puzzle state and loads the bitmaps.
    CTorvexView();
    void onDraw() override;
    void onLButtonDown(int x, int y) override;
    void onMouseMove(int x, int y) override;
    void onLButtonUp(int x, int y) override;
    void onTimer(int id) override;
    void onResolutionChanged() override;
};

// The paint: a list just read is set up; otherwise the board is shown again as it was.
void OnDraw();

} // namespace board
