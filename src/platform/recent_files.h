#pragma once
// The recently-used file list: four entries, newest first, kept in the per-user settings store.
#include <string>
#include <vector>

namespace platform {

inline constexpr int kRecentFileCount = 4;

std::vector<std::string> recentFiles();
void addRecentFile(const std::string& path);
void removeRecentFile(const std::string& path);

} // namespace platform
