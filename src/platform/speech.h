// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Japanese speech from libespeak-ng, loaded at first use. What it says is finished for the sound
// service: silence trimmed, short fades so nothing clicks, peak at -3 dBFS, a little silence
// padded back, 16-bit mono PCM.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Text is cut to this many characters before it is spoken, and the voice to this many seconds:
// a word's reading is a few characters and lasts a second or two.
inline constexpr std::size_t kMaxSpokenCharacters = 32;
inline constexpr int kMaxSpokenSeconds = 10;

struct SpokenSound {
    int rate = 0;
    std::vector<std::int16_t> samples;
};

// Speaks UTF-8 text now, on the calling thread. Control characters count as spaces. Empty when
// there is nothing to say or no Japanese voice is installed.
SpokenSound speak(std::string_view utf8Text);

// Trims, fades, normalises and pads raw speech the way every word's voice is finished.
std::vector<std::int16_t> finishVoice(std::vector<std::int16_t> raw, int rate);

// A whole RIFF wave image of the sound; empty for an empty sound.
std::string waveImage(const SpokenSound& sound);

// Speaks on the speech thread and calls `done` on the GUI thread with the wave image (empty when
// nothing was said). A new request drops those not yet started; their `done` never runs.
void speakInBackground(std::string utf8Text, std::function<void(std::string)> done);

// Abandons what the speech thread is saying and ends it; called before the application goes.
void stopSpeech();

} // namespace platform
