// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Every word's picture and voice: the emoji lookup, drawing the picture and speaking the reading,
// each per word over the fifty starter words in turn.
#include "gfx/word_picture.h"
#include "platform/archive.h"
#include "platform/sjis.h"
#include "platform/speech.h"
#include "rewards/word_picture.h"
#include "wordlist/word_list.h"

#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <fstream>

namespace {

std::vector<wordlist::WordEntry> starterWords() {
    std::ifstream in(TORVEX_CONTENT_DIR "/words.txt", std::ios::binary);
    platform::Archive archive = platform::Archive::loading(in);
    wordlist::LoadWordList(archive);
    return {&wordlist::theWordList[1], &wordlist::theWordList[wordlist::kWordCount + 1]};
}

void BM_LookUpWordEmoji(benchmark::State& state) {
    const auto words = starterWords();
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(rewards::WordEmoji(words[next++ % words.size()]));
}
BENCHMARK(BM_LookUpWordEmoji)->Unit(benchmark::kMicrosecond);

// The first picture also loads the colour emoji font: reported as first_ms.
void BM_DrawWordPicture(benchmark::State& state) {
    std::vector<std::string> emoji;
    for (const wordlist::WordEntry& word : starterWords())
        emoji.push_back(rewards::WordEmoji(word).value_or(""));
    QElapsedTimer first;
    first.start();
    gfx::drawEmojiPicture(emoji.back(), 0);
    state.counters["first_ms"] = static_cast<double>(first.nsecsElapsed()) / 1e6;
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(gfx::drawEmojiPicture(emoji[next++ % emoji.size()], 0));
}
BENCHMARK(BM_DrawWordPicture)->Unit(benchmark::kMillisecond);

void BM_SpeakReading(benchmark::State& state) {
    std::vector<std::string> readings;
    for (const wordlist::WordEntry& word : starterWords())
        readings.push_back(platform::sjisToUtf8Lossy(word.reading));
    std::size_t next = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::speak(readings[next++ % readings.size()]));
}
BENCHMARK(BM_SpeakReading)->Unit(benchmark::kMillisecond);

} // namespace
