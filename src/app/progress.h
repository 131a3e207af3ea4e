// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The solved marks of each list file, kept across runs, so 正解数 and the list screen's ○ show
// what the child has done this week. A mark belongs to a word (its kanji and reading), not to a
// number: a list edited elsewhere keeps the marks of the words it still holds, wherever they
// moved. A list without a file (a new one, not yet saved) keeps nothing.
#include <string>

namespace app {

// Marks the words of the list at `path` that its kept record holds, and only those.
void RestoreProgress(const std::string& path);
// Keeps the list's marks as they are now for the file at `path`.
void KeepProgress(const std::string& path);
// 設定 → きろくを消す: the marks of the current list go, here and in its record.
void OnClearProgress();

} // namespace app
