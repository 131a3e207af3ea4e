// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/modal.h"

#include <QDialog>
#include <QEventLoop>
#include <utility>

namespace platform {
namespace {
ModalHook hook;
}

void setModalHook(ModalHook h) {
    hook = std::move(h);
}

int runModal(QDialog& dialog, bool blockOwner) {
    if (!hook && blockOwner)
        return dialog.exec();
    dialog.setModal(blockOwner);
    dialog.show();
    if (!hook) {
        QEventLoop loop;
        QObject::connect(&dialog, &QDialog::finished, &loop, &QEventLoop::quit);
        loop.exec();
        return dialog.result();
    }
    const int result = hook(dialog);
    dialog.hide();
    return result;
}

} // namespace platform
