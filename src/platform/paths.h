#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The process's current directory, whole, whatever its length.
std::string currentDirectory();

// The file of a word below `folder` ("bmp" or "wav"): folder/<kanji>.ext relative to the current
// directory, the kanji decoded from Shift-JIS (so a second byte of 0x5C stays inside its
// character). Nothing when the kanji is undecodable or would lead the name out of its folder.
std::optional<std::string> wordFilePath(std::string_view folder, std::string_view kanjiSjis,
                                        std::string_view extension);

// The program file's full path.
std::string programFilePath();

} // namespace platform
