// The sound service: the fallback device, clips replacing each other, and files that stay silent.
#include "platform/sound.h"
#include "support/test_support.h"

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <thread>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct Format {
    std::uint32_t channels, rate, bits;
};
constexpr Format kChime{1, 22050, 8};
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

double secondsTaken(const auto& action) {
    const auto start = std::chrono::steady_clock::now();
    action();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

class SoundTest : public ::testing::Test {
  protected:
    void SetUp() override {
        setenv("SDL_AUDIODRIVER", "dummy", 1);
        platform::openAudio();
    }
    void TearDown() override { platform::closeAudio(); }
    std::string writeFile(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    }
    const testing_support::TempFolder scratch;
    const fs::path dir = scratch.path();
};

// The dummy driver plays at real speed, and a clip unlike the device's format is converted to
// last its own length.
TEST_F(SoundTest, FallsBackToTheDummyDriverWhenNoDeviceOpens) {
    platform::closeAudio();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::openAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    const double taken = secondsTaken([] { platform::playWaveSync(waveImage(kChime, 0.3)); });
    EXPECT_GE(taken, 0.25);
    EXPECT_LE(taken, 0.8);
    EXPECT_FALSE(platform::audioBusy());
}

// A file starts at once and plays on; a new clip replaces the queued one, or the chime would
// wait behind the rest of the previous word.
TEST_F(SoundTest, FileStartsAtOnceAndANewClipReplacesTheQueuedOne) {
    const std::string longWord = writeFile("long.wav", waveImage(kWord, 3.0));
    EXPECT_LT(secondsTaken([&] { platform::playWaveFileAsync(longWord); }), 0.1);
    EXPECT_TRUE(platform::audioBusy());
    EXPECT_LT(secondsTaken([] { platform::playWaveSync(waveImage(kChime, 0.1)); }), 0.5);
    platform::playWaveFileAsync(longWord);
    platform::playWaveFileAsync(writeFile("short.wav", waveImage(kWord, 0.1)));
    std::this_thread::sleep_for(300ms);
    EXPECT_FALSE(platform::audioBusy());
}

TEST_F(SoundTest, UnplayableFilesAreSilentAndReturnAtOnce) {
    const std::string wave = waveImage(kWord, 0.5);
    // 33 MiB of 8-channel 32-bit audio is only 22 s: refused for its size, not its length.
    const std::string oversized =
        writeFile("oversized.wav", waveImage({8, 48000, 32}, 0, 33u << 20));
    fs::resize_file(oversized, 44 + (33u << 20));
    fs::create_directory(dir / "folder.wav");
    const std::string paths[] = {
        (dir / "missing.wav").string(),
        writeFile("empty.wav", ""),
        writeFile("text.wav", "not a wave\n"),
        writeFile("truncated.wav", wave.substr(0, wave.size() / 2)),
        (dir / "folder.wav").string(),
        writeFile("gigantic.wav", waveImage(kWord, 0.1, 0xFFFFFFF0)),
        writeFile("minute.wav", waveImage({1, 8000, 8}, 61)),
        oversized,
    };
    // Loose: SDL reserves a gigantic claimed size before finding it missing, which is free in a
    // normal build but takes half a second under AddressSanitizer.
    for (const std::string& path : paths) {
        EXPECT_LT(secondsTaken([&] { platform::playWaveFileAsync(path); }), 1.0) << path;
        EXPECT_FALSE(platform::audioBusy()) << path;
    }
}

TEST_F(SoundTest, UnparsableImageReturnsAtOnce) {
    using namespace std::string_view_literals;
    for (const std::string_view image : {""sv, "RIFF\x10\0\0\0WAVEgarbage"sv})
        EXPECT_LT(secondsTaken([&] { platform::playWaveSync(image); }), 0.05);
}

} // namespace
