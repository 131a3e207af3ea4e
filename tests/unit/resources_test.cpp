// The built-in resources the game loads by number: their sizes, the exact sheet textures the
// pieces are told apart by, clean faces and figures, the icon and the chime.
#include "support/test_support.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <SDL.h>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <tuple>

namespace {

constexpr QRgb white = 0xffffffff, magenta = 0xffff00ff, cyan = 0xff00ffff, blue = 0xff0000ff,
               yellow = 0xffffff00, green = 0xff00ff00, red = 0xffff0000;

QByteArray resourceBytes(const QString& name) {
    QFile file(":/res/" + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QImage loadResource(const QString& name) {
    return QImage(":/res/" + name);
}

// Counts the pixels that differ from expected and names the first one.
::testing::AssertionResult matchesEverywhere(const QImage& image,
                                             const std::function<QRgb(int, int)>& expected) {
    int mismatches = 0;
    QPoint first;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != expected(x, y) && mismatches++ == 0)
                first = {x, y};
    if (mismatches == 0)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << mismatches << " pixels differ, first at " << first.x() << "," << first.y();
}

TEST(SheetTextures, SolidSquaresAlternateMagentaCyanOverBlueYellow) {
    const QRgb rows[2][2] = {{magenta, cyan}, {blue, yellow}};
    EXPECT_TRUE(matchesEverywhere(loadResource("131.bmp"),
                                  [&](int x, int y) { return rows[y / 100][x / 100 % 2]; }));
}

// Three pixels on, three off, counted from the square's top-left corner. Where two edges meet,
// the vertical one's dash wins; where both are in a gap the pixel is white.
TEST(SheetTextures, DottedBordersHaveOneColourPerSide) {
    const auto dashOn = [](int along) { return along % 6 < 3; };
    EXPECT_TRUE(matchesEverywhere(loadResource("134.bmp"), [&](int x, int y) {
        const int dx = x % 100, dy = y % 100;
        if (dx == 0 && dashOn(dy))
            return magenta;
        if (dx == 99 && dashOn(dy))
            return red;
        if (dy == 0 && dashOn(dx))
            return blue;
        return dy == 99 && dashOn(dx) ? green : white;
    }));
}

TEST(SheetTextures, CrossesOfArmFiveSitOnEveryGridCorner) {
    const auto offGrid = [](int v) { return std::min(v % 100, 100 - v % 100); };
    EXPECT_TRUE(matchesEverywhere(loadResource("133.bmp"), [&](int x, int y) {
        const bool onArm = (x % 100 == 0 && offGrid(y) <= 5) || (y % 100 == 0 && offGrid(x) <= 5);
        return onArm ? yellow : white;
    }));
}

// Bitmaps are 24-bit so the game's copies carry no alpha; the header's bit count says so. The
// pictures use the art palette, white and the outline colour: anything else is a fringe or a
// stray colour that would show when copied onto the board. The badge alone has cream.
TEST(BuiltinBitmaps, HaveTheirSizesAsTwentyFourBitBitmapsInTheArtPalette) {
    const std::set<QRgb> palette = {white,      0xff282828, 0xff5ab446, 0xff96d25a,
                                    0xff5aaae6, 0xffffd23c, 0xfffa9632, 0xffe13232,
                                    0xfffaa0be, 0xff965ab4, 0xff96643c};
    const struct {
        const char* name;
        QSize size;
        QRgb extra; // 0: a texture, checked pixel by pixel below
    } bitmaps[] = {{"131.bmp", {800, 200}, 0},     {"133.bmp", {800, 200}, 0},
                   {"134.bmp", {800, 200}, 0},     {"135.bmp", {48, 48}, qRgb(250, 235, 200)},
                   {"136.bmp", {160, 80}, white},  {"138.bmp", {600, 60}, white},
                   {"139.bmp", {80, 360}, white},  {"140.bmp", {160, 80}, white},
                   {"141.bmp", {200, 60}, white},  {"128-32.png", {32, 32}, white},
                   {"128-16.png", {16, 16}, white}};
    for (const auto& [name, size, extra] : bitmaps) {
        SCOPED_TRACE(name);
        const QImage image = loadResource(name);
        EXPECT_EQ(image.size(), size);
        EXPECT_FALSE(image.hasAlphaChannel());
        if (QString(name).endsWith(".bmp"))
            EXPECT_EQ(qFromLittleEndian<quint16>(resourceBytes(name).constData() + 28), 24);
        // A pixel of any other colour is expected to be something it is not, so it is reported.
        EXPECT_TRUE(extra == 0 || matchesEverywhere(image, [&](int x, int y) {
                        const QRgb pixel = image.pixel(x, y);
                        return palette.contains(pixel) || pixel == extra ? pixel : ~pixel;
                    }));
    }
}

// Cells listed in used are drawn and distinct from each other; every other cell is blank.
TEST(Artwork, UsedCellsAreDistinctPicturesAndTheRestBlank) {
    const struct {
        const char* name;
        QSize cell;
        std::set<int> used;
    } sheets[] = {{"136.bmp", {40, 40}, {0, 1, 4}},
                  {"140.bmp", {40, 40}, {0, 1, 4}},
                  {"138.bmp", {60, 60}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                  {"139.bmp", {80, 60}, {0, 1, 2, 3, 4, 5}}};
    for (const auto& sheet : sheets) {
        const QImage image = loadResource(sheet.name);
        std::vector<QImage> drawn;
        for (int i = 0, y = 0; y < image.height(); y += sheet.cell.height()) {
            for (int x = 0; x < image.width(); x += sheet.cell.width(), ++i) {
                const QRect cell(QPoint(x, y), sheet.cell);
                const int inked =
                    testing_support::countPixels(image, cell, testing_support::notWhite);
                const bool used = sheet.used.contains(i);
                EXPECT_TRUE(used ? inked > cell.width() * cell.height() / 10 : inked == 0)
                    << sheet.name << " cell " << i << ": " << inked << " pixels inked";
                EXPECT_FALSE(used && std::ranges::count(drawn, image.copy(cell)))
                    << sheet.name << " cell " << i << " repeats another";
                drawn.push_back(image.copy(cell));
            }
        }
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
