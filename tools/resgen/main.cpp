// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// torvex_resgen OUTDIR: draws the game's built-in bitmaps, icon and chime into OUTDIR.
#include "resgen.h"

#include <QGuiApplication>
#include <cstdio>
#include <exception>

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: torvex_resgen OUTDIR\n");
        return 2;
    }
    // Fonts need a GUI application; a build step never has a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir out(QString::fromLocal8Bit(argv[1]));
    if (!out.mkpath(".")) {
        std::fprintf(stderr, "torvex_resgen: cannot create %s\n", argv[1]);
        return 1;
    }
    try {
        for (auto write :
             {resgen::writeTextures, resgen::writeFaces, resgen::writeBadge, resgen::writeDigits,
              resgen::writeFlyers, resgen::writeNextButton, resgen::writeIcons, resgen::writeChime})
            write(out);
        resgen::checkWritten(out);
    } catch (const std::exception& error) {
        std::fprintf(stderr, "torvex_resgen: %s\n", error.what());
        return 1;
    }
    return 0;
}
