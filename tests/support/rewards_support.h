#pragma once
// Helpers of the reward tests: a scratch folder that is the game's working directory, solving
// the current word with real clicks, window regions compared with bitmaps, and the checkpoints
// of the reward flight.
#include "board/puzzle_state.h"
#include "gfx/colour.h"
#include "support/test_support.h"

#include <QImage>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace rewards_support {

// A fresh folder, current and captured as the working directory while it lives.
class ScratchFolder {
  public:
    ScratchFolder() : previous_(std::filesystem::current_path()) {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "torvex-rewards-XXXXXX").string();
        path_ = mkdtemp(pattern.data());
        std::filesystem::current_path(path_);
        thePuzzle.workingDirectory = path_.string();
    }
    ~ScratchFolder() {
        std::filesystem::current_path(previous_);
        std::error_code error;
        std::filesystem::remove_all(path_, error);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    // Writes a file at a UTF-8 path relative to the folder, making its folders.
    void write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = path_ / std::filesystem::u8path(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
    }
    void remove(const std::string& relative) const {
        std::filesystem::remove(path_ / std::filesystem::u8path(relative));
    }
    std::string path() const { return path_.string(); }

  private:
    std::filesystem::path previous_;
    std::filesystem::path path_;
};

// Puts every played piece home with two real clicks each, one on the piece and one on its
// home. Returns the seconds the completing click took.
inline double solveCurrentWord(testing_support::RunningApp& game) {
    double seconds = 0;
    for (int g = 1; g <= thePuzzle.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            game.click(thePuzzle.pieceX[g][j] + 50, thePuzzle.pieceY[g][j] + 50);
            const auto start = std::chrono::steady_clock::now();
            game.click(thePuzzle.homeX[g][j], thePuzzle.homeY[g][j]);
            seconds =
                std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        }
    }
    return seconds;
}

inline gfx::Rgb rgbAt(const QImage& image, int x, int y) {
    return image.pixel(x, y) & 0xFFFFFF;
}

// True when every pixel of the w x h region of `window` at (x, y) passes `expected(dx, dy)`.
// Pixels outside the window are not compared.
inline bool regionAll(const QImage& window, int x, int y, int w, int h, const auto& expected) {
    for (int dy = 0; dy < h; ++dy)
        for (int dx = 0; dx < w; ++dx)
            if (window.valid(x + dx, y + dy) && !expected(dx, dy, rgbAt(window, x + dx, y + dy)))
                return false;
    return true;
}

// True when the w x h region of `window` at (x, y) shows the region of `source` at (sx, sy).
inline bool regionShows(const QImage& window, int x, int y, const QImage& source, int sx, int sy,
                        int w, int h) {
    return regionAll(window, x, y, w, h, [&](int dx, int dy, gfx::Rgb pixel) {
        return pixel == rgbAt(source, sx + dx, sy + dy);
    });
}

inline bool regionIsBlank(const QImage& window, int x, int y, int w, int h) {
    return regionAll(window, x, y, w, h,
                     [](int, int, gfx::Rgb pixel) { return pixel == gfx::kWindowColour; });
}

// The flight's rectangle and next wait at its checkpoints; timer 0: none is started.
struct FlightCheckpoint {
    int tick, x, y, width, height, interval, timer;
};
inline constexpr FlightCheckpoint kFlightCheckpoints[] = {
    {1, 849, 61, 84, 63, 98, 1},     {2, 846, 106, 88, 66, 96, 1},
    {21, 409, 581, 164, 122, 58, 1}, {25, 225, 589, 180, 135, 50, 1},
    {26, 225, 589, 180, 135, 50, 2}, {27, 191, 585, 176, 132, 50, 2},
    {35, 25, 389, 144, 108, 70, 2},  {44, 225, 189, 108, 81, 131, 2},
    {45, 225, 189, 108, 81, 131, 3}, {46, 242, 190, 110, 82, 129, 3},
    {54, 325, 288, 126, 94, 113, 3}, {63, 225, 389, 144, 108, 95, 3},
    {64, 225, 389, 144, 108, 95, 4}, {65, 246, 310, 141, 106, 96, 4},
    {80, 561, 64, 96, 72, 111, 4},   {96, 897, -13, 48, 36, 127, 4},
    {97, 897, -13, 48, 36, 127, 0},
};
inline constexpr int kFlightTicks = 97;
inline constexpr int kFlightNominalMs = 9235;

} // namespace rewards_support
