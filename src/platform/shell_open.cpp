// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/shell_open.h"

#include <QDesktopServices>
#include <QFile>
#include <QUrl>
#include <utility>

namespace platform {
namespace {
ShellOpenHook hook;
}

void setShellOpenHook(ShellOpenHook h) {
    hook = std::move(h);
}

bool openWithDesktop(const std::string& path) {
    if (hook)
        return hook(path);
    return QDesktopServices::openUrl(
        QUrl::fromLocalFile(QFile::decodeName(QByteArray::fromStdString(path))));
}

} // namespace platform
