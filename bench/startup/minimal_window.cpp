// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The yardstick for start-up: an empty Qt main window, measured the same way as the game.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("minimal - Torvex"));
    window.resize(945, 724);
    window.show();
    return QApplication::exec();
}
