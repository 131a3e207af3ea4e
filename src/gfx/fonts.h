// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Japanese faces the game names, and the installed faces that stand in for them.
#include <thread>

namespace gfx {

inline constexpr const char* kFaceGothic = "ＭＳ ゴシック";
inline constexpr const char* kFaceMincho = "ＭＳ 明朝";
inline constexpr const char* kFacePMincho = "ＭＳ Ｐ明朝";
inline constexpr const char* kFacePGothic = "ＭＳ Ｐゴシック";

// fontconfig maps none of the names above to a Japanese face, so the substitutes are given
// explicitly: IPAGothic, IPAMincho, IPAPMincho and IPAPGothic; the interface is drawn in
// IPAPGothic. Call once after the application object exists.
void registerJapaneseFonts();

// Reads the system's font configuration on a thread of its own while the application connects
// to the window system: the board's first screen needs the fonts, and reading some sixty
// configuration files and the font caches takes as long as the connection does. Wait before the
// first font is used; the configuration read is then the one Qt takes.
class FontConfigurationLoader {
  public:
    FontConfigurationLoader();
    ~FontConfigurationLoader() { wait(); }
    FontConfigurationLoader(const FontConfigurationLoader&) = delete;
    FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;
    void wait();

  private:
    std::thread thread_;
};

} // namespace gfx
