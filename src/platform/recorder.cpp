// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/recorder.h"

#include "platform/sdl_library.h"
#include "platform/speech.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <filesystem>
#include <mutex>
#include <string_view>

namespace platform {
namespace {

constexpr Uint16 kBufferFrames = 1024; // 23 ms: the level meter follows the voice closely
constexpr std::size_t kMaxSamples = std::size_t{Recorder::kRate} * kMaxTakeSeconds;
// Trimming looks at the take in windows of 20 ms; what is 20 dB below its loudest window is
// the room, not the voice. A take with no such quiet window is noise from end to end.
constexpr int kWindowsPerSecond = 50;
constexpr int kRoomBelowVoice = 10;
// A little of the room is kept round the voice, so its first and last sounds are not clipped.
constexpr int kMarginWindows = 2;

const char* const kNoMicrophone = "マイクが見つからないため、録音できません。";

int peakOf(const std::int16_t* begin, const std::int16_t* end) {
    int peak = 0;
    for (; begin != end; ++begin)
        peak = std::max(peak, std::abs(static_cast<int>(*begin)));
    return peak;
}

} // namespace

std::optional<std::string> recordingUnavailable() {
    if (!initAudioSubsystem())
        return kNoMicrophone;
    // The dummy driver stands in when the machine has no sound at all; it hears only silence.
    const char* driver = sdl()->SDL_GetCurrentAudioDriver();
    const bool none = driver == nullptr || std::string_view(driver) == "dummy" ||
                      sdl()->SDL_GetNumAudioDevices(1) == 0;
    sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return none ? std::optional<std::string>(kNoMicrophone) : std::nullopt;
}

// Shared with SDL's audio thread, which calls collect() while the device is open.
struct Recorder::Capture {
    SDL_AudioDeviceID device = 0;
    std::mutex mutex;
    std::vector<std::int16_t> samples;
    std::atomic<int> latestPeak{0};
    std::atomic<bool> full{false};

    static void SDLCALL collect(void* self, Uint8* stream, int bytes) {
        auto& capture = *static_cast<Capture*>(self);
        const auto* begin = reinterpret_cast<const std::int16_t*>(stream);
        const auto* end = begin + bytes / 2;
        capture.latestPeak = peakOf(begin, end);
        const std::lock_guard lock(capture.mutex);
        const std::size_t room = kMaxSamples - capture.samples.size();
        capture.samples.insert(capture.samples.end(), begin,
                               begin + std::min<std::size_t>(room, end - begin));
        capture.full = capture.samples.size() == kMaxSamples;
    }
};

Recorder::Recorder() : capture_(std::make_unique<Capture>()) {}

Recorder::~Recorder() {
    stop();
}

std::optional<std::string> Recorder::start() {
    stop();
    if (!initAudioSubsystem())
        return kNoMicrophone;
    capture_->samples.clear();
    capture_->samples.reserve(kMaxSamples);
    capture_->full = false;
    SDL_AudioSpec want{};
    want.freq = kRate;
    want.format = AUDIO_S16SYS;
    want.channels = 1;
    want.samples = kBufferFrames;
    want.callback = &Capture::collect;
    want.userdata = capture_.get();
    // No allowed changes: SDL converts from the microphone's own format.
    capture_->device = sdl()->SDL_OpenAudioDevice(nullptr, 1, &want, nullptr, 0);
    if (capture_->device == 0) {
        sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
        return "マイクを開けませんでした。ほかのプログラムが使っていないか確かめてください。";
    }
    sdl()->SDL_PauseAudioDevice(capture_->device, 0);
    return std::nullopt;
}

std::vector<std::int16_t> Recorder::stop() {
    if (!recording())
        return {};
    // Closing waits for SDL's audio thread, so the samples are ours afterwards.
    sdl()->SDL_CloseAudioDevice(capture_->device);
    sdl()->SDL_QuitSubSystem(SDL_INIT_AUDIO);
    capture_->device = 0;
    capture_->latestPeak = 0;
    return std::move(capture_->samples);
}

bool Recorder::recording() const {
    return capture_->device != 0;
}

bool Recorder::full() const {
    return capture_->full;
}

double Recorder::level() const {
    return capture_->latestPeak / 32768.0;
}

FinishedTake finishTake(const std::vector<std::int16_t>& raw, int rate) {
    if (raw.empty())
        return {{}, "マイクから音が届きませんでした。マイクがつながっているか確かめてください。"};
    // Silence by the measure the spoken readings are trimmed with.
    if (finishVoice(raw, rate).empty())
        return {{}, "声が入っていません。録音を押してから、マイクの近くで話してください。"};
    const std::size_t window = static_cast<std::size_t>(rate / kWindowsPerSecond);
    std::vector<int> peaks;
    for (std::size_t at = 0; at < raw.size(); at += window)
        peaks.push_back(peakOf(raw.data() + at, raw.data() + std::min(at + window, raw.size())));
    const int room = *std::ranges::max_element(peaks) / kRoomBelowVoice;
    const auto voice = [room](int peak) { return peak > room; };
    if (std::ranges::all_of(peaks, voice))
        return {{}, "雑音ばかりで、声が聞き分けられません。静かなところで録音してください。"};
    const auto first = static_cast<std::size_t>(std::ranges::find_if(peaks, voice) - peaks.begin());
    const auto last = static_cast<std::size_t>(
        peaks.rend() - std::ranges::find_if(peaks.rbegin(), peaks.rend(), voice));
    const std::size_t begin = (first - std::min<std::size_t>(first, kMarginWindows)) * window;
    const std::size_t end = std::min(raw.size(), (last + kMarginWindows) * window);
    std::vector<std::int16_t> cut(raw.begin() + static_cast<std::ptrdiff_t>(begin),
                                  raw.begin() + static_cast<std::ptrdiff_t>(end));
    return {waveImage({rate, finishVoice(std::move(cut), rate)}), {}};
}

std::optional<std::string> replaceFile(const std::string& utf8Path, const std::string& bytes) {
    const QString path = QString::fromStdString(utf8Path);
    const QString folder = QFileInfo(path).path();
    if (!QDir().mkpath(folder))
        return "録音を入れるフォルダー「" + folder.toStdString() + "」を作れません。";
    // The new file is written beside the old one and renamed over it only when complete.
    QSaveFile file(path);
    const bool written = file.open(QIODevice::WriteOnly) &&
                         file.write(bytes.data(), static_cast<qint64>(bytes.size())) ==
                             static_cast<qint64>(bytes.size()) &&
                         file.commit();
    if (!written)
        return "録音を「" + utf8Path + "」に保存できません。(" + file.errorString().toStdString() +
               ")\n前の録音はそのまま残っています。";
    return std::nullopt;
}

std::optional<std::string> removeFile(const std::string& utf8Path) {
    std::error_code error;
    std::filesystem::remove(std::filesystem::u8path(utf8Path), error);
    if (error)
        return "録音「" + utf8Path + "」を消せません。(" + error.message() + ")";
    return std::nullopt;
}

} // namespace platform
