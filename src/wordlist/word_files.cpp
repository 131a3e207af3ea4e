// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wordlist/word_files.h"

#include "platform/sjis.h"

namespace wordlist {

std::optional<std::string> wordFilePath(std::string_view folder, std::string_view kanjiSjis,
                                        std::string_view extension) {
    const std::optional<std::string> name = platform::sjisToUtf8(kanjiSjis);
    if (!name || name->empty() || *name == "." || *name == ".." ||
        name->find_first_of(std::string_view("/\\\0", 3)) != std::string::npos)
        return std::nullopt;
    return std::string(folder) + "/" + *name + std::string(extension);
}

} // namespace wordlist
