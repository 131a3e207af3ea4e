// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A dialog of labelled single-line edits with OK and cancel, laid out in dialog units. It keeps
// no rules of its own: the caller says what the edits hold and which typing they take, and
// decides on OK whether their texts can be taken.
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// Left, top, width, height in dialog units: a quarter of the font's average character width
// across, an eighth of its height down.
struct DialogRect {
    int x, y, w, h;
};

struct FormField {
    std::string label; // UTF-8; its access key moves the focus to the edit
    DialogRect labelRect;
    DialogRect editRect;
    std::string name; // the edit's object name
    std::string text; // what the edit opens with, UTF-8
    // Refuses typing or a paste that would make the text one it returns false for.
    std::function<bool(const std::string& utf8)> accepts;
};

// What the recording buttons leave for OK to keep: nothing, a new take (a whole wave image) or
// the removal of the recording the fields' word has.
struct TakeChange {
    enum class Kind { None, Replace, Remove } kind = Kind::None;
    std::string wave;
};

// 録音 and けす beside the edits, with a level meter under them.
struct FormRecording {
    DialogRect recordRect, eraseRect, meterRect;
    // True when the word now in the edits has a recording of its own (けす can remove it).
    std::function<bool()> recordingExists;
};

struct FormProblem {
    std::size_t field;
    std::string message; // UTF-8
};

struct FormSetup {
    std::string title;
    std::string fontFace;          // of the dialog's 9-point font
    DialogRect box;                // placed from the board's client origin, not centred
    std::vector<FormField> fields; // in tab order
    DialogRect okRect, cancelRect;
    std::string cancelText;
    // Called on OK with the edits' texts and what was recorded: takes them, or names the problem
    // and takes nothing. A problem is shown, the focus goes to its field and the dialog stays open.
    std::function<std::optional<FormProblem>(const std::vector<std::string>&, const TakeChange&)>
        takeTexts;
    // When set, a left click on the board (in its coordinates) while the dialog is open asks
    // for new texts for the edits; the main window takes no other input. When empty, the
    // dialog is modal as usual.
    std::function<std::optional<std::vector<std::string>>(int x, int y)> boardClicked;
    std::optional<FormRecording> recording; // none: the dialog records nothing
};

// Runs the dialog modally over the main window, with the keyboard in its first edit. True when OK
// closed it and the texts were taken; false for cancel, Escape and the close box.
bool runFormDialog(const FormSetup& setup);

} // namespace platform
