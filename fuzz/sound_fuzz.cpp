// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file in a word sound's place is read, parsed and converted to the device's format, or
// refused, without harm. The dummy device opens at the first sound and is closed after each.
#include "fuzz_support.h"
#include "platform/sound.h"

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // Opening the audio once applies the game's settings for wave files; closing it leaves them
    // in force and no device to play on.
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::openAudio();
    platform::closeAudio();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    platform::playDecodedAsync(
        platform::decodeWaveFile(fuzzing::scratchFile(data, size, "word.wav")));
    platform::closeAudio();
    fuzzing::require(!platform::audioBusy(), "nothing plays once the device is closed");
    return 0;
}
