// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/torvex_app.h"
#include "gfx/fonts.h"
#include "platform/sound.h"
#include "platform/speech.h"

#include <QApplication>

int main(int argc, char** argv) {
    gfx::FontConfigurationLoader fonts;
    QApplication application(argc, argv);
    fonts.wait();
    app::InitialiseToolkit();
    // Lets Wayland desktops match the window to its desktop entry and frog icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.torvex.Torvex"));
    int status = 1;
    {
        app::CTorvexApp app;
        std::vector<std::string> arguments;
        for (const QString& argument : QCoreApplication::arguments())
            arguments.push_back(argument.toStdString());
        if (app.InitInstance(arguments))
            status = QApplication::exec();
    }
    // The sound device and the speech thread start at their first use, not here: start-up
    // would wait for them.
    platform::stopSpeech();
    platform::closeAudio();
    return status;
}
