// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers of the reward tests: a scratch folder that is the game's working directory, solving
// the current word with real clicks.
#include "support/test_support.h"

#include <fstream>

namespace rewards_support {

// A fresh folder, current and captured as the working directory while it lives: the game finds
// a word's picture and sound there.
class ScratchFolder {
  public:
    ScratchFolder() { board::thePuzzle.workingDirectory = path(); }
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

// Puts every played piece home with two real clicks each, both on the piece's middle: where it
// lies, then where it belongs.
inline void solveCurrentWord(testing_support::RunningApp& game) {
    for (int g = 1; g <= board::thePuzzle.cellCount; ++g) {
        for (int j = 1; j <= board::kPiecesPerCell; ++j) {
            game.click(board::thePuzzle.pieceX[g][j] + 50, board::thePuzzle.pieceY[g][j] + 50);
            game.click(board::thePuzzle.homeX[g][j] + 50, board::thePuzzle.homeY[g][j] + 50);
        }
    }
}

} // namespace rewards_support
