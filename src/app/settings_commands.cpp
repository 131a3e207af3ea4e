// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/settings_commands.h"

#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/fonts.h"
#include "platform/recent_files.h"

#include <string>

namespace app {

namespace {

const char* const kGothic = gfx::kFaceGothic;
const char* const kMincho = gfx::kFaceMincho;
const char* const kLevelKey = "Level";
const char* const kFaceKey = "Face";

// A parent's choice shows at once on the word in play and is kept for the next start. The choice
// already ticked changes nothing: the child's pieces stay where they lie.
void chooseLevel(int level) {
    if (level == board::thePuzzle.difficulty)
        return;
    board::thePuzzle.difficulty = level;
    platform::storeSetting(kLevelKey, std::to_string(level));
    board::RebuildShownPuzzle();
}

void chooseFace(const char* face) {
    if (board::thePuzzle.fontFace == face)
        return;
    board::thePuzzle.fontFace = face;
    platform::storeSetting(kFaceKey, face);
    board::RebuildShownPuzzle();
}

} // namespace

// What was kept is taken only when it is one of the choices; anything else leaves the default.
void LoadSettings() {
    const std::string level = platform::storedSetting(kLevelKey, "");
    if (level == "1" || level == "2" || level == "3")
        board::thePuzzle.difficulty = level[0] - '0';
    const std::string face = platform::storedSetting(kFaceKey, "");
    if (face == kGothic || face == kMincho)
        board::thePuzzle.fontFace = face;
}

void OnFontGothic() {
    chooseFace(kGothic);
}
void OnFontMincho() {
    chooseFace(kMincho);
}
void OnLevel1() {
    chooseLevel(1);
}
void OnLevel2() {
    chooseLevel(2);
}
void OnLevel3() {
    chooseLevel(3);
}

bool OnUpdateFontGothic() {
    return board::thePuzzle.fontFace == kGothic;
}
bool OnUpdateFontMincho() {
    return board::thePuzzle.fontFace == kMincho;
}
bool OnUpdateLevel1() {
    return board::thePuzzle.difficulty == 1;
}
bool OnUpdateLevel2() {
    return board::thePuzzle.difficulty == 2;
}
bool OnUpdateLevel3() {
    return board::thePuzzle.difficulty == 3;
}

} // namespace app
