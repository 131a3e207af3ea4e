// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/resources.h"

#include <QFile>

namespace platform {

std::string loadResourceWave(int id) {
    return loadResourceFile(QStringLiteral(":/res/%1.wav").arg(id).toStdString());
}

std::string loadResourceFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QByteArray bytes = file.readAll();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

} // namespace platform
