// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// A parent's own reading of a word, recorded from the default microphone and finished like the
// spoken readings, then kept as a wave file of the word's own.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace platform {

// A word's reading lasts a second or two; a take stops itself here.
inline constexpr int kMaxTakeSeconds = 5;

// Why nothing can be recorded on this machine (Japanese), or nothing when a microphone is there
// to try.
std::optional<std::string> recordingUnavailable();

// One take from the default microphone. SDL's audio thread collects the samples, so the window
// never waits for the device; collecting ends by itself after kMaxTakeSeconds.
class Recorder {
  public:
    static constexpr int kRate = 44100; // mono, 16 bits

    Recorder();
    ~Recorder();
    Recorder(const Recorder&) = delete;
    Recorder& operator=(const Recorder&) = delete;

    // Opens the microphone and starts collecting; a Japanese message when it cannot.
    std::optional<std::string> start();
    // Closes the microphone and hands over what it delivered.
    std::vector<std::int16_t> stop();
    bool recording() const;
    // True once the take has reached its longest.
    bool full() const;
    // The loudness of the latest sound from the microphone, 0 to 1.
    double level() const;

  private:
    struct Capture;
    std::unique_ptr<Capture> capture_;
};

// A take trimmed to the voice (silence before and after cut), faded and normalised: a whole
// wave image, or a Japanese message when it holds no voice to keep (nothing, silence, or noise
// that never falls quiet).
struct FinishedTake {
    std::string wave;
    std::string problem;
};
FinishedTake finishTake(const std::vector<std::int16_t>& raw, int rate);

// Replaces the file at a path relative to the working folder with bytes, making its folder, all
// or nothing; a Japanese message naming the path when it cannot.
std::optional<std::string> replaceFile(const std::string& utf8Path, const std::string& bytes);
// Removes the file; a Japanese message when it is there and stays.
std::optional<std::string> removeFile(const std::string& utf8Path);

} // namespace platform
