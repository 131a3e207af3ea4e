// Bad inputs at the edges of the program that no other test tries: word file names that would
// leave their folder, pictures of no size or at the size limit, special files in a picture's or
// a sound's place, and the wave files the sound fuzz target found.
#include "gfx/bitmap_set.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "rewards/word_files.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;

// Writes a file into the folder and gives its path.
std::string written(const rewards_support::ScratchFolder& folder, const std::string& name,
                    const std::string& bytes) {
    folder.write(name, bytes);
    return folder.path() + "/" + name;
}

TEST(WordFileNames, ANameThatWouldLeaveItsFolderOrCannotBeReadGivesNoPath) {
    const struct {
        std::string kanji;
        const char* path; // nullptr: no path
    } rows[] = {
        {platform::sjis("山"), "bmp/山.bmp"},
        {platform::sjis("表"), "bmp/表.bmp"}, // second byte 0x5C is no separator
        {platform::sjis("..山"), "bmp/..山.bmp"},
        {"", nullptr},
        {".", nullptr},
        {"..", nullptr},
        {"../x", nullptr},
        {"a/b", nullptr},
        {"a\\b", nullptr},
        {"/etc", nullptr},
        {"a\0b"s, nullptr},
        {"\xFF\xFF", nullptr},     // not Shift-JIS
        {"\x82", nullptr},         // a lead byte cut short
        {"\x82\xA0\x82", nullptr}, // the same after a whole character
    };
    for (const auto& row : rows) {
        const auto path = wordFilePath("bmp", row.kanji, ".bmp");
        if (row.path)
            EXPECT_EQ(path, std::optional<std::string>(row.path)) << row.path;
        else
            EXPECT_FALSE(path) << *path;
    }
}

std::string bitmapBytes(int width, int height) {
    return hardening::bitmapFileBytes(width, height, Qt::green);
}

// A small bitmap whose header claims other dimensions.
std::string bitmapClaiming(std::int32_t width, std::int32_t height) {
    std::string bytes = bitmapBytes(4, 4);
    std::memcpy(&bytes[18], &width, sizeof width);
    std::memcpy(&bytes[22], &height, sizeof height);
    return bytes;
}

TEST(Pictures, OnlyWholeBitmapsUpTo4096PixelsEachWayLoad) {
    const rewards_support::ScratchFolder dir;
    fs::create_directory(dir.path() + "/folder.bmp");
    const struct {
        const char* what;
        std::string path;
        bool loads;
    } rows[] = {
        {"4096 wide", written(dir, "wide.bmp", bitmapBytes(4096, 1)), true},
        {"stored top down", written(dir, "top.bmp", bitmapClaiming(4, -4)), true},
        {"4097 high, stored top down", written(dir, "tall.bmp", bitmapClaiming(4, -4097)), false},
        {"4097 wide", written(dir, "wider.bmp", bitmapBytes(4097, 1)), false},
        {"zero bytes", written(dir, "empty.bmp", ""), false},
        {"0 x 0", written(dir, "none.bmp", bitmapClaiming(0, 0)), false},
        {"0 wide", written(dir, "flat.bmp", bitmapClaiming(0, 4)), false},
        {"negative width", written(dir, "negative.bmp", bitmapClaiming(-4, 4)), false},
        {"2^31 - 1 high", written(dir, "highest.bmp", bitmapClaiming(4, INT32_MAX)), false},
        {"-2^31 high", written(dir, "lowest.bmp", bitmapClaiming(4, INT32_MIN)), false},
        {"a folder", dir.path() + "/folder.bmp", false},
        {"missing", dir.path() + "/missing.bmp", false},
    };
    for (const auto& row : rows) {
        const gfx::BitmapPtr picture = gfx::loadBitmapFile(row.path);
        EXPECT_EQ(picture != nullptr, row.loads) << row.what;
    }
}

// A named pipe in a word's place would hold the game until someone wrote to it.
TEST(SpecialFiles, APipeInAPicturesOrASoundsPlaceIsLeftUnopened) {
    const rewards_support::ScratchFolder dir;
    const hardening::NamedPipe picture(dir.path() + "/pipe.bmp", 2s);
    EXPECT_FALSE(gfx::loadBitmapFile(picture.path()));
    EXPECT_FALSE(picture.rescued());
    const hardening::NamedPipe sound(dir.path() + "/pipe.wav", 2s);
    platform::playWaveFileAsync(sound.path());
    EXPECT_FALSE(sound.rescued());
    EXPECT_FALSE(platform::audioBusy());
}

// Inputs the sound fuzz target found: SDL reserves what a data chunk claims before it finds the
// file short, and overflows its sizes for a sample rate of half a billion; both stay silent.
TEST(Sounds, WaveHeadersFoundByFuzzingAreRefusedQuickly) {
    const std::string header = "RIFFR\0\0\0WAVEfmt \x12\0\0\0"s;
    const struct {
        const char* what;
        std::string bytes;
    } rows[] = {
        {"A-law data chunk claiming 2.7 GB",
         header + "\x06\0\x01\0\x40\x1f\0\0\x40\x1f\0\0\x01\0\x08\0\0\0fact\x04\0\0\0 \0\0\0"s +
             "data \0\xa3\xa3"s + std::string(32, '\x55')},
        {"mu-law at 524,288,064 samples a second",
         header + "\x07\0\x01\0\x40\0\x40\x1f\x1f\0\0\0\x01\0\x08\0\0\0fact\x04\0\0\0 \0\0\0"s +
             "data \0\0\0"s + std::string(32, '\x55')},
    };
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    platform::openAudio();
    const rewards_support::ScratchFolder dir;
    for (const auto& row : rows) {
        const auto start = std::chrono::steady_clock::now();
        platform::playWaveFileAsync(written(dir, "word.wav", row.bytes));
        EXPECT_LT(std::chrono::steady_clock::now() - start, 1s) << row.what;
        EXPECT_FALSE(platform::audioBusy()) << row.what;
    }
    platform::closeAudio();
}

} // namespace
