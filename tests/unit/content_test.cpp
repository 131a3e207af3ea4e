// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Every word's picture and sound: the emoji lookup, the bundled content the build gathers beside
// the program (build/content) found and loaded the way the game does, and the parents' help page.
#include "gfx/word_picture.h"
#include "platform/archive.h"
#include "rewards/word_files.h"
#include "rewards/word_picture.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <SDL.h>
#include <algorithm>
#include <fstream>

using testing_support::fileBytes;

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

// Where the game looks for a word's file, inside the built content folder.
fs::path wordFile(const WordEntry& word, const char* folder, const char* extension) {
    return builtContent() / wordFilePath(folder, word.kanji, extension).value_or("?");
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
    std::printf("The annotations alone find %d of the %zu starter words\n", int(found),
                words.size());
}

// The synthesiser's voice as the game's sound service reads it: 16-bit mono, under 3 s,
// peak-normalised to -3 dBFS (0.708 of full scale), fading in and out without a click.
TEST(StarterContent, EveryWordHasAShortNormalisedSpokenReading) {
    for (const WordEntry& word : starterWords()) {
        const fs::path path = wordFile(word, "wav", ".wav");
        SCOPED_TRACE(path.string());
        SDL_AudioSpec format{};
        Uint8* data = nullptr;
        Uint32 length = 0;
        ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &format, &data, &length)) << SDL_GetError();
        std::vector<int> samples(reinterpret_cast<const std::int16_t*>(data),
                                 reinterpret_cast<const std::int16_t*>(data) + length / 2);
        SDL_FreeWAV(data);
        EXPECT_EQ(std::tie(format.format, format.channels), std::tuple(AUDIO_S16LSB, 1));
        const double seconds = static_cast<double>(samples.size()) / format.freq;
        EXPECT_TRUE(seconds > 0.3 && seconds < 3.0) << seconds;
        std::ranges::transform(samples, samples.begin(), [](int s) { return std::abs(s); });
        EXPECT_NEAR(std::ranges::max(samples) / 32768.0, 0.708, 0.02);
        EXPECT_LT(*std::max_element(samples.begin(), samples.begin() + 50), 300);
        EXPECT_LT(*std::max_element(samples.end() - 50, samples.end()), 300);
    }
}

// Every attribute value of the form name="..." in the page.
QStringList attributeValues(const QString& page, const QString& name) {
    QStringList values;
    const QRegularExpression pattern(QString(R"re(\b%1="([^"]*)")re").arg(name));
    for (const auto& match : pattern.globalMatch(page))
        values.append(match.captured(1));
    return values;
}

TEST(HelpPage, EveryPictureAndEveryLinkOfThePageLeadsSomewhere) {
    const QString page = QString::fromStdString(fileBytes(builtContent() / "読んでね。.html"));
    ASSERT_FALSE(page.isEmpty());
    const QStringList ids = attributeValues(page, "id");
    for (const QString& target : attributeValues(page, "src") + attributeValues(page, "href")) {
        SCOPED_TRACE(target.toStdString());
        if (target.startsWith('#'))
            EXPECT_TRUE(ids.contains(target.mid(1)));
        else
            EXPECT_TRUE(fs::is_regular_file(builtContent() / target.toStdString()));
    }
    EXPECT_FALSE(attributeValues(page, "src").isEmpty()) << "the page shows the frog";
}

} // namespace
