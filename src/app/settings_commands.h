// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The two settings, the kanji's face and the difficulty, and their check marks. A change sets
// the word on the board up again at once and is kept in the settings store for the next start.

namespace app {

// Takes the settings kept by an earlier run.
void LoadSettings();

void OnFontGothic();
void OnFontMincho();
void OnLevel1();
void OnLevel2();
void OnLevel3();

bool OnUpdateFontGothic();
bool OnUpdateFontMincho();
bool OnUpdateLevel1();
bool OnUpdateLevel2();
bool OnUpdateLevel3();

} // namespace app
