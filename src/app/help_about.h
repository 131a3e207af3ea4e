// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Help, about and the program's path: information only, no change to the game.

namespace app {

// Shows the help page "読んでね。.html" of the folder the program was started in, in a window of
// the game's own; a page that cannot be read is reported with its full path.
void OnHelpUsage();
void OnAppAbout();
// Tells where the program file lies.
void OnShowPath();

} // namespace app
