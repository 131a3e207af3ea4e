// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/paths.h"

#include <QCoreApplication>
#include <filesystem>
#include <system_error>

namespace platform {

std::string currentDirectory() {
    std::error_code error;
    const std::filesystem::path path = std::filesystem::current_path(error);
    return error ? std::string() : path.string();
}

std::string programFilePath() {
    return QCoreApplication::applicationFilePath().toStdString();
}

} // namespace platform
