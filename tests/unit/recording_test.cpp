// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// A parent's own reading, recorded in the entry editor. SDL's disk driver stands in for the
// microphone, reading a raw file made here (mono 16-bit at the recorder's rate) and delivering
// silence once it ends; what is played back goes to a file as well.
#include "platform/recorder.h"
#include "platform/sjis.h"
#include "support/rewards_support.h"
#include "wordlist/entry_editor.h"

#include <csignal>
#include <cstdlib>
#include <numbers>
#include <sys/resource.h>

using namespace wordlist;

using namespace testing_support;

namespace {

namespace fs = std::filesystem;

class Recording : public ::testing::Test {
  protected:
    void SetUp() override {
        platform::closeAudio();
        setenv("SDL_AUDIODRIVER", "disk", 1);
        setenv("SDL_DISKAUDIOFILEIN", (dir / "microphone.raw").c_str(), 1);
        setenv("SDL_DISKAUDIOFILE", (dir / "speaker.raw").c_str(), 1);
        setenv("SDL_DISKAUDIODELAY", "1", 1); // 5 s of sound in a fraction of a second
    }
    void TearDown() override {
        platform::closeAudio();
        setenv("SDL_AUDIODRIVER", "dummy", 1);
    }
    // Half a second of the room, a 440 Hz tone at a quarter of full scale over it, half a second
    // more; the room's noise is too loud to pass for silence on its own.
    void microphone(double toneSeconds, int roomNoise = 300) {
        std::minstd_rand random(1);
        std::string raw;
        for (int i = 0; i < (toneSeconds + 1) * Recorder::kRate; ++i) {
            const bool tone = i >= Recorder::kRate / 2 && i < (toneSeconds + 0.5) * Recorder::kRate;
            const auto s = static_cast<std::int16_t>(
                (roomNoise ? static_cast<int>(random() % (2 * roomNoise)) - roomNoise : 0) +
                (tone ? 8192 * std::sin(2 * std::numbers::pi * 440 * i / Recorder::kRate) : 0));
            raw += {static_cast<char>(s & 0xFF), static_cast<char>(s >> 8)};
        }
        scratch.write("microphone.raw", raw);
    }
    // Opens the editor on 馬, records until the take stops itself (or stops it after a moment), and
    // presses `button` and then, if the editor is still open, cancel.
    bool recordAndPress(const char* button, bool stopByHand = false) {
        const std::size_t heard = messages.texts.size();
        platform::setModalHook([&](QDialog& dialog) {
            auto* record = dialog.findChild<QPushButton*>("record");
            record->click();
            if (stopByHand) {
                QTest::qWait(200);
                record->click();
            }
            // The finished take comes back from its worker: けす for a take, a message for none.
            const auto* erase = dialog.findChild<QPushButton*>("erase");
            EXPECT_TRUE(QTest::qWaitFor(
                [&] { return erase->isEnabled() || messages.texts.size() > heard; }, 10000));
            dialog.findChild<QPushButton*>(button)->click();
            if (dialog.result() != QDialog::Accepted)
                dialog.findChild<QPushButton*>("cancel")->click();
            return dialog.result();
        });
        CEntryEditDlg editor{platform::sjis("馬"), 5, platform::sjis("うま"), "horse", {}};
        const bool ok = editor.DoModal();
        platform::setModalHook({});
        return ok;
    }
    using Recorder = platform::Recorder;
    const rewards_support::ScratchFolder scratch;
    const fs::path dir = scratch.path();
    const fs::path wave = dir / fs::u8path("wav/馬.wav");
    MessageRecorder messages;
};

std::uint32_t le(const std::string& bytes, std::size_t at, int size) {
    std::uint32_t value = 0;
    for (int i = size - 1; i >= 0; --i)
        value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
    return value;
}

// OK keeps the take trimmed to the tone with a little of the room round it, at -3 dBFS, as
// 16-bit PCM that plays; cancel keeps nothing.
TEST_F(Recording, OkKeepsTheTrimmedNormalisedTakeAndCancelNothing) {
    microphone(1.0);
    EXPECT_FALSE(recordAndPress("cancel"));
    EXPECT_FALSE(fs::exists(wave));
    EXPECT_TRUE(recordAndPress("ok"));
    const std::string bytes = fileBytes(wave);
    ASSERT_GT(bytes.size(), 44u);
    EXPECT_EQ(le(bytes, 20, 2), 1u);  // PCM
    EXPECT_EQ(le(bytes, 34, 2), 16u); // bits
    const double seconds = (bytes.size() - 44.0) / le(bytes, 28, 4);
    EXPECT_GT(seconds, 1.0);
    EXPECT_LT(seconds, 1.3);
    const auto peak = [&](std::size_t from, std::size_t to) {
        int loudest = 0;
        for (std::size_t at = from; at + 1 < to; at += 2)
            loudest = std::max(loudest, std::abs(static_cast<std::int16_t>(le(bytes, at, 2))));
        return loudest;
    };
    EXPECT_NEAR(peak(44, bytes.size()), 0.708 * 32767, 200);
    // Past the 50 ms of silence the take begins with and before the 100 ms it ends with, 40 ms
    // of the room on each side of the tone: its first and last sounds are whole.
    const std::size_t ms = le(bytes, 28, 4) / 1000;
    EXPECT_LT(peak(44 + 60 * ms, 44 + 85 * ms), 4000);
    EXPECT_LT(peak(bytes.size() - 130 * ms, bytes.size() - 105 * ms), 4000);
    EXPECT_FALSE(platform::decodeWaveFile(wave.string()).empty());
    EXPECT_TRUE(messages.texts.empty());
}

// Silence is refused and never kept; a folder that cannot take the file, and a write that fails
// part way, leave the old recording as it was and nothing half-written; it can then be erased.
TEST_F(Recording, SilenceAndUnwritableFoldersKeepNothingNew) {
    microphone(0.0, 0);
    EXPECT_TRUE(recordAndPress("ok", true)); // the texts are taken all the same
    EXPECT_FALSE(fs::exists(wave));
    ASSERT_EQ(messages.texts.size(), 1u);
    microphone(1.0);
    scratch.write("wav", "a file where the folder goes");
    EXPECT_FALSE(recordAndPress("ok"));
    fs::remove(dir / "wav");
    scratch.write("wav/馬.wav", "old");
    std::signal(SIGXFSZ, SIG_IGN);
    const rlimit unlimited{RLIM_INFINITY, RLIM_INFINITY}, small{4096, RLIM_INFINITY};
    setrlimit(RLIMIT_FSIZE, &small);
    EXPECT_FALSE(recordAndPress("ok"));
    setrlimit(RLIMIT_FSIZE, &unlimited);
    EXPECT_EQ(fileBytes(wave), "old");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir / "wav"), {}), 1);
    EXPECT_EQ(messages.texts.size(), 3u);
    // The recording kept from before can be erased: けす is offered as the editor opens.
    platform::setModalHook([&](QDialog& dialog) {
        dialog.findChild<QPushButton*>("erase")->click();
        dialog.findChild<QPushButton*>("ok")->click();
        return dialog.result();
    });
    EXPECT_TRUE(
        (CEntryEditDlg{platform::sjis("馬"), 5, platform::sjis("うま"), "horse", {}}.DoModal()));
    platform::setModalHook({});
    EXPECT_FALSE(fs::exists(wave));
}

} // namespace
