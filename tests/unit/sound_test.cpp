// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The sound service and the speech it plays: the device opened at the first sound, clips
// replacing each other, inputs that stay silent, and what the synthesiser makes of any reading.
#include "platform/speech.h"
#include "support/rewards_support.h"

#include <QString>
#include <cstdint>
#include <cstdlib>

namespace {

namespace fs = std::filesystem;

struct Format {
    std::uint32_t channels, rate, bits;
};
constexpr Format kWord{2, 44100, 16};

// A silent wave with the canonical 44-byte PCM header; claimedDataBytes lets the header promise
// more than the image holds.
std::string waveImage(Format f, double seconds, std::uint32_t claimedDataBytes = 0) {
    const auto le = [](std::uint32_t value, int bytes) {
        std::string out;
        for (int i = 0; i < bytes; ++i)
            out += static_cast<char>(value >> 8 * i);
        return out;
    };
    const std::uint32_t frame = f.channels * f.bits / 8;
    const std::uint32_t data = static_cast<std::uint32_t>(seconds * f.rate) * frame;
    return "RIFF" + le(36 + data, 4) + "WAVEfmt " + le(16, 4) + le(1, 2) + le(f.channels, 2) +
           le(f.rate, 4) + le(f.rate * frame, 4) + le(frame, 2) + le(f.bits, 2) + "data" +
           le(claimedDataBytes ? claimedDataBytes : data, 4) +
           std::string(data, f.bits == 8 ? '\x80' : '\0');
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("SDL_AUDIODRIVER", "dummy", 1); }
    void TearDown() override { platform::closeAudio(); }
    const rewards_support::ScratchFolder scratch;
    const fs::path dir = scratch.path();
};

// Nobody opened a device: the first sound does, on the dummy driver when the named one fails.
// A new clip replaces the queued one, or the chime would wait behind the rest of the word: the
// chime's wait ends with the queue empty, long before the three seconds of the word.
TEST_F(SoundTest, TheFirstSoundOpensADeviceAndANewClipReplacesTheQueuedOne) {
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::playWaveImageAsync(waveImage(kWord, 3.0));
    EXPECT_TRUE(platform::audioBusy());
    platform::closeAudio(); // a wave file opens it as well
    platform::playDecodedAsync(
        platform::decodeWaveFile(scratch.write("long.wav", waveImage(kWord, 3.0))));
    EXPECT_TRUE(platform::audioBusy());
    platform::playWaveSync(waveImage(kWord, 0.1));
    EXPECT_FALSE(platform::audioBusy());
}

TEST_F(SoundTest, UnplayableFilesAndImagesAreSilent) {
    const std::string wave = waveImage(kWord, 0.5);
    // 33 MiB of 8-channel 32-bit audio is only 22 s: refused for its size, not its length.
    const std::string oversized =
        scratch.write("oversized.wav", waveImage({8, 48000, 32}, 0, 33u << 20));
    fs::resize_file(oversized, 44 + (33u << 20));
    fs::create_directory(dir / "folder.wav");
    const std::string paths[] = {
        (dir / "missing.wav").string(),
        scratch.write("empty.wav", ""),
        scratch.write("text.wav", "not a wave\n"),
        scratch.write("truncated.wav", wave.substr(0, wave.size() / 2)),
        (dir / "folder.wav").string(),
        scratch.write("gigantic.wav", waveImage(kWord, 0.1, 0xFFFFFFF0)),
        scratch.write("minute.wav", waveImage({1, 8000, 8}, 61)),
        oversized,
    };
    for (const std::string& path : paths)
        EXPECT_TRUE(platform::decodeWaveFile(path).empty()) << path;
    for (const std::string_view image : {std::string_view(), std::string_view("RIFF\x10garbage")}) {
        platform::playWaveImageAsync(image);
        EXPECT_FALSE(platform::audioBusy()) << image;
    }
}

// Whatever the reading, the synthesiser says at most its first characters, control characters
// are pauses, and nothing to say is no sound at all.
TEST(Speech, ReadingsAreCutAndReadingsWithoutWordsAreSilent) {
    const QString kana = QStringLiteral("あいうえおかきくけこ");
    const std::string megabyte = kana.repeated(35000).toStdString();
    const std::string first = kana.repeated(platform::kMaxSpokenCharacters / 10).toStdString();
    // espeak-ng's timing varies by a few milliseconds from one call to the next.
    const auto seconds = [](const char* what, const std::string& text) {
        const platform::SpokenSound sound = platform::speak(text);
        EXPECT_LT(sound.samples.size(), sound.rate * (platform::kMaxSpokenSeconds + 1u)) << what;
        return static_cast<double>(sound.samples.size()) / std::max(sound.rate, 1);
    };
    EXPECT_NEAR(seconds("cut", megabyte), seconds("its start", first + "あい"), 0.05);
    EXPECT_NEAR(seconds("line break", "ね\nこ"), seconds("space", "ね こ"), 0.05);
    EXPECT_GT(seconds("line break", "ね\nこ"), 0.5);
    for (const char* silent : {"", "   ", "\n\t\x1b"}) {
        EXPECT_TRUE(platform::speak(silent).samples.empty()) << silent;
        EXPECT_TRUE(platform::waveImage(platform::speak(silent)).empty());
    }
}

} // namespace
