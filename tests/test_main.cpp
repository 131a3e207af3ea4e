// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every test group runs inside one QApplication on the offscreen platform, with the game's
// fonts registered and the settings kept in a scratch folder of the run's own, so that runs side
// by side never see each other's recent files. A dialog no test scripted fails that test at once.
#include "platform/speech.h"
#include "support/test_support.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

using namespace app;

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM",
            qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
    qputenv("SDL_AUDIODRIVER", "dummy");
    QStandardPaths::setTestModeEnabled(true);
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication application(argc, argv);
    InitialiseToolkit();
    testing_support::failOnUnexpectedDialogs();
    testing::InitGoogleTest(&argc, argv);
    const int status = RUN_ALL_TESTS();
    platform::stopSpeech();
    return status;
}
