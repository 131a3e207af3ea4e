#pragma once
// The program-wide list of words: 101 slots of Shift-JIS byte strings. Slots 1 to 50 are the
// list that is read, written, shown and played; word k is slot k. The editor may also write
// slot 0 and slots 51 to 100, which nothing else reads.
#include "platform/archive.h"

#include <array>
#include <string>

struct WordEntry {
    std::string kanji;
    std::string reading;
    std::string english;
};

inline constexpr int kWordCount = 50;
inline constexpr int kSlotCount = 101;
inline constexpr size_t kMaxKanjiBytes = 8;

struct WordList {
    std::array<WordEntry, kSlotCount> entries;
    WordEntry& operator[](int k) { return entries[static_cast<size_t>(k)]; }
};

extern WordList theWordList;

// Reads 150 lines into words 1 to 50. A kanji longer than 8 bytes becomes "異常Data" and one
// message says so. Then every solved mark is cleared and play starts again at word 1.
void LoadWordList(platform::Archive& archive);

// Writes words 1 to 50 as kanji LF, reading LF, English CR LF.
void StoreWordList(platform::Archive& archive);
