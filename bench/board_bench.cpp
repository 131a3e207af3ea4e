// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Set-up, paint and the word list's load and store.
#include "app/torvex_app.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "board/torvex_view.h"
#include "platform/archive.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

#include <benchmark/benchmark.h>
#include <fstream>
#include <sstream>

namespace {

std::string starterListBytes() {
    std::ifstream in(TORVEX_CONTENT_DIR "/words.txt", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The real program with the starter list, on a four-character word.
struct Game {
    Game() {
        app.InitInstance({"torvex"});
        std::istringstream in(starterListBytes());
        platform::Archive archive = platform::Archive::loading(in);
        wordlist::LoadWordList(archive);
        wordlist::theWordList[1].kanji = platform::sjis("路面電車");
        board::thePuzzle.listReloaded = 0;
        board::RebuildPuzzle();
    }
    app::CTorvexApp app;
};

void BM_RebuildPuzzle(benchmark::State& state) {
    Game game;
    for (auto _ : state)
        board::RebuildPuzzle();
}
BENCHMARK(BM_RebuildPuzzle)->Unit(benchmark::kMicrosecond);

void BM_OnDraw(benchmark::State& state) {
    Game game;
    for (auto _ : state)
        board::OnDraw();
}
BENCHMARK(BM_OnDraw)->Unit(benchmark::kMicrosecond);

void BM_LoadWordList(benchmark::State& state) {
    const std::string bytes = starterListBytes();
    for (auto _ : state) {
        std::istringstream in(bytes);
        platform::Archive archive = platform::Archive::loading(in);
        wordlist::LoadWordList(archive);
    }
}
BENCHMARK(BM_LoadWordList)->Unit(benchmark::kMicrosecond);

void BM_StoreWordList(benchmark::State& state) {
    for (auto _ : state) {
        std::ostringstream out;
        platform::Archive archive = platform::Archive::storing(out);
        wordlist::StoreWordList(archive);
        benchmark::DoNotOptimize(out.str());
    }
}
BENCHMARK(BM_StoreWordList)->Unit(benchmark::kMicrosecond);

} // namespace
