// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/kept_lists.h"

#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSettings>
#include <QUrl>

namespace platform {
namespace {

// The settings store takes a slash for a group: the path is kept whole, every slash escaped.
QString keyFor(const std::string& group, const std::string& path) {
    const QString full = QFileInfo(QString::fromStdString(path)).absoluteFilePath();
    return QString::fromStdString(group) + '/' + QString::fromLatin1(QUrl::toPercentEncoding(full));
}

// A JSON array of strings, or nothing.
std::optional<std::vector<std::string>> parsed(const QString& text) {
    QJsonParseError error{};
    const QJsonDocument document = QJsonDocument::fromJson(text.toUtf8(), &error);
    if (error.error != QJsonParseError::NoError || !document.isArray())
        return std::nullopt;
    std::vector<std::string> texts;
    for (const QJsonValue& value : document.array()) {
        if (!value.isString())
            return std::nullopt;
        texts.push_back(value.toString().toStdString());
    }
    return texts;
}

} // namespace

std::optional<std::vector<std::string>> keptList(const std::string& group,
                                                 const std::string& path) {
    if (!QFileInfo(QString::fromStdString(path)).isFile())
        return std::nullopt;
    QSettings settings;
    const QString key = keyFor(group, path);
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return std::nullopt;
    auto texts = parsed(value.toString());
    if (!texts)
        settings.remove(key);
    return texts;
}

void keepList(const std::string& group, const std::string& path,
              const std::vector<std::string>& texts) {
    QSettings settings;
    if (texts.empty()) {
        settings.remove(keyFor(group, path));
        return;
    }
    QJsonArray array;
    for (const std::string& text : texts)
        array.append(QString::fromStdString(text));
    settings.setValue(keyFor(group, path),
                      QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact)));
}

} // namespace platform
