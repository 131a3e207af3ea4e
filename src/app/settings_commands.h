#pragma once
// The two settings, the kanji's face and the difficulty, and their check marks. A change takes
// effect at the next puzzle set-up or preview; nothing on the board is redrawn.

void OnFontGothic();
void OnFontMincho();
void OnLevel1();
void OnLevel2();
void OnLevel3();

bool OnUpdateFontGothic();
bool OnUpdateFontMincho();
bool OnUpdateLevel1();
bool OnUpdateLevel2();
bool OnUpdateLevel3();
