// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string>

namespace platform {

// The process's current directory, whole, whatever its length.
std::string currentDirectory();

// The program file's full path.
std::string programFilePath();

} // namespace platform
