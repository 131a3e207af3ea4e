// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Play: carrying a piece, a flight tick, a whole completion presentation and the flight's
// real duration, with the copy floor the carried piece is measured against.
#include "app/torvex_app.h"
#include "board/pointer_input.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "platform/resources.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "platform/speech.h"
#include "platform/window.h"
#include "rewards/completion.h"
#include "rewards/reward_flight.h"
#include "rewards/reward_state.h"
#include "rewards/word_sound.h"
#include "wordlist/word_list.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QMenuBar>
#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kWindowWidth = 945;
constexpr int kWindowHeight = 724;
constexpr double kFlightNominalMs = 9235;

// The real program, its window at full size or at `percent` of it, on a four-character word: 16
// pieces.
struct FourCellGame {
    explicit FourCellGame(int percent = 100) {
        app.InitInstance({"torvex"});
        app.frame().resize(kWindowWidth * percent / 100,
                           kWindowHeight * percent / 100 +
                               app.frame().menuBar()->sizeHint().height());
        QApplication::processEvents();
        app.frame().view().paintPendingNow();
        wordlist::theWordList[1] = {platform::sjis("路面電車"), platform::sjis("ろめんでんしゃ"),
                                    "tram"};
        board::thePuzzle.currentEntry = 1;
        board::RebuildPuzzle();
    }
    app::CTorvexApp app;
};

// A scratch working directory holding the word's sound and picture, current while it lives.
struct WordFiles {
    WordFiles() : previous(fs::current_path()) {
        std::string pattern = (fs::temp_directory_path() / "torvex-bench-XXXXXX").string();
        dir = mkdtemp(pattern.data());
        fs::create_directories(dir / "wav");
        fs::create_directories(dir / "bmp");
        std::ofstream(dir / fs::u8path("wav/路面電車.wav"), std::ios::binary)
            << platform::loadResourceWave(rewards::kFallbackWaveId);
        QImage picture(300, 300, QImage::Format_RGB32);
        picture.fill(Qt::green);
        picture.save(QString::fromStdString((dir / fs::u8path("bmp/路面電車.bmp")).string()),
                     "BMP");
        fs::current_path(dir);
        board::thePuzzle.workingDirectory = dir.string();
    }
    ~WordFiles() {
        fs::current_path(previous);
        fs::remove_all(dir);
    }
    fs::path previous, dir;
};

void pickUpFirstPiece() {
    board::OnLButtonDown(board::thePuzzle.pieceX[1][1] + 50, board::thePuzzle.pieceY[1][1] + 50);
}

// At the board's scale in percent: 100, 150 and 200.
void BM_MoveCarryingPiece(benchmark::State& state) {
    FourCellGame game(int(state.range(0)));
    pickUpFirstPiece();
    int step = 0;
    for (auto _ : state)
        board::OnMouseMove(300 + (++step & 1), 400);
}
BENCHMARK(BM_MoveCarryingPiece)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

// The same while the speech thread speaks one reading after another (a new one is asked for
// every eighth move, faster than it is spoken), as it does after a word is set up.
void BM_MoveCarryingPieceWhileSpeaking(benchmark::State& state) {
    FourCellGame game;
    pickUpFirstPiece();
    int step = 0;
    for (auto _ : state) {
        if (step % 8 == 0) {
            state.PauseTiming();
            QApplication::processEvents(); // takes in the finished readings
            platform::speakInBackground("ろめんでんしゃ", [](const std::string&) {});
            state.ResumeTiming();
        }
        board::OnMouseMove(300 + (++step & 1), 400);
    }
}
BENCHMARK(BM_MoveCarryingPieceWhileSpeaking)->Unit(benchmark::kMicrosecond);

// The same move and the Qt paint that brings it to the screen.
void BM_MoveCarryingPieceShown(benchmark::State& state) {
    FourCellGame game(int(state.range(0)));
    pickUpFirstPiece();
    int step = 0;
    for (auto _ : state) {
        board::OnMouseMove(300 + (++step & 1), 400);
        QApplication::processEvents();
    }
}
BENCHMARK(BM_MoveCarryingPieceShown)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

// What a move must at least do, in the device pixels of the scale in percent: copy back the
// backdrop under the piece's old and new place (one 101 x 100 box for a one-pixel step), copy the
// parts of the two scattered pieces it overlaps (40 x 80 and 51 x 80) and the carried piece.
void BM_MoveFloor(benchmark::State& state) {
    const int percent = int(state.range(0));
    const auto device = [percent](int boardPixels) { return boardPixels * percent / 100; };
    const int width = device(kWindowWidth);
    std::vector<std::uint32_t> window(static_cast<size_t>(width) * device(kWindowHeight));
    const std::vector<std::uint32_t> backdrop(window.size(), 0x00FFFFFF);
    const std::vector<std::uint32_t> sheet(static_cast<size_t>(device(800)) * device(200),
                                           0x00FF00FF);
    struct Copy {
        const std::vector<std::uint32_t>& from;
        int stride, width, rows;
    };
    const Copy copies[] = {{backdrop, width, device(101), device(100)},
                           {sheet, device(800), device(40), device(80)},
                           {sheet, device(800), device(51), device(80)},
                           {sheet, device(800), device(100), device(100)}};
    const size_t origin = static_cast<size_t>(device(400)) * width + device(300);
    for (auto _ : state) {
        for (const Copy& c : copies)
            for (int row = 0; row < c.rows; ++row)
                std::memcpy(&window[origin + static_cast<size_t>(row) * width],
                            &c.from[static_cast<size_t>(row) * c.stride],
                            static_cast<size_t>(c.width) * 4);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_MoveFloor)->Arg(100)->Arg(150)->Arg(200)->Unit(benchmark::kMicrosecond);

int runningFlightTimer() {
    for (int id = 1; id <= 4; ++id)
        if (platform::viewTimerRunning(id))
            return id;
    return 0;
}

// One tick along the whole course, flight after flight.
void BM_FlightTick(benchmark::State& state) {
    FourCellGame game;
    for (auto _ : state) {
        int id = runningFlightTimer();
        if (id == 0) {
            rewards::StartRewardFlight();
            id = 1;
        }
        rewards::OnTimer(id);
    }
}
BENCHMARK(BM_FlightTick)->Unit(benchmark::kMicrosecond);

// A word solved again, with its own sound and picture: no fallback to wait for (argument 0);
// or its first solve, which plays the built-in fallback to its end first (argument 1).
void BM_PresentCompletion(benchmark::State& state) {
    platform::openAudio();
    FourCellGame game;
    WordFiles files;
    board::thePuzzle.pieceX = board::thePuzzle.homeX;
    board::thePuzzle.pieceY = board::thePuzzle.homeY;
    board::thePuzzle.solvedFlags[1] = 1;
    board::thePuzzle.solvedNow = 1;
    for (auto _ : state) {
        board::thePuzzle.firstSolve = static_cast<int>(state.range(0));
        gfx::WindowSurface window;
        rewards::PresentCompletion(window);
    }
}
BENCHMARK(BM_PresentCompletion)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// From the click to the landing in the real event loop, against the nominal 9,235 ms.
void BM_FlightWallDuration(benchmark::State& state) {
    FourCellGame game;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        rewards::StartRewardFlight();
        while (!rewards::theRewards.idle)
            QApplication::processEvents(QEventLoop::WaitForMoreEvents);
        const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
        state.SetIterationTime(ms / 1000);
        state.counters["error_pct"] = (ms - kFlightNominalMs) / kFlightNominalMs * 100;
    }
}
BENCHMARK(BM_FlightWallDuration)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace
