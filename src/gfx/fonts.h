// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The Japanese faces the game names, and the installed faces that stand in for them.

namespace gfx {

inline constexpr const char* kFaceGothic = "ＭＳ ゴシック";
inline constexpr const char* kFaceMincho = "ＭＳ 明朝";
inline constexpr const char* kFacePMincho = "ＭＳ Ｐ明朝";
inline constexpr const char* kFacePGothic = "ＭＳ Ｐゴシック";

// fontconfig maps none of the names above to a Japanese face, so the substitutes are given
// explicitly: IPAGothic, IPAMincho, IPAPMincho and IPAPGothic; the interface is drawn in
// IPAPGothic. Call once after the application object exists.
void registerJapaneseFonts();

} // namespace gfx
