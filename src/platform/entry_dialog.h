#pragma once
// The entry editor's window: edits for a word's kanji, reading, English gloss and slot number,
// with OK and cancel. It keeps no rules of its own: the caller says what the edits start with
// and decides on OK whether their texts can be taken.
#include <cstddef>
#include <functional>
#include <optional>
#include <string>

namespace platform {

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

struct EntryDialogSetup {
    std::string fontFace;       // UTF-8 face of the dialog's 9-point font
    std::size_t kanjiByteLimit; // the kanji edit takes no more Shift-JIS bytes than this
    EntryTexts texts;           // what the edits open with
    // Called on OK: takes the texts, or names the problem and takes nothing. A problem is
    // shown, the focus goes to its field and the dialog stays open.
    std::function<std::optional<EntryProblem>(const EntryTexts&)> takeTexts;
};

// Runs the editor modally over the main window. True when OK closed it and the texts were
// taken; false for cancel, Escape and the close box.
bool runEntryDialog(const EntryDialogSetup& setup);

} // namespace platform
