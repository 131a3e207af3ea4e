// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Shift-JIS (code page 932) and UTF-8. The word list and every text of the game are kept as
// CP932 bytes; conversion happens only at the edges (drawing, file names, widgets, UTF-8 files).
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Decodes CP932 bytes to UTF-8. Returns nothing when the bytes are invalid or truncated.
std::optional<std::string> sjisToUtf8(std::string_view sjis);

// Decodes for display: invalid bytes become U+FFFD instead of being dropped.
std::string sjisToUtf8Lossy(std::string_view sjis);

// Encodes UTF-8 to CP932. Returns nothing when a character has no CP932 form.
std::optional<std::string> utf8ToSjis(std::string_view utf8);

// Encodes valid UTF-8 to CP932, writing `mark` for each character that has no CP932 form.
// `marked` tells whether any had to be.
std::string utf8ToSjisMarking(std::string_view utf8, std::string_view mark, bool& marked);

// For the program's own literals, which are always encodable.
std::string sjis(std::string_view utf8Literal);

enum class TextCheck { Valid, CutShort, Invalid };
// Whether the bytes are text of the encoding: CutShort when only a character cut off at their
// end is wrong. Overlong forms and surrogates are not UTF-8. Nothing is copied.
TextCheck checkUtf8(std::string_view bytes);
TextCheck checkSjis(std::string_view bytes);

// Full-width letters, digits and signs as their ASCII forms (typed with the input method on).
std::string narrowWidth(std::string_view utf8);

} // namespace platform
