// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rewards/word_picture.h"

#include "gfx/bitmap_set.h"
#include "gfx/word_picture.h"
#include "platform/resources.h"
#include "platform/sjis.h"
#include "wordlist/word_files.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <tuple>
#include <vector>

namespace rewards {

namespace {

std::vector<std::string> split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find(separator, start)) != std::string_view::npos;
         start = end + 1)
        parts.emplace_back(text.substr(start, end - start));
    parts.emplace_back(text.substr(start));
    return parts;
}

// Katakana as hiragana (U+30A1..U+30F6 to U+3041..U+3096), other characters unchanged: ネコ and
// ねこ are the same reading.
std::string hiragana(std::string text) {
    for (std::size_t i = 0; i + 2 < text.size(); ++i) {
        auto* bytes = reinterpret_cast<unsigned char*>(&text[i]);
        if (bytes[0] != 0xE3)
            continue;
        if (bytes[1] == 0x82 && bytes[2] >= 0xA1) {
            bytes[1] = 0x81, bytes[2] -= 0x20; // U+30A1..U+30BF
        } else if (bytes[1] == 0x83 && bytes[2] <= 0x9F) {
            bytes[1] = 0x81, bytes[2] += 0x20; // U+30C0..U+30DF
        } else if (bytes[1] == 0x83 && bytes[2] <= 0xB6) {
            bytes[1] = 0x82, bytes[2] -= 0x20; // U+30E0..U+30F6
        }
        i += 2;
    }
    return text;
}

std::string lowerCase(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    });
    return text;
}

bool contains(const std::vector<std::string>& words, const std::string& word) {
    return !word.empty() && std::ranges::find(words, word) != words.end();
}

// One line of the built-in table: an emoji, its Japanese name and keywords (also as hiragana),
// its English name and keywords (lower case).
struct Annotation {
    std::string emoji, jaName, jaNameKana, enName;
    std::vector<std::string> jaKeywords, jaKana, enKeywords;
};

const std::vector<Annotation>& annotations() {
    static const std::vector<Annotation> table = [] {
        std::vector<Annotation> rows;
        for (const std::string& line :
             split(platform::loadResourceFile(":/words/emoji.tsv"), '\n')) {
            const std::vector<std::string> f = split(line, '\t');
            if (f.size() != 5)
                continue;
            Annotation row{
                f[0], f[1], hiragana(f[1]), f[3], split(f[2], '|'), {}, split(f[4], '|')};
            std::ranges::transform(row.jaKeywords, std::back_inserter(row.jaKana), hiragana);
            rows.push_back(std::move(row));
        }
        return rows;
    }();
    return table;
}

// The picture table: kanji to the emoji chosen by hand where the annotations choose badly.
const std::map<std::string, std::string>& chosenEmoji() {
    static const std::map<std::string, std::string> table = [] {
        std::map<std::string, std::string> rows;
        for (const std::string& line :
             split(platform::loadResourceFile(":/words/pictures.tsv"), '\n')) {
            const std::vector<std::string> f = split(line, '\t');
            if (f.size() == 2 && !f[0].starts_with('#'))
                rows.emplace(f[0], f[1]);
        }
        return rows;
    }();
    return table;
}

// The word's fields as the annotations spell them; an undecodable field matches nothing.
struct Query {
    std::string kanji, reading, gloss;
};

Query queryOf(const wordlist::WordEntry& word) {
    return {platform::sjisToUtf8(word.kanji).value_or(""),
            hiragana(platform::sjisToUtf8(word.reading).value_or("")),
            lowerCase(platform::sjisToUtf8(word.english).value_or(""))};
}

// Smaller is better: a name that is the word itself, then agreement with the other fields,
// then the fewest keywords (the most specific emoji).
auto preference(const Annotation& a, const Query& q) {
    const bool named = a.jaName == q.kanji || (!q.reading.empty() && a.jaNameKana == q.reading);
    return std::make_tuple(!named, a.enName != q.gloss || q.gloss.empty(),
                           !contains(a.enKeywords, q.gloss), !contains(a.jaKana, q.reading),
                           a.jaKeywords.size());
}

const Annotation* best(const Query& q, const auto& matches) {
    const Annotation* chosen = nullptr;
    for (const Annotation& a : annotations())
        if (matches(a) && (!chosen || preference(a, q) < preference(*chosen, q)))
            chosen = &a;
    return chosen;
}

} // namespace

std::optional<std::string> AnnotatedEmoji(const wordlist::WordEntry& word) {
    const Query q = queryOf(word);
    const Annotation* found =
        best(q, [&](const Annotation& a) { return contains(a.jaKeywords, q.kanji); });
    if (!found)
        found = best(q, [&](const Annotation& a) {
            return contains(a.jaKana, q.reading) ||
                   (!q.reading.empty() && a.jaNameKana == q.reading);
        });
    if (!found)
        found = best(q, [&](const Annotation& a) {
            return contains(a.enKeywords, q.gloss) || (!q.gloss.empty() && a.enName == q.gloss);
        });
    return found ? std::optional(found->emoji) : std::nullopt;
}

std::optional<std::string> WordEmoji(const wordlist::WordEntry& word) {
    const auto chosen = chosenEmoji().find(platform::sjisToUtf8(word.kanji).value_or(""));
    return chosen != chosenEmoji().end() ? std::optional(chosen->second) : AnnotatedEmoji(word);
}

gfx::BitmapPtr DrawnWordPicture(int entry) {
    const std::optional<std::string> emoji = WordEmoji(wordlist::theWordList[entry]);
    return emoji ? gfx::drawEmojiPicture(*emoji, entry - 1) : nullptr;
}

gfx::BitmapPtr WordPicture(int entry) {
    const auto path = wordlist::wordFilePath("bmp", wordlist::theWordList[entry].kanji, ".bmp");
    std::error_code error;
    if (path && std::filesystem::exists(*path, error))
        return gfx::loadBitmapFile(*path);
    return DrawnWordPicture(entry);
}

} // namespace rewards
