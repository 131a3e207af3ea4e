#pragma once
// Shift-JIS (code page 932) conversion. The word list and every text of the game are kept as
// CP932 bytes; conversion happens only at the edges (drawing, file names, widgets).
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

// For the program's own literals, which are always encodable.
std::string sjis(std::string_view utf8Literal);

} // namespace platform
