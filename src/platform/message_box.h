// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Message boxes with one OK button. Texts are UTF-8. Tests replace the box with a recorder.
#include <functional>
#include <string>

namespace platform {

inline constexpr const char* kAppTitle = "Torvex";

// Shows text with the caption "Torvex" and waits until it is closed.
void messageBox(const std::string& text);
// Shows text under another caption, with no owner window.
void messageBoxCaption(const std::string& text, const std::string& caption);

using MessageBoxHook = std::function<void(const std::string& text, const std::string& caption)>;
void setMessageBoxHook(MessageBoxHook hook); // empty: real boxes again

} // namespace platform
