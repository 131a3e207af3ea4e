// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Help, about and the program's path: information only, no change to the game.

// Opens the help from the folder the program was started in: "読んでね。.chm" when it is there,
// else the HTML page beside it, which desktops without a compiled-help viewer can show. A page
// that is missing or that no program opens is reported with its full path.
void OnHelpUsage();
void OnAppAbout();
// Tells where the program file lies.
void OnShowPath();
