// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace platform {

// Opens one audio device and keeps it open; the first sound opens it when nobody has (SDL itself
// is loaded then, so start-up never waits for it). Without a working device it falls back to
// SDL's dummy driver, which consumes audio at real speed, so the game's timing stays the same on
// a machine without sound. Calling it again while open does nothing.
void openAudio();
void closeAudio();

// Plays a whole RIFF wave image held in memory, replacing whatever is queued, and returns once it
// has been heard. An image that does not parse, or a closed device, plays nothing.
void playWaveSync(std::string_view waveImage);

// Starts a whole RIFF wave image held in memory, replacing whatever is queued, and returns at once.
void playWaveImageAsync(std::string_view waveImage);

// A wave file decoded for the device. Empty when the file is missing, unreadable, not a wave, too
// large to be a word's sound, or there is no device to decode for.
struct DecodedSound {
    std::vector<unsigned char> deviceBytes;
    bool empty() const { return deviceBytes.empty(); }
};
DecodedSound decodeWaveFile(const std::string& utf8Path);

// Starts a decoded sound, replacing whatever is queued, and returns at once.
void playDecodedAsync(const DecodedSound& sound);

// True while queued audio is still playing.
bool audioBusy();

} // namespace platform
