// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/navigation.h"

#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "wordlist/word_list.h"

namespace board {

using wordlist::kWordCount;

namespace {

bool hasKanji(int entry) {
    return !wordlist::theWordList[entry].kanji.empty();
}

// The nearest word with a kanji `step` (1 or -1) words on from `from`, wrapping round the list
// when `wrap`; 0 when there is none.
int wordWithKanji(int from, int step, bool wrap) {
    int entry = from;
    for (int n = 1; n <= kWordCount; ++n) {
        entry += step;
        if (entry < 1 || entry > kWordCount) {
            if (!wrap)
                return 0;
            entry = entry < 1 ? kWordCount : 1;
        }
        if (hasKanji(entry))
            return entry;
    }
    return 0;
}

// A list without any kanji steps word by word, as it always did, and shows its empty words.
void step(int by) {
    int& current = thePuzzle.currentEntry;
    const int found = wordWithKanji(current, by, true);
    current = found > 0 ? found : (current + by + kWordCount - 1) % kWordCount + 1;
    RebuildPuzzle();
}

} // namespace

void OnNext() {
    step(1);
}

void OnBack() {
    step(-1);
}

int WordAfterSolved() {
    return wordWithKanji(thePuzzle.currentEntry, 1, thePuzzle.nextAfterLastWord != 0);
}

void GoToWordAfterSolved() {
    thePuzzle.currentEntry = WordAfterSolved();
    RebuildPuzzle();
}

void SetNextAfterLastWord(bool on) {
    thePuzzle.nextAfterLastWord = on ? 1 : 0;
}

} // namespace board
