// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers of the reward tests: a scratch folder that is the game's working directory, solving
// the current word with real clicks, and the checkpoints of the reward flight.
#include "support/test_support.h"

#include <fstream>

namespace rewards_support {

// A fresh folder, current and captured as the working directory while it lives: the game finds
// a word's picture and sound there.
class ScratchFolder {
  public:
    ScratchFolder() { thePuzzle.workingDirectory = path(); }
    // Writes a file at a UTF-8 path relative to the folder, making its folders; gives its path.
    std::string write(const std::string& relative, const std::string& bytes) const {
        const std::filesystem::path file = folder_.path() / std::filesystem::u8path(relative);
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << bytes;
        return file.string();
    }
    void remove(const std::string& relative) const {
        std::filesystem::remove(folder_.path() / std::filesystem::u8path(relative));
    }
    std::string path() const { return folder_.path().string(); }

  private:
    testing_support::TempFolder folder_;
    testing_support::CurrentFolder current_{folder_.path()};
};

// Puts every played piece home with two real clicks each, one on the piece and one on its
// home.
inline void solveCurrentWord(testing_support::RunningApp& game) {
    for (int g = 1; g <= thePuzzle.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            game.click(thePuzzle.pieceX[g][j] + 50, thePuzzle.pieceY[g][j] + 50);
            game.click(thePuzzle.homeX[g][j], thePuzzle.homeY[g][j]);
        }
    }
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
