// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Reads back the plain PCM RIFF waves the build writes (the chime, the starter words' voices), so
// the tool that wrote one can check what the game will hear before the build goes on.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace pcm_wave {

struct Sound {
    int rate = 0, channels = 0, bits = 0;
    // As stored: 0..255 around 128 for 8 bits, signed around 0 for 16.
    std::vector<int> samples;
};

inline std::uint32_t littleEndian(std::string_view bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// The format and the samples of a RIFF wave image; throws std::runtime_error saying what is wrong
// with it.
inline Sound read(std::string_view image) {
    if (image.size() < 12 || !image.starts_with("RIFF") || image.substr(8, 4) != "WAVE")
        throw std::runtime_error("is not a RIFF wave");
    if (littleEndian(image, 4, 4) != image.size() - 8)
        throw std::runtime_error("has a RIFF size that is not its length");
    Sound sound;
    std::string_view data;
    for (std::size_t at = 12, size = 0; at + 8 <= image.size(); at += 8 + size + size % 2) {
        const std::string_view id = image.substr(at, 4);
        size = littleEndian(image, at + 4, 4);
        if (size > image.size() - at - 8)
            throw std::runtime_error("has a chunk running past its end");
        if (id == "fmt " && size >= 16) {
            if (littleEndian(image, at + 8, 2) != 1)
                throw std::runtime_error("is not PCM");
            sound.channels = int(littleEndian(image, at + 10, 2));
            sound.rate = int(littleEndian(image, at + 12, 4));
            sound.bits = int(littleEndian(image, at + 22, 2));
        } else if (id == "data") {
            data = image.substr(at + 8, size);
        }
    }
    if (sound.rate == 0 || data.empty() || (sound.bits != 8 && sound.bits != 16))
        throw std::runtime_error("has no 8- or 16-bit format, or no samples");
    for (std::size_t at = 0; at + sound.bits / 8 <= data.size(); at += sound.bits / 8)
        sound.samples.push_back(sound.bits == 8 ? int(littleEndian(data, at, 1))
                                                : int(std::int16_t(littleEndian(data, at, 2))));
    return sound;
}

} // namespace pcm_wave
