#include "platform/sound.h"

#include <gtest/gtest.h>

#include <unistd.h>

#include <bit>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <thread>

namespace {

using namespace std::chrono_literals;
namespace fs = std::filesystem;

struct Format {
    std::uint16_t channels;
    std::uint32_t rate;
    std::uint16_t bits;
};
constexpr Format kChime{1, 22050, 8};
constexpr Format kWord{2, 44100, 16};

// The canonical 44-byte PCM header; the tests run on little-endian machines only.
struct WaveHeader {
    char riff[4] = {'R', 'I', 'F', 'F'};
    std::uint32_t riffBytes;
    char waveFmt[8] = {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '};
    std::uint32_t fmtBytes = 16;
    std::uint16_t pcm = 1, channels;
    std::uint32_t rate, byteRate;
    std::uint16_t frameBytes, bits;
    char data[4] = {'d', 'a', 't', 'a'};
    std::uint32_t dataBytes;
};
static_assert(sizeof(WaveHeader) == 44 && std::endian::native == std::endian::little);

// A silent wave; claimedDataBytes lets the header promise more than the image holds.
std::string waveImage(Format f, double seconds, std::uint32_t claimedDataBytes = 0) {
    const auto frameBytes = static_cast<std::uint16_t>(f.channels * f.bits / 8);
    const auto dataBytes = static_cast<std::uint32_t>(seconds * f.rate) * frameBytes;
    WaveHeader header;
    header.riffBytes = 36 + dataBytes;
    header.channels = f.channels;
    header.rate = f.rate;
    header.byteRate = f.rate * frameBytes;
    header.frameBytes = frameBytes;
    header.bits = f.bits;
    header.dataBytes = claimedDataBytes != 0 ? claimedDataBytes : dataBytes;
    std::string out(reinterpret_cast<const char*>(&header), sizeof header);
    out.append(dataBytes, f.bits == 8 ? '\x80' : '\0');
    return out;
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
        fs::create_directories(dir);
    }
    void TearDown() override {
        platform::closeAudio();
        fs::remove_all(dir);
    }
    std::string writeFile(const std::string& name, const std::string& content) const {
        std::ofstream(dir / name, std::ios::binary) << content;
        return (dir / name).string();
    }
    const fs::path dir = fs::temp_directory_path() / ("torvex-sound-" + std::to_string(getpid()));
};

// Each format must be converted to the device's rate and channels to last its own length.
TEST_F(SoundTest, SyncPlayLastsAsLongAsTheClip) {
    const struct {
        Format format;
        double seconds, atLeast, atMost;
    } rows[] = {{kChime, 0.531, 0.45, 1.0}, {kWord, 0.3, 0.25, 0.8}};
    for (const auto& row : rows) {
        const std::string image = waveImage(row.format, row.seconds);
        const double taken = secondsTaken([&] { platform::playWaveSync(image); });
        EXPECT_GE(taken, row.atLeast) << row.format.rate;
        EXPECT_LE(taken, row.atMost) << row.format.rate;
        EXPECT_FALSE(platform::audioBusy());
    }
}

TEST_F(SoundTest, FallsBackToTheDummyDriverWhenNoDeviceOpens) {
    platform::closeAudio();
    setenv("SDL_AUDIODRIVER", "no-such-driver", 1);
    platform::openAudio();
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    EXPECT_GE(secondsTaken([] { platform::playWaveSync(waveImage(kWord, 0.3)); }), 0.25);
}

TEST_F(SoundTest, AsyncStartReturnsAtOnceAndKeepsPlaying) {
    const std::string path = writeFile("word.wav", waveImage(kWord, 1.0));
    EXPECT_LT(secondsTaken([&] { platform::playWaveFileAsync(path); }), 0.1);
    EXPECT_TRUE(platform::audioBusy());
}

// Otherwise the chime would wait behind the rest of the previous word.
TEST_F(SoundTest, NewClipReplacesTheQueuedOne) {
    const std::string longWord = writeFile("long.wav", waveImage(kWord, 3.0));
    platform::playWaveFileAsync(longWord);
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
    for (const std::string_view image : {""sv, "RIFF\x10\0\0\0WAVEgarbage"sv}) {
        EXPECT_LT(secondsTaken([&] { platform::playWaveSync(image); }), 0.05);
    }
}

} // namespace
