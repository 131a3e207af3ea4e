// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <string>

namespace platform {

// A built-in wave file as a whole RIFF image, or empty when the program carries none.
std::string loadResourceWave(int id);

// The bytes of a built-in file by its resource path (":/words/emoji.tsv"); empty when missing.
std::string loadResourceFile(const std::string& path);

} // namespace platform
