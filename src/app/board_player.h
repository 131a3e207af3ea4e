// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The board as the word list's player: what reading a list and editing a word do to the game.
#include "wordlist/word_list_player.h"

#include <string>

namespace app {

class BoardPlayer : public wordlist::WordListPlayer {
  public:
    BoardPlayer();
    ~BoardPlayer() override;
    BoardPlayer(const BoardPlayer&) = delete;
    BoardPlayer& operator=(const BoardPlayer&) = delete;

    void listRead() override;
    bool solved(int word) const override;
    int currentWord() const override;
    void clearScreen(gfx::Surface& screen) override;
    void editorClosed() override;
    // The document read, saved or renamed its file: a list just read takes its kept marks, and
    // the marks of a list saved go with its file.
    void documentChanged(const std::string& path);

  private:
    bool listJustRead_ = false;
};

} // namespace app
