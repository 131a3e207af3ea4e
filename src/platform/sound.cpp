// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/sound.h"

#include "platform/sdl_library.h"

#include <chrono>
#include <climits>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <thread>
#include <vector>

namespace platform {
namespace {

using namespace std::chrono_literals;
using Clip = std::vector<Uint8>;

// Every clip is converted to this one format, so the device is opened once for all of them.
constexpr int kRate = 44100;
constexpr SDL_AudioFormat kFormat = AUDIO_S16SYS;
constexpr Uint8 kChannels = 2;
constexpr std::size_t kFrameBytes = sizeof(Sint16) * kChannels;
// 23 ms, as long as 512 frames at 22,050 Hz. The dummy driver keeps real time at this size; at 512
// frames it drains 4 % fast, and sizes that are not powers of two make it slow.
constexpr Uint16 kBufferFrames = 1024;
// A word's sound lasts a second or two. Larger files are never read, and longer clips are not
// converted: 8 kHz 8-bit mono audio grows 22-fold in the device's format.
constexpr std::uintmax_t kMaxFileBytes = 32u << 20;
constexpr Uint32 kMaxClipSeconds = 60;

SDL_AudioDeviceID device = 0;

SDL_AudioDeviceID openDevice() {
    if (!initAudioSubsystem()) {
        return 0;
    }
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = kFormat;
    want.channels = kChannels;
    want.samples = kBufferFrames;
    // No allowed changes: SDL converts to the hardware's format behind the device.
    const SDL_AudioDeviceID id = sdl()->SDL_OpenAudioDevice(nullptr, 0, &want, nullptr, 0);
    if (id == 0) {
        sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
    return id;
}

// The dummy driver is never chosen on its own; the override beats an SDL_AUDIODRIVER naming a
// driver that just failed.
SDL_AudioDeviceID openDummyDevice() {
    sdl()->SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "dummy", SDL_HINT_OVERRIDE);
    const SDL_AudioDeviceID id = openDevice();
    sdl()->SDL_ResetHint(SDL_HINT_AUDIODRIVER);
    return id;
}

Clip convertToDeviceFormat(const SDL_AudioSpec& format, const Uint8* samples, Uint32 length) {
    const std::unique_ptr<SDL_AudioStream, decltype(&::SDL_FreeAudioStream)> stream(
        sdl()->SDL_NewAudioStream(format.format, format.channels, format.freq, kFormat, kChannels,
                                  kRate),
        sdl()->SDL_FreeAudioStream);
    if (!stream || length > INT_MAX ||
        sdl()->SDL_AudioStreamPut(stream.get(), samples, static_cast<int>(length)) != 0 ||
        sdl()->SDL_AudioStreamFlush(stream.get()) != 0) {
        return {};
    }
    Clip clip(static_cast<std::size_t>(sdl()->SDL_AudioStreamAvailable(stream.get())));
    const int got =
        sdl()->SDL_AudioStreamGet(stream.get(), clip.data(), static_cast<int>(clip.size()));
    clip.resize(got > 0 ? static_cast<std::size_t>(got) : 0);
    return clip;
}

// Takes ownership of source (which may be null); an empty clip means SDL could not parse it.
Clip loadWave(SDL_RWops* source) {
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    if (sdl()->SDL_LoadWAV_RW(source, 1, &format, &samples, &length) == nullptr) {
        return {};
    }
    const std::unique_ptr<Uint8, decltype(&::SDL_FreeWAV)> owner(samples, sdl()->SDL_FreeWAV);
    const Uint64 bytesPerSecond =
        Uint64{SDL_AUDIO_BITSIZE(format.format) / 8u} * format.channels * format.freq;
    if (length / bytesPerSecond > kMaxClipSeconds) {
        return {};
    }
    return convertToDeviceFormat(format, samples, length);
}

// The device is opened at the first sound, so start-up never waits for it.
bool audioOpen() {
    openAudio();
    return device != 0;
}

Clip loadWaveImage(std::string_view waveImage) {
    if (waveImage.size() > INT_MAX || !audioOpen()) {
        return {};
    }
    return loadWave(
        sdl()->SDL_RWFromConstMem(waveImage.data(), static_cast<int>(waveImage.size())));
}

bool replaceQueueWith(const Clip& clip) {
    if (device == 0 || clip.empty()) {
        return false;
    }
    sdl()->SDL_ClearQueuedAudio(device);
    return sdl()->SDL_QueueAudio(device, clip.data(), static_cast<Uint32>(clip.size())) == 0;
}

std::chrono::microseconds playingTime(std::size_t bytes) {
    return std::chrono::microseconds(bytes / kFrameBytes * 1'000'000 / kRate);
}

// Bounded, so a device that stops consuming cannot freeze the game.
void waitUntilHeard(std::size_t clipBytes) {
    const auto deadline = std::chrono::steady_clock::now() + playingTime(clipBytes) + 1s;
    while (audioBusy() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(1ms);
    }
    // The last buffer leaves the queue when it starts playing, not when it has been heard.
    std::this_thread::sleep_for(playingTime(kBufferFrames * kFrameBytes));
}

} // namespace

void openAudio() {
    if (device != 0 || sdl() == nullptr) {
        return;
    }
    // Truncated files (and headers claiming more data than the file holds) are refused whole.
    sdl()->SDL_SetHint(SDL_HINT_WAVE_TRUNCATION, "strict");
    device = openDevice();
    if (device == 0) {
        device = openDummyDevice();
    }
    if (device != 0) {
        sdl()->SDL_PauseAudioDevice(device, 0);
    }
}

void closeAudio() {
    if (device == 0) {
        return;
    }
    sdl()->SDL_CloseAudioDevice(device);
    sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    device = 0;
}

void playWaveSync(std::string_view waveImage) {
    const Clip clip = loadWaveImage(waveImage);
    if (replaceQueueWith(clip)) {
        waitUntilHeard(clip.size());
    }
}

void playWaveImageAsync(std::string_view waveImage) {
    replaceQueueWith(loadWaveImage(waveImage));
}

DecodedSound decodeWaveFile(const std::string& utf8Path) {
    // file_size fails for anything but a regular file, so directories and pipes are never opened.
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(utf8Path, error);
    if (error || size > kMaxFileBytes || !audioOpen()) {
        return {};
    }
    return {loadWave(sdl()->SDL_RWFromFile(utf8Path.c_str(), "rb"))};
}

void playDecodedAsync(const DecodedSound& sound) {
    replaceQueueWith(sound.deviceBytes);
}

bool audioBusy() {
    return device != 0 && sdl()->SDL_GetQueuedAudioSize(device) > 0;
}

} // namespace platform
