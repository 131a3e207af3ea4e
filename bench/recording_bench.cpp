// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Recording a parent's reading: a carried piece's move while the microphone is being read (to
// be set beside BM_MoveCarryingPiece/100), and the finishing of a whole take after its stop.
// SDL's disk driver stands in for the microphone, reading silence from /dev/zero in real time.
#include "app/torvex_app.h"
#include "board/pointer_input.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "platform/recorder.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "wordlist/word_list.h"

#include <benchmark/benchmark.h>
#include <cmath>
#include <cstdlib>
#include <random>

namespace {

void BM_MoveCarryingPieceWhileRecording(benchmark::State& state) {
    platform::closeAudio(); // the driver is chosen as the audio subsystem starts
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILEIN", "/dev/zero", 1);
    app::CTorvexApp app;
    app.InitInstance({"torvex"});
    wordlist::theWordList[1] = {platform::sjis("路面電車"), platform::sjis("ろめんでんしゃ"),
                                "tram"};
    board::thePuzzle.currentEntry = 1;
    board::RebuildPuzzle();
    board::OnLButtonDown(board::thePuzzle.pieceX[1][1] + 50, board::thePuzzle.pieceY[1][1] + 50);
    platform::Recorder recorder;
    if (const auto problem = recorder.start()) {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        state.SkipWithError(problem->c_str());
        return;
    }
    int step = 0;
    for (auto _ : state) {
        if (recorder.full()) { // a new take, as a parent recording again would start
            state.PauseTiming();
            (void)recorder.start();
            state.ResumeTiming();
        }
        board::OnMouseMove(300 + (++step & 1), 400);
    }
    recorder.stop();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
}
BENCHMARK(BM_MoveCarryingPieceWhileRecording)->Unit(benchmark::kMicrosecond);

// The longest take: a second of room noise, three of voice (a tone), a second of noise.
void BM_FinishTake(benchmark::State& state) {
    constexpr int rate = platform::Recorder::kRate;
    std::minstd_rand noise(1);
    std::vector<std::int16_t> take(static_cast<std::size_t>(rate) * platform::kMaxTakeSeconds);
    for (std::size_t i = 0; i < take.size(); ++i) {
        const bool voice = i >= rate && i < 4u * rate;
        take[i] = static_cast<std::int16_t>(static_cast<int>(noise() % 64) - 32 +
                                            (voice ? 9000 * std::sin(i * 0.0627) : 0));
    }
    for (auto _ : state)
        benchmark::DoNotOptimize(platform::finishTake(take, rate));
}
BENCHMARK(BM_FinishTake)->Unit(benchmark::kMillisecond);

} // namespace
