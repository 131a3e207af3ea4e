// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// What the word list asks of the game that plays it. The word list knows no board: the
// application supplies the player.

namespace gfx {
class Surface;
}

namespace wordlist {

class WordListPlayer {
  public:
    virtual ~WordListPlayer() = default;
    // A list was read: its marks are those its file has kept, and play starts again at word 1.
    virtual void listRead() = 0;
    virtual bool solved(int word) const = 0;
    virtual int currentWord() const = 0;
    virtual void clearScreen(gfx::Surface& screen) = 0;
    // The entry editor closed, perhaps after changing the current word.
    virtual void editorClosed() = 0;
};

// The player, or nullptr while none is set (the word list's own tests).
WordListPlayer* theWordListPlayer();
void setWordListPlayer(WordListPlayer* player);

} // namespace wordlist
