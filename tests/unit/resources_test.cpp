// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The built-in resources the game loads by number: the bitmaps' sizes, the icon and the chime.
// The build itself checks the sheet textures pixel for pixel and the art's palette and cells.
#include "support/test_support.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <SDL.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <tuple>

namespace {

QByteArray resourceBytes(const QString& name) {
    QFile file(":/res/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage loadResource(const QString& name) {
    return QImage(":/res/" + name);
}

// The bitmaps the game loads by number: their sizes, and 24 bits so the game's copies carry no
// alpha (the header's bit count says so). The build checks what is drawn on them.
TEST(BuiltinBitmaps, HaveTheirSizesAsTwentyFourBitBitmaps) {
    const std::pair<const char*, QSize> bitmaps[] = {
        {"131.bmp", {800, 200}}, {"133.bmp", {800, 200}}, {"134.bmp", {800, 200}},
        {"135.bmp", {48, 48}},   {"136.bmp", {160, 80}},  {"138.bmp", {600, 60}},
        {"139.bmp", {80, 360}},  {"140.bmp", {160, 80}},  {"141.bmp", {200, 60}}};
    for (const auto& [name, size] : bitmaps) {
        SCOPED_TRACE(name);
        EXPECT_EQ(loadResource(name).size(), size);
        EXPECT_FALSE(loadResource(name).hasAlphaChannel());
        EXPECT_EQ(qFromLittleEndian<quint16>(resourceBytes(name).constData() + 28), 24);
    }
}

// The icon's sizes, its 16-colour table, and its look: green face, yellow rim, pink smile,
// blue drops left of the face.
TEST(Icon, IsASixteenColourFrogWithDropsAtItsLeft) {
    for (const int size : {32, 16}) {
        SCOPED_TRACE(size);
        const QImage icon = loadResource(QString("128-%1.png").arg(size));
        EXPECT_EQ(icon.size(), QSize(size, size));
        EXPECT_EQ(icon.format(), QImage::Format_Indexed8);
        EXPECT_LE(icon.colorCount(), 16);
        const auto area = [&](QRgb colour) {
            const auto found = testing_support::inkBounds(
                icon, icon.rect(), [&](gfx::Rgb c) { return c == (colour & 0xFFFFFF); });
            return found.value_or(QRect());
        };
        EXPECT_FALSE(area(qRgb(255, 210, 60)).isNull() || area(qRgb(250, 160, 190)).isNull());
        ASSERT_FALSE(area(qRgb(90, 170, 230)).isNull());
        EXPECT_LT(area(qRgb(90, 170, 230)).right(), area(qRgb(90, 180, 70)).left());
    }
}

// As SDL reads it for the game: 22,050 Hz unsigned 8-bit mono, never at full scale (no
// clipping), clearly audible, and silent at both ends (no clicks).
TEST(Chime, IsAGentleHalfSecondOfEightBitMonoSound) {
    const QByteArray wave = resourceBytes("145.wav");
    ASSERT_EQ(wave.size(), 11820);
    SDL_AudioSpec format;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1, &format,
                             &samples, &length),
              nullptr)
        << SDL_GetError();
    const std::vector<int> pcm(samples, samples + length);
    SDL_FreeWAV(samples);
    EXPECT_EQ(std::tie(format.freq, format.format, format.channels),
              std::make_tuple(22050, AUDIO_U8, 1));
    ASSERT_EQ(pcm.size(), 11761u);
    const auto [quietest, loudest] = std::minmax_element(pcm.begin(), pcm.end());
    EXPECT_GT(*quietest, 0);
    EXPECT_LT(*loudest, 255);
    EXPECT_GT(*loudest - *quietest, 128);
    EXPECT_NEAR(pcm.front(), 128, 2);
    for (auto tail = pcm.end() - 8; tail != pcm.end(); ++tail)
        EXPECT_NEAR(*tail, 128, 1);
}

} // namespace
