// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Moving between the words of the list: つぎへ and もどる with wrap-around, and the Next button
// of a solved word. Each sets the new word up at once. Words without a kanji are passed over, so
// a list shorter than 50 words plays in a loop of its own words.

namespace board {

void OnNext();
void OnBack();

// The word Next leads to from the current one, or 0 when it shows no Next: the following word
// with a kanji, or, past the last such word, the first one while Next after the last word is on.
int WordAfterSolved();
// Next: sets that word up. Only while WordAfterSolved() names one.
void GoToWordAfterSolved();

// Whether the last word's Next leads on to the first word (child mode: no dead end). Off by
// default: the last word shows no Next.
void SetNextAfterLastWord(bool on);

} // namespace board
