// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The entry editor: one word's texts and slot number while they are edited, the rules that
// carry them between the word list's Shift-JIS bytes and the editor's edits, and the parent's own
// recording of the word's reading.
#include <functional>
#include <optional>
#include <string>

namespace platform {
struct TakeChange;
}

namespace wordlist {

enum class EntryField { Kanji, Reading, English, Number };

// The edits' texts, UTF-8.
struct EntryTexts {
    std::string kanji;
    std::string reading;
    std::string english;
    std::string number;
};

struct EntryProblem {
    EntryField field;
    std::string message; // UTF-8
};

class CEntryEditDlg {
  public:
    std::string m_kanji; // Shift-JIS, as are the reading and the English gloss
    int m_number = 0;
    std::string m_reading;
    std::string m_english;
    // The word whose row lies at a point of the board, 0 for none. While the editor is open a
    // click on a row shows that word in it.
    std::function<int(int x, int y)> wordAt;

    // Shows the editor over the main window. True when OK closed it; the fields then hold
    // what the edits held.
    bool DoModal();

    // Takes word k's texts and number into the fields.
    void ShowWord(int k);
    // The texts the edits open with.
    EntryTexts TextsToShow() const;
    // Takes the edits' texts back, as OK does: the kanji, the number, the reading and the
    // English in this order. The first that cannot be taken is returned and no field changes.
    std::optional<EntryProblem> DoDataExchange(const EntryTexts& edited);
    // True when the kanji's word has a recording of its own in the working folder.
    bool HasRecording() const;
    // Writes or removes the kanji's recording as the editor's buttons left it; a Japanese
    // message when it cannot, the old recording then kept.
    std::optional<std::string> KeepTake(const platform::TakeChange& take) const;
};

} // namespace wordlist
