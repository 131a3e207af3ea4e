// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/progress.h"

#include "board/puzzle_state.h"
#include "platform/document.h"
#include "platform/kept_lists.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

#include <algorithm>
#include <vector>

namespace app {

namespace {

constexpr const char* kGroup = "Progress";

// How a word is known in the record; a word with no kanji is none.
std::string wordKey(int k) {
    const wordlist::WordEntry& word = wordlist::theWordList[k];
    if (word.kanji.empty())
        return {};
    return platform::sjisToUtf8Lossy(word.kanji) + '\t' + platform::sjisToUtf8Lossy(word.reading);
}

} // namespace

void RestoreProgress(const std::string& path) {
    const std::vector<std::string> solved =
        platform::keptList(kGroup, path).value_or(std::vector<std::string>{});
    for (int k = 1; k <= wordlist::kWordCount; ++k) {
        const std::string key = wordKey(k);
        board::thePuzzle.solvedFlags[k] =
            !key.empty() && std::ranges::find(solved, key) != solved.end();
    }
}

void KeepProgress(const std::string& path) {
    if (path.empty())
        return;
    std::vector<std::string> solved;
    for (int k = 1; k <= wordlist::kWordCount; ++k)
        if (const std::string key = wordKey(k); board::thePuzzle.solvedFlags[k] && !key.empty())
            solved.push_back(key);
    platform::keepList(kGroup, path, solved);
}

void OnClearProgress() {
    for (int k = 1; k <= wordlist::kWordCount; ++k)
        board::thePuzzle.solvedFlags[k] = 0;
    if (const platform::Document* document = platform::theDocument())
        KeepProgress(document->path());
}

} // namespace app
