// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string_view>

namespace rewards {

// The built-in wave heard on a word's first solve and for words without a sound of their own.
inline constexpr int kFallbackWaveId = 145;

// What a solved word is heard with. fallbackWave is the built-in wave image, empty when the
// program carries none: then a message says so and nothing is played. The word's own sound is
// its file, or else its spoken reading. The fallback plays to its end when the word has neither,
// or on the word's first solve; then the word's own sound, if any, starts and plays on while the
// game continues.
void PlayWordSound(std::string_view fallbackWave);

} // namespace rewards
