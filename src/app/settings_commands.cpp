#include "app/settings_commands.h"

#include "board/puzzle_state.h"

namespace {
const char* const kGothic = "ＭＳ ゴシック";
const char* const kMincho = "ＭＳ 明朝";
} // namespace

void OnFontGothic() {
    thePuzzle.fontFace = kGothic;
}
void OnFontMincho() {
    thePuzzle.fontFace = kMincho;
}
void OnLevel1() {
    thePuzzle.difficulty = 1;
}
void OnLevel2() {
    thePuzzle.difficulty = 2;
}
void OnLevel3() {
    thePuzzle.difficulty = 3;
}

bool OnUpdateFontGothic() {
    return thePuzzle.fontFace == kGothic;
}
bool OnUpdateFontMincho() {
    return thePuzzle.fontFace == kMincho;
}
bool OnUpdateLevel1() {
    return thePuzzle.difficulty == 1;
}
bool OnUpdateLevel2() {
    return thePuzzle.difficulty == 2;
}
bool OnUpdateLevel3() {
    return thePuzzle.difficulty == 3;
}
