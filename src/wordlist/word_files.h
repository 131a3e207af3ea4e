// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace wordlist {

// The file of a word below `folder` ("bmp" or "wav"): folder/<kanji>.ext relative to the current
// directory, the kanji decoded from Shift-JIS (so a second byte of 0x5C stays inside its
// character). Nothing when the kanji is undecodable or would lead the name out of its folder.
std::optional<std::string> wordFilePath(std::string_view folder, std::string_view kanjiSjis,
                                        std::string_view extension);

} // namespace wordlist
