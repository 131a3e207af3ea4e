// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The toolkit's own dialogs as a parent meets them: in Japanese, and a list saved under a bare
// name gets the ending the open dialog looks for.
#include "platform/file_dialogs.h"
#include "support/test_support.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>

using namespace testing_support;

namespace {

TEST(ToolkitDialogs, SpeakJapaneseAndSaveAListAsTxt) {
    const QDialogButtonBox buttons(QDialogButtonBox::Cancel | QDialogButtonBox::Save);
    EXPECT_EQ(buttons.button(QDialogButtonBox::Cancel)->text().toStdString(), "キャンセル");

    const TempFolder folder;
    platform::setFileDialogHook({});
    QTimer::singleShot(0, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        dialog->selectFile(QString::fromStdString((folder.path() / "どうぶつ").string()));
        QMetaObject::invokeMethod(dialog, "accept");
    });
    const auto chosen = platform::askFileName(platform::FileDialogKind::Save, "");
    failOnUnexpectedFileDialogs();
    EXPECT_EQ(chosen, (folder.path() / "どうぶつ.txt").string());
}

} // namespace
