// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The recently-used file list: four entries, newest first, kept in the per-user settings store,
// and beside it the game's settings.
#include <string>
#include <vector>

namespace platform {

inline constexpr int kRecentFileCount = 4;

std::vector<std::string> recentFiles();
void addRecentFile(const std::string& path);
void removeRecentFile(const std::string& path);

// The game's own settings, kept in the same store beside the list; `fallback` when none is kept.
std::string storedSetting(const std::string& key, const std::string& fallback);
void storeSetting(const std::string& key, const std::string& value);

} // namespace platform
