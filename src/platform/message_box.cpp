// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/message_box.h"

#include <QApplication>
#include <QMessageBox>
#include <utility>

namespace platform {
namespace {
MessageBoxHook hook;
}

void setMessageBoxHook(MessageBoxHook h) {
    hook = std::move(h);
}

void messageBoxCaption(const std::string& text, const std::string& caption) {
    if (hook) {
        hook(text, caption);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(caption),
                    QString::fromStdString(text), QMessageBox::Ok,
                    caption == kAppTitle ? QApplication::activeWindow() : nullptr);
    box.exec();
}

void messageBox(const std::string& text) {
    messageBoxCaption(text, kAppTitle);
}

} // namespace platform
