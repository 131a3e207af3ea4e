// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// File dialogs with the ".txt" filter, and the save question. Tests script the answers.
#include <functional>
#include <optional>
#include <string>

namespace platform {

enum class FileDialogKind { Open, Save };
enum class SaveAnswer { Save, Discard, Cancel };

// The chosen path, or nothing when the dialog was cancelled.
std::optional<std::string> askFileName(FileDialogKind kind, const std::string& suggested);
SaveAnswer askSaveChanges(const std::string& documentTitle);

using FileDialogHook =
    std::function<std::optional<std::string>(FileDialogKind, const std::string& suggested)>;
using SaveQuestionHook = std::function<SaveAnswer(const std::string& title)>;
void setFileDialogHook(FileDialogHook hook);
void setSaveQuestionHook(SaveQuestionHook hook);

} // namespace platform
