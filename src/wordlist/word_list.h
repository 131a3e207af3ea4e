// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The program-wide list of words: 101 slots of Shift-JIS byte strings. Slots 1 to 50 are the
// list that is read, written, shown and played; word k is slot k. The editor may also write
// slot 0 and slots 51 to 100, which nothing else reads.
#include "platform/archive.h"

#include <array>
#include <optional>
#include <string>

namespace wordlist {

struct WordEntry {
    std::string kanji;
    std::string reading;
    std::string english;
};

inline constexpr int kWordCount = 50;
inline constexpr int kSlotCount = 101;
inline constexpr size_t kMaxKanjiBytes = 8;
// Three lines a word: kanji, reading, English. Whatever follows is never read.
inline constexpr int kLinesRead = 3 * kWordCount;

// How the list's file was written, so that a store gives the parent's file back: in its own
// encoding, each line with its own end, and every line whose text was not changed with the
// bytes it had, including those the game could not use as they were.
enum class ListEncoding { ShiftJis, Utf8, Utf8WithMark };

struct FileLine {
    // As read; kept only where the text in the list is not enough to write them again.
    std::optional<std::string> bytes;
    platform::LineEnd end = platform::LineEnd::Missing;
};

struct ListFile {
    ListEncoding encoding = ListEncoding::ShiftJis; // a new list is Shift-JIS
    std::array<FileLine, kLinesRead> lines;
};

struct WordList {
    std::array<WordEntry, kSlotCount> entries;
    ListFile file;
    WordEntry& operator[](int k) { return entries[static_cast<size_t>(k)]; }
};

extern WordList theWordList;

// Reads 150 lines into words 1 to 50, from Shift-JIS or UTF-8 (told apart by the whole file).
// A kanji the game cannot play becomes "異常Data"; that, a character Shift-JIS cannot hold and
// a line in neither encoding are told in one message. Then play starts again (WordListPlayer).
void LoadWordList(platform::Archive& archive);

// Writes words 1 to 50 in the file's encoding, as kanji LF, reading LF, English CR LF unless
// the file read had other line ends.
void StoreWordList(platform::Archive& archive);

} // namespace wordlist
