// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The about box: the program's icon and a line of text beside it, an OK button at the right,
// shown modally and centred over the main window.
#include <string>

namespace platform {

struct AboutBox {
    std::string caption;      // UTF-8
    std::string iconResource; // a built-in image, such as ":/res/128-32.png"
    std::string text;         // UTF-8
};

// Returns when OK, Escape or the close box ends it.
void runAboutBox(const AboutBox& box);

} // namespace platform
