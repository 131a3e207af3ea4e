#pragma once
// Help, about and the program's path: information only, no change to the game.

// Opens the help from the folder the program was started in: "読んでね。.chm" when it is there,
// else the HTML page beside it, which desktops without a compiled-help viewer can show.
void OnHelpUsage();
void OnAppAbout();
// Tells where the program file lies.
void OnShowPath();
