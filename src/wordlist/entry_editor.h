#pragma once
// The entry editor: one word's texts and slot number while they are edited, and the rules that
// carry them between the word list's Shift-JIS bytes and the editor's edits.
#include "platform/entry_dialog.h"

#include <optional>
#include <string>

class CEntryEditDlg {
  public:
    std::string m_kanji; // Shift-JIS, as are the reading and the English gloss
    int m_number = 0;
    std::string m_reading;
    std::string m_english;

    // Shows the editor over the main window. True when OK closed it; the fields then hold
    // what the edits held.
    bool DoModal();

    // The texts the edits open with.
    platform::EntryTexts TextsToShow() const;
    // Takes the edits' texts back, as OK does: the kanji, the number, the reading and the
    // English in this order. The first that cannot be taken is returned and no field changes.
    std::optional<platform::EntryProblem> DoDataExchange(const platform::EntryTexts& edited);
};
