// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/recent_files.h"

#include <QFileInfo>
#include <QSettings>
#include <algorithm>

namespace platform {
namespace {

QSettings settings() {
    return QSettings(QStringLiteral("Local AppWizard-Generated Applications"),
                     QStringLiteral("Torvex"));
}

void store(const std::vector<std::string>& files) {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("Recent File List"));
    s.remove(QString());
    for (size_t i = 0; i < files.size(); ++i)
        s.setValue(QStringLiteral("File%1").arg(i + 1), QString::fromStdString(files[i]));
    s.endGroup();
}

} // namespace

std::vector<std::string> recentFiles() {
    QSettings s = settings();
    s.beginGroup(QStringLiteral("Recent File List"));
    std::vector<std::string> files;
    for (int i = 1; i <= kRecentFileCount; ++i) {
        const QString value = s.value(QStringLiteral("File%1").arg(i)).toString();
        if (!value.isEmpty())
            files.push_back(value.toStdString());
    }
    return files;
}

void addRecentFile(const std::string& path) {
    const std::string absolute =
        QFileInfo(QString::fromStdString(path)).absoluteFilePath().toStdString();
    std::vector<std::string> files = recentFiles();
    std::erase(files, absolute);
    files.insert(files.begin(), absolute);
    if (files.size() > kRecentFileCount)
        files.resize(kRecentFileCount);
    store(files);
}

void removeRecentFile(const std::string& path) {
    std::vector<std::string> files = recentFiles();
    std::erase(files, path);
    store(files);
}

std::string storedSetting(const std::string& key, const std::string& fallback) {
    const QVariant value =
        settings().value(QStringLiteral("Settings/") + QString::fromStdString(key));
    return value.isValid() ? value.toString().toStdString() : fallback;
}

void storeSetting(const std::string& key, const std::string& value) {
    settings().setValue(QStringLiteral("Settings/") + QString::fromStdString(key),
                        QString::fromStdString(value));
}

} // namespace platform
