// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Lists of texts kept for later runs, one per file, in the per-user settings store beside the
// recently-used files. A file is known by its full path, so a list moved elsewhere starts anew.
#include <optional>
#include <string>
#include <vector>

namespace platform {

// The list kept under `group` for the file at `path`; nothing when none is kept or when the
// file is gone. A record that cannot be read (damaged by hand or by another program) is dropped
// and counts as none, so the next keep replaces it.
std::optional<std::vector<std::string>> keptList(const std::string& group, const std::string& path);
// Keeps `texts` (UTF-8) for the file; an empty list keeps nothing.
void keepList(const std::string& group, const std::string& path,
              const std::vector<std::string>& texts);

} // namespace platform
