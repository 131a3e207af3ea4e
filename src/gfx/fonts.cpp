// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/fonts.h"

#include <QFont>
#include <QGuiApplication>
#include <fontconfig/fontconfig.h>

namespace gfx {

void registerJapaneseFonts() {
    QFont::insertSubstitution(QString::fromUtf8(kFaceGothic), "IPAGothic");
    QFont::insertSubstitution(QString::fromUtf8(kFaceMincho), "IPAMincho");
    QFont::insertSubstitution(QString::fromUtf8(kFacePMincho), "IPAPMincho");
    QFont::insertSubstitution(QString::fromUtf8(kFacePGothic), "IPAPGothic");
    // The menus, dialogs and captions are Japanese: in a face that holds every character they
    // use, Qt need not search the system's fonts for each glyph before the window first shows.
    // Unhinted: FreeType's hinter would first read dozens of reference glyphs from all over the
    // font file to measure its zones, well over a megabyte before the window first shows.
    QFont interface = QGuiApplication::font();
    interface.setFamily(QStringLiteral("IPAPGothic"));
    interface.setHintingPreference(QFont::PreferNoHinting);
    QGuiApplication::setFont(interface);
}

FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

void FontConfigurationLoader::wait() {
    if (thread_.joinable())
        thread_.join();
}

} // namespace gfx
