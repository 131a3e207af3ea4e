// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Opening a document with the desktop's default program, as a double click in the file manager
// would. Tests record the path instead.
#include <functional>
#include <string>

namespace platform {

// No shell stands in between: quotes, spaces, ";" or "$()" in the path are just characters of
// the file's name. False when the desktop has no program for it.
bool openWithDesktop(const std::string& path);

using ShellOpenHook = std::function<bool(const std::string& path)>;
void setShellOpenHook(ShellOpenHook hook); // empty: the desktop opens files again

} // namespace platform
