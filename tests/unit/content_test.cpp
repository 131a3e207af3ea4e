// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every word's picture: the emoji lookup, over the starter list the build gathers beside the
// program (build/content). The build itself checks the voices and the help page it writes there.
#include "gfx/word_picture.h"
#include "platform/archive.h"
#include "rewards/word_picture.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <algorithm>

using namespace rewards;
using namespace wordlist;

namespace {

namespace fs = std::filesystem;

// The unit tests are built into build/tests; the content into build/content.
fs::path builtContent() {
    return fs::path(QCoreApplication::applicationDirPath().toStdString()).parent_path() / "content";
}

// The words of the bundled list, read by the game's own loader.
std::vector<WordEntry> starterWords() {
    testing_support::resetProgramState();
    std::ifstream in(builtContent() / "words.txt", std::ios::binary);
    platform::Archive archive = platform::Archive::loading(in);
    LoadWordList(archive);
    std::vector<WordEntry> words;
    std::copy_if(&theWordList[1], &theWordList[kWordCount + 1], std::back_inserter(words),
                 [](const WordEntry& word) { return !word.kanji.empty(); });
    testing_support::resetProgramState();
    return words;
}

// The first of the kanji, the reading (either kana) and the gloss that the annotations know;
// among several emoji the one the word names; a hand-chosen one before all.
TEST(WordEmoji, IsFoundByKanjiThenReadingThenGloss) {
    const struct {
        const char *kanji, *reading, *gloss, *emoji;
    } rows[] = {
        {"猫", "", "", "🐈"},         {"犬", "いぬ", "dog", "🐕"}, {"愛猫", "ねこ", "", "🐈"},
        {"愛猫", "ネコ", "", "🐈"},   {"愛猫", "", "Cat", "🐈"},   {"猫", "いぬ", "dog", "🐈"},
        {"漢", "かん", "xyzzy", ""}, {"", "", "", ""},           {"父", "ちち", "father", "👨"},
    };
    for (const auto& row : rows) {
        const WordEntry word{platform::sjis(row.kanji), platform::sjis(row.reading), row.gloss};
        EXPECT_EQ(WordEmoji(word).value_or(""), row.emoji) << row.kanji << row.reading;
    }
    // A character the colour font lacks, or none, would be drawn as a box or in another face.
    for (const char* missing : {"\U0010FFFD", ""})
        EXPECT_FALSE(gfx::drawEmojiPicture(missing, 0)) << missing;
    const auto words = starterWords();
    const auto found = std::ranges::count_if(words, [](auto& w) { return !!AnnotatedEmoji(w); });
    EXPECT_GE(found, 45);
}

} // namespace
