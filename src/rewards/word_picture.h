// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Every word's picture: a parent's own file, or the word's emoji drawn large.
#include "gfx/surface.h"
#include "wordlist/word_list.h"

#include <optional>
#include <string>

namespace rewards {

// The emoji the CLDR annotations give a word, in UTF-8: first an emoji with the kanji among its
// Japanese keywords, then one with the reading (hiragana and katakana alike) among its Japanese
// keywords or as its Japanese name, then one with the English gloss among its English keywords
// or as its English name. Among several, the one whose names and keywords also fit the word's
// other fields, then the one with the fewest keywords, then the first in the CLDR's order.
std::optional<std::string> AnnotatedEmoji(const wordlist::WordEntry& word);

// The picture table's emoji for the kanji where one was chosen by hand, else AnnotatedEmoji.
std::optional<std::string> WordEmoji(const wordlist::WordEntry& word);

// Word `entry`'s emoji drawn on the tint of its place in the list; nothing without an emoji.
gfx::BitmapPtr DrawnWordPicture(int entry);

// What the solved word shows: bmp/<kanji>.bmp when the file is there (a broken one shows
// nothing: the parent's file always wins), else DrawnWordPicture.
gfx::BitmapPtr WordPicture(int entry);

} // namespace rewards
