// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bad inputs at the edges of the program that no other test tries: word file names that would
// leave their folder, pictures of no size or at the size limit, special files in a picture's or
// a sound's place, and the wave files the sound fuzz target found.
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "wordlist/word_files.h"

#include <QByteArray>

#include <cstring>

using namespace wordlist;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using hardening::bitmapFileBytes;
using namespace std::string_literals;

TEST(WordFileNames, ANameThatWouldLeaveItsFolderOrCannotBeReadGivesNoPath) {
    // 表's second byte is 0x5C, which is no separator inside the character.
    for (const char* kanji : {"山", "表", "..山"})
        EXPECT_EQ(wordFilePath("bmp", platform::sjis(kanji), ".bmp"),
                  std::optional("bmp/"s + kanji + ".bmp"));
    // No name, names leaving the folder, then bytes that are no Shift-JIS: not Shift-JIS at all,
    // a lead byte cut short, and the same after a whole character.
    for (const std::string& kanji : {""s, "."s, ".."s, "../x"s, "a/b"s, "a\\b"s, "/etc"s, "a\0b"s,
                                     "\xFF\xFF"s, "\x82"s, "\x82\xA0\x82"s})
        EXPECT_FALSE(wordFilePath("bmp", kanji, ".bmp")) << kanji;
}

// A small bitmap whose header claims other dimensions.
std::string bitmapClaiming(std::int32_t width, std::int32_t height) {
    std::string bytes = bitmapFileBytes(4, 4, Qt::green);
    std::memcpy(&bytes[18], &width, sizeof width);
    std::memcpy(&bytes[22], &height, sizeof height);
    return bytes;
}

TEST(Pictures, OnlyWholeBitmapsUpTo4096PixelsEachWayLoad) {
    const rewards_support::ScratchFolder dir;
    fs::create_directory(dir.path() + "/folder.bmp");
    const std::string gif =
        QByteArray::fromBase64("R0lGODlhACkAAEIABSwoAAABAAAAAAAAMQAENAAAAg==").toStdString();
    std::string cutShort = bitmapFileBytes(5, 2, Qt::green); // rows of 15 bytes, padded to 16
    cutShort.pop_back();
    const struct {
        const char* what;
        std::string path;
        bool loads;
    } rows[] = {
        {"4096 wide", dir.write("wide.bmp", bitmapFileBytes(4096, 1, Qt::green)), true},
        {"stored top down", dir.write("top.bmp", bitmapClaiming(4, -4)), true},
        {"4097 high, stored top down", dir.write("tall.bmp", bitmapClaiming(4, -4097)), false},
        {"4097 wide", dir.write("wider.bmp", bitmapFileBytes(4097, 1, Qt::green)), false},
        {"zero bytes", dir.write("empty.bmp", ""), false},
        {"its last row's padding cut off", dir.write("cut.bmp", cutShort), false},
        {"0 wide", dir.write("flat.bmp", bitmapClaiming(0, 4)), false},
        {"2^31 - 1 high", dir.write("highest.bmp", bitmapClaiming(4, INT32_MAX)), false},
        {"a GIF whose picture outgrows its header", dir.write("gif.bmp", gif), false},
        {"a folder", dir.path() + "/folder.bmp", false},
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
    EXPECT_TRUE(platform::decodeWaveFile(sound.path()).empty());
    EXPECT_FALSE(sound.rescued());
}

} // namespace
