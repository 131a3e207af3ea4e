// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The spoken reading of a word without a sound file of its own, made by the speech synthesiser
// in the background while the child plays.

namespace rewards {

// Starts speaking the current word's reading unless it is being or has been spoken already.
void PrepareWordVoice();

// True when the current word's reading is ready to be heard or still being spoken (it is started
// now if it was not): the word then has a sound of its own.
bool WordVoiceExpected();

// Plays the current word's reading, now when ready, otherwise as soon as it is.
void PlayWordVoice();

} // namespace rewards
