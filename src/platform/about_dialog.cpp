// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/about_dialog.h"

#include "platform/modal.h"
#include "platform/view.h"

#include <QDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

namespace platform {
namespace {

// The program's dialogs use this face at 9 points.
const char* const kDialogFace = "ＭＳ Ｐゴシック";

QWidget* mainWindow() {
    return theView() ? theView()->window() : nullptr;
}

QLabel* iconLabel(const std::string& resource, QWidget& dialog) {
    auto* icon = new QLabel(&dialog);
    icon->setPixmap(QPixmap(QString::fromStdString(resource)));
    icon->setAlignment(Qt::AlignTop);
    return icon;
}

// The box keeps its classic size of 235 by 55 dialog units: a unit is a quarter of the font's
// average character width across and an eighth of its line height down.
QSize classicSize(const QFontMetrics& metrics) {
    return {235 * metrics.averageCharWidth() / 4, 55 * metrics.height() / 8};
}

QPushButton* okButton(QDialog& dialog) {
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    return ok;
}

} // namespace

void runAboutBox(const AboutBox& box) {
    // With the main window as parent, Qt centres the box over it.
    QDialog dialog(mainWindow());
    dialog.setWindowTitle(QString::fromStdString(box.caption));
    dialog.setFont(QFont(QString::fromUtf8(kDialogFace), 9));
    auto* text = new QLabel(QString::fromStdString(box.text), &dialog);
    text->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    auto* row = new QHBoxLayout(&dialog);
    row->addWidget(iconLabel(box.iconResource, dialog));
    row->addWidget(text, 1);
    row->addWidget(okButton(dialog), 0, Qt::AlignTop);
    dialog.setFixedSize(classicSize(dialog.fontMetrics()).expandedTo(dialog.sizeHint()));
    runModal(dialog);
}

} // namespace platform
