// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A help page shown by the program itself, so no web browser is needed.
#include <string>

namespace platform {

// Shows the HTML page in a window of its own beside the main window, with its pictures; a link
// to a place on the page scrolls there, a link to another file or a web address opens with the
// desktop's program. Asked again, the same window comes back with the page read afresh. False,
// with nothing shown, when the path is not a regular file that can be read.
bool showHelpPage(const std::string& path);

} // namespace platform
