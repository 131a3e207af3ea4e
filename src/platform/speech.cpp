// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/speech.h"

#include "platform/view.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <dlfcn.h>
#include <espeak-ng/speak_lib.h>
#include <mutex>
#include <optional>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace platform {
namespace {

// A little slower and higher than espeak-ng's default: the listener is a small child.
constexpr int kWordsPerMinute = 120;
constexpr int kPitch = 60;
// Quieter than this (0.5 % of full scale) counts as the silence espeak-ng pads each utterance with.
constexpr int kSilence = 164;
constexpr double kPeak = 0.708; // -3 dBFS
constexpr double kFadeInSeconds = 0.01, kFadeOutSeconds = 0.05;
constexpr double kPadBeforeSeconds = 0.05, kPadAfterSeconds = 0.1;

// Loaded at the first word spoken, not linked, so start-up never pays for it.
struct Espeak {
    decltype(&::espeak_Initialize) initialise;
    decltype(&::espeak_SetSynthCallback) setCallback;
    decltype(&::espeak_SetVoiceByName) setVoice;
    decltype(&::espeak_SetParameter) setParameter;
    decltype(&::espeak_Synth) synth;
    decltype(&::espeak_Cancel) cancel;
    int rate = 0;
};

template <typename Function> Function symbol(void* handle, const char* name) {
    return reinterpret_cast<Function>(dlsym(handle, name));
}

// The state espeak-ng's callback fills; espeak-ng itself is one per process, so is this.
std::mutex speechMutex;
std::vector<std::int16_t> collected;
std::size_t collectLimit = 0;
std::atomic<bool> abandon = false;

int collect(short* samples, int count, espeak_EVENT*) {
    if (samples != nullptr && count > 0)
        collected.insert(collected.end(), samples, samples + count);
    return collected.size() >= collectLimit || abandon ? 1 : 0;
}

std::optional<Espeak> loadEspeak() {
    void* handle = dlopen("libespeak-ng.so.1", RTLD_NOW | RTLD_LOCAL);
    if (handle == nullptr)
        return std::nullopt;
    Espeak e{symbol<decltype(e.initialise)>(handle, "espeak_Initialize"),
             symbol<decltype(e.setCallback)>(handle, "espeak_SetSynthCallback"),
             symbol<decltype(e.setVoice)>(handle, "espeak_SetVoiceByName"),
             symbol<decltype(e.setParameter)>(handle, "espeak_SetParameter"),
             symbol<decltype(e.synth)>(handle, "espeak_Synth"),
             symbol<decltype(e.cancel)>(handle, "espeak_Cancel")};
    if (!e.initialise || !e.setCallback || !e.setVoice || !e.setParameter || !e.synth || !e.cancel)
        return std::nullopt;
    // Without its data espeak-ng would end the process unless told not to.
    e.rate = e.initialise(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (e.rate <= 0 || e.setVoice("ja") != EE_OK)
        return std::nullopt;
    e.setCallback(collect);
    e.setParameter(espeakRATE, kWordsPerMinute, 0);
    e.setParameter(espeakPITCH, kPitch, 0);
    return e;
}

// The first characters of the text, control characters as spaces (a line break or an escape is
// never a command to the synthesiser).
std::string sayable(std::string_view utf8Text) {
    std::string text;
    std::size_t characters = 0;
    for (const char c : utf8Text) {
        const auto byte = static_cast<unsigned char>(c);
        const bool startsCharacter = (byte & 0xC0) != 0x80;
        if (startsCharacter && ++characters > kMaxSpokenCharacters)
            break;
        text += byte < 0x20 || byte == 0x7F ? ' ' : c;
    }
    return text;
}

void fade(std::vector<std::int16_t>& samples, std::size_t length, bool in) {
    length = std::min(length, samples.size());
    for (std::size_t i = 0; i < length; ++i) {
        std::int16_t& s = in ? samples[i] : samples[samples.size() - 1 - i];
        s = static_cast<std::int16_t>(s * static_cast<double>(i) / static_cast<double>(length));
    }
}

void appendLittleEndian(std::string& out, std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>(value >> 8 * i);
}

} // namespace

SpokenSound speak(std::string_view utf8Text) {
    const std::string text = sayable(utf8Text);
    if (text.find_first_not_of(' ') == std::string::npos)
        return {};
    const std::lock_guard lock(speechMutex);
    static const std::optional<Espeak> espeak = loadEspeak();
    if (!espeak)
        return {};
    collected.clear();
    collectLimit = static_cast<std::size_t>(espeak->rate) * kMaxSpokenSeconds;
    espeak->synth(text.c_str(), text.size() + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr,
                  nullptr);
    // A voice cut at its limit leaves the rest of the text queued: it must not start the next.
    espeak->cancel();
    return {espeak->rate, finishVoice(std::move(collected), espeak->rate)};
}

std::vector<std::int16_t> finishVoice(std::vector<std::int16_t> raw, int rate) {
    const auto loud = [](std::int16_t s) { return std::abs(s) > kSilence; };
    const auto first = std::find_if(raw.begin(), raw.end(), loud);
    if (first == raw.end())
        return {};
    const auto last = std::find_if(raw.rbegin(), raw.rend(), loud).base();
    std::vector<std::int16_t> voice(first, last);
    fade(voice, static_cast<std::size_t>(kFadeInSeconds * rate), true);
    fade(voice, static_cast<std::size_t>(kFadeOutSeconds * rate), false);
    const auto peak = std::abs(static_cast<int>(*std::max_element(
        voice.begin(), voice.end(), [](int a, int b) { return std::abs(a) < std::abs(b); })));
    const double gain = kPeak * 32767 / std::max(peak, 1);
    std::vector<std::int16_t> finished(static_cast<std::size_t>(kPadBeforeSeconds * rate), 0);
    for (const std::int16_t s : voice)
        finished.push_back(static_cast<std::int16_t>(std::lround(s * gain)));
    finished.resize(finished.size() + static_cast<std::size_t>(kPadAfterSeconds * rate), 0);
    return finished;
}

std::string waveImage(const SpokenSound& sound) {
    if (sound.samples.empty())
        return {};
    const auto rate = static_cast<std::uint32_t>(sound.rate);
    const auto data = static_cast<std::uint32_t>(sound.samples.size() * 2);
    std::string out = "RIFF";
    appendLittleEndian(out, 36 + data, 4);
    out += "WAVEfmt ";
    for (const auto& [value, bytes] :
         {std::pair{16u, 4}, {1u, 2}, {1u, 2}, {rate, 4}, {rate * 2, 4}, {2u, 2}, {16u, 2}})
        appendLittleEndian(out, value, bytes);
    out += "data";
    appendLittleEndian(out, data, 4);
    for (const std::int16_t s : sound.samples)
        appendLittleEndian(out, static_cast<std::uint16_t>(s), 2);
    return out;
}

namespace {

// One thread speaks, started after the first request once play has begun; only the
// newest waiting request is kept.
class SpeechThread {
  public:
    ~SpeechThread() { stop(); }

    void request(std::string text, std::function<void(std::string)> done) {
        {
            const std::lock_guard lock(mutex_);
            if (stopping_)
                return;
            next_ = Request{std::move(text), std::move(done)};
            wake_.notify_one();
        }
        // The synthesiser and the sound libraries it loads (2 to 7 MB) are no part of the first
        // screen; a child's first solve is many clicks away.
        if (!std::exchange(startAsked_, true))
            whenPlayBegins([this] { start(); });
    }

    void stop() {
        {
            const std::lock_guard lock(mutex_);
            stopping_ = true;
            abandon = true;
        }
        wake_.notify_all();
        if (thread_.joinable())
            thread_.join();
    }

  private:
    void start() {
        const std::lock_guard lock(mutex_);
        if (!stopping_)
            thread_ = std::thread(&SpeechThread::run, this);
    }

    struct Request {
        std::string text;
        std::function<void(std::string)> done;
    };

    void run() {
        // The board comes first: on Linux a thread has its own niceness, and 10 lets the GUI
        // thread have the processor whenever both want it.
        setpriority(PRIO_PROCESS, static_cast<id_t>(gettid()), 10);
        for (;;) {
            std::unique_lock lock(mutex_);
            wake_.wait(lock, [this] { return stopping_ || next_; });
            if (stopping_)
                return;
            Request request = std::move(*next_);
            next_.reset();
            lock.unlock();
            std::string wave = waveImage(speak(request.text));
            // Posted under the lock: once stop() has it, nothing reaches a closing application.
            lock.lock();
            if (stopping_ || QCoreApplication::instance() == nullptr)
                return;
            QMetaObject::invokeMethod(
                QCoreApplication::instance(),
                [done = std::move(request.done), wave = std::move(wave)] { done(wave); },
                Qt::QueuedConnection);
        }
    }

    std::mutex mutex_;
    std::condition_variable wake_;
    std::optional<Request> next_;
    bool stopping_ = false;
    bool startAsked_ = false;
    std::thread thread_;
};

SpeechThread& theSpeechThread() {
    static SpeechThread thread;
    return thread;
}

} // namespace

void speakInBackground(std::string utf8Text, std::function<void(std::string)> done) {
    theSpeechThread().request(std::move(utf8Text), std::move(done));
}

void stopSpeech() {
    theSpeechThread().stop();
}

} // namespace platform
