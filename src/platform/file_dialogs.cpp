// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/file_dialogs.h"

#include "platform/message_box.h"

#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <utility>

namespace platform {
namespace {
FileDialogHook fileHook;
SaveQuestionHook saveHook;
const QString kFilter = QStringLiteral(".txt (*.txt)");

// Opening starts where the game was started, where the starter lists lie side by side, with the
// current list chosen when it is one of them: a parent sees every list there is at once.
QString openFolder(const QString& currentList) {
    const QFileInfo list(currentList);
    const QDir here = QDir::current();
    return !currentList.isEmpty() && list.absoluteDir() == here ? list.absoluteFilePath()
                                                                : here.path();
}
} // namespace

void setFileDialogHook(FileDialogHook hook) {
    fileHook = std::move(hook);
}
void setSaveQuestionHook(SaveQuestionHook hook) {
    saveHook = std::move(hook);
}

std::optional<std::string> askFileName(FileDialogKind kind, const std::string& suggested) {
    if (fileHook)
        return fileHook(kind, suggested);
    QWidget* owner = QApplication::activeWindow();
    const QString start = QString::fromStdString(suggested);
    QString chosen;
    if (kind == FileDialogKind::Open) {
        chosen = QFileDialog::getOpenFileName(owner, QString(), openFolder(start), kFilter);
    } else {
        QFileDialog dialog(owner, QString(), start, kFilter);
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
            chosen = dialog.selectedFiles().first();
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

SaveAnswer askSaveChanges(const std::string& documentTitle) {
    if (saveHook)
        return saveHook(documentTitle);
    const auto answer = QMessageBox::question(
        QApplication::activeWindow(), QString::fromUtf8(kAppTitle),
        QStringLiteral("%1 への変更を保存しますか?").arg(QString::fromStdString(documentTitle)),
        QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, QMessageBox::Save);
    if (answer == QMessageBox::Save)
        return SaveAnswer::Save;
    return answer == QMessageBox::Discard ? SaveAnswer::Discard : SaveAnswer::Cancel;
}

} // namespace platform
