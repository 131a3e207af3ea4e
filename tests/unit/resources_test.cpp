// The built-in resources the game loads by number: their sizes, the exact sheet textures the
// pieces are told apart by, clean faces and figures, and the chime's wave layout.
#include <QColor>
#include <QFile>
#include <QImage>
#include <QtEndian>
#include <SDL.h>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace {

QImage loadResource(const QString& name) {
    return QImage(":/res/" + name);
}

constexpr QRgb white = 0xffffffff;

// Counts the pixels that differ from expected and describes the first one.
::testing::AssertionResult matchesEverywhere(const QImage& image,
                                             const std::function<QRgb(int, int)>& expected) {
    int mismatches = 0;
    QString first;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == expected(x, y))
                continue;
            if (!mismatches++)
                first = QString("(%1,%2) is %3, expected %4")
                            .arg(x)
                            .arg(y)
                            .arg(image.pixel(x, y), 8, 16)
                            .arg(expected(x, y), 8, 16);
        }
    }
    if (!mismatches)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << mismatches << " pixels differ, first " << first.toStdString();
}

// Bitmaps are 24-bit so the game's copies carry no alpha; the header's bit count says so.
int bmpBitsPerPixel(const QString& name) {
    QFile file(":/res/" + name);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    return qFromLittleEndian<quint16>(file.read(30).constData() + 28);
}

TEST(BuiltinBitmaps, HaveTheirSizesAsTwentyFourBitBitmaps) {
    const struct {
        const char* name;
        QSize size;
    } bitmaps[] = {{"131.bmp", {800, 200}}, {"133.bmp", {800, 200}}, {"134.bmp", {800, 200}},
                   {"135.bmp", {48, 48}},   {"136.bmp", {160, 80}},  {"138.bmp", {600, 60}},
                   {"139.bmp", {80, 360}},  {"140.bmp", {160, 80}},  {"141.bmp", {200, 60}}};
    for (const auto& [name, size] : bitmaps) {
        SCOPED_TRACE(name);
        const QImage image = loadResource(name);
        EXPECT_EQ(image.size(), size);
        EXPECT_FALSE(image.hasAlphaChannel());
        EXPECT_EQ(bmpBitsPerPixel(name), 24);
    }
}

constexpr QRgb magenta = 0xffff00ff, cyan = 0xff00ffff, blue = 0xff0000ff, yellow = 0xffffff00,
               green = 0xff00ff00, red = 0xffff0000;

TEST(SheetTextures, SolidSquaresAlternateMagentaCyanOverBlueYellow) {
    const QRgb rows[2][2] = {{magenta, cyan}, {blue, yellow}};
    EXPECT_TRUE(matchesEverywhere(loadResource("131.bmp"),
                                  [&](int x, int y) { return rows[y / 100][x / 100 % 2]; }));
}

// Three pixels on, three off, counted from the square's top-left corner.
bool dashOn(int along) {
    return along % 6 < 3;
}

TEST(SheetTextures, DottedBordersHaveOneColourPerSide) {
    const QImage image = loadResource("134.bmp");
    EXPECT_TRUE(matchesEverywhere(image, [](int x, int y) {
        const int dx = x % 100, dy = y % 100;
        if (dx == 0 && dashOn(dy))
            return magenta;
        if (dx == 99 && dashOn(dy))
            return red;
        if (dy == 0 && dashOn(dx))
            return blue;
        if (dy == 99 && dashOn(dx))
            return green;
        return white;
    }));
    // Corners: a vertical dash wins; where both edges are in a gap the pixel is white.
    const struct {
        QPoint at;
        QRgb colour;
    } corners[] = {{{0, 0}, magenta},  {{99, 0}, red},        {{0, 99}, green},
                   {{99, 99}, white},  {{100, 100}, magenta}, {{799, 100}, red},
                   {{3, 0}, white},    {{6, 0}, blue},        {{0, 3}, white},
                   {{98, 199}, green}, {{700, 199}, green},   {{799, 199}, white}};
    for (const auto& [at, colour] : corners)
        EXPECT_EQ(image.pixel(at), colour) << at.x() << "," << at.y();
}

// Distance from v to the nearest line of the 100-pixel grid.
int offGrid(int v) {
    return std::min(v % 100, 100 - v % 100);
}

TEST(SheetTextures, CrossesOfArmFiveSitOnEveryGridCorner) {
    const QImage image = loadResource("133.bmp");
    EXPECT_TRUE(matchesEverywhere(image, [](int x, int y) {
        const bool onArm = (x % 100 == 0 && offGrid(y) <= 5) || (y % 100 == 0 && offGrid(x) <= 5);
        return onArm ? yellow : white;
    }));
    const struct {
        QPoint at;
        QRgb colour;
    } armEnds[] = {{{5, 0}, yellow},     {{6, 0}, white},      {{0, 5}, yellow},
                   {{0, 6}, white},      {{100, 105}, yellow}, {{100, 106}, white},
                   {{795, 199}, white},  {{799, 199}, white},  {{800 - 5, 100}, yellow},
                   {{400, 195}, yellow}, {{400, 194}, white}};
    for (const auto& [at, colour] : armEnds)
        EXPECT_EQ(image.pixel(at), colour) << at.x() << "," << at.y();
}

// The art palette, white and the outline colour: anything else is a fringe or a stray colour
// that would show when the picture is copied onto the board.
const std::set<QRgb> artColours = {white,
                                   qRgb(40, 40, 40),
                                   qRgb(90, 180, 70),
                                   qRgb(150, 210, 90),
                                   qRgb(90, 170, 230),
                                   qRgb(255, 210, 60),
                                   qRgb(250, 150, 50),
                                   qRgb(225, 50, 50),
                                   qRgb(250, 160, 190),
                                   qRgb(150, 90, 180),
                                   qRgb(150, 100, 60)};

TEST(Artwork, UsesOnlyPaletteColours) {
    const QRgb cream = qRgb(250, 235, 200);
    const struct {
        const char* name;
        std::set<QRgb> extra;
    } pictures[] = {{"135.bmp", {cream}}, {"136.bmp", {}}, {"138.bmp", {}},    {"139.bmp", {}},
                    {"140.bmp", {}},      {"141.bmp", {}}, {"128-32.png", {}}, {"128-16.png", {}}};
    for (const auto& picture : pictures) {
        SCOPED_TRACE(picture.name);
        const QImage image = loadResource(picture.name);
        ASSERT_FALSE(image.isNull());
        // A pixel of any other colour is expected to be something it is not, so it is reported.
        EXPECT_TRUE(matchesEverywhere(image, [&](int x, int y) {
            const QRgb pixel = image.pixel(x, y);
            return artColours.contains(pixel) || picture.extra.contains(pixel) ? pixel : ~pixel;
        }));
    }
}

std::vector<QImage> cellsOf(const QImage& sheet, QSize cell) {
    std::vector<QImage> cells;
    for (int y = 0; y < sheet.height(); y += cell.height())
        for (int x = 0; x < sheet.width(); x += cell.width())
            cells.push_back(sheet.copy(QRect(QPoint(x, y), cell)));
    return cells;
}

double inkedShare(const QImage& cell) {
    int inked = 0;
    for (int y = 0; y < cell.height(); ++y)
        for (int x = 0; x < cell.width(); ++x)
            inked += cell.pixel(x, y) != white;
    return double(inked) / (cell.width() * cell.height());
}

// Cells listed in used are drawn, distinct from each other; every other cell is blank white.
TEST(Artwork, UsedCellsAreDistinctPicturesAndTheRestBlank) {
    const struct {
        const char* name;
        QSize cell;
        std::set<int> used;
    } sheets[] = {{"136.bmp", {40, 40}, {0, 1, 4}},
                  {"140.bmp", {40, 40}, {0, 1, 4}},
                  {"138.bmp", {60, 60}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                  {"139.bmp", {80, 60}, {0, 1, 2, 3, 4, 5}}};
    for (const auto& [name, size, used] : sheets) {
        SCOPED_TRACE(name);
        const std::vector<QImage> cells = cellsOf(loadResource(name), size);
        ASSERT_FALSE(cells.empty());
        for (int i = 0; i < int(cells.size()); ++i) {
            if (used.contains(i))
                EXPECT_GT(inkedShare(cells[i]), 0.1) << "cell " << i << " is nearly blank";
            else
                EXPECT_EQ(inkedShare(cells[i]), 0.0) << "cell " << i << " should be white";
        }
        for (const int a : used)
            for (const int b : used)
                EXPECT_TRUE(a >= b || cells[a] != cells[b]) << "cells " << a << ", " << b;
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
        int rightmostDrop = -1, leftmostFace = size;
        std::set<QRgb> seen;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                seen.insert(icon.pixel(x, y));
                if (icon.pixel(x, y) == qRgb(90, 170, 230))
                    rightmostDrop = std::max(rightmostDrop, x);
                if (icon.pixel(x, y) == qRgb(90, 180, 70))
                    leftmostFace = std::min(leftmostFace, x);
            }
        }
        for (const QRgb colour : {qRgb(255, 210, 60), qRgb(250, 160, 190)})
            EXPECT_TRUE(seen.contains(colour)) << std::hex << colour;
        EXPECT_GE(rightmostDrop, 0);
        EXPECT_LT(rightmostDrop, leftmostFace);
    }
}

QByteArray chimeFile() {
    QFile file(":/res/145.wav");
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST(Chime, HasTheClassicEightBitMonoLayout) {
    const QByteArray wave = chimeFile();
    ASSERT_EQ(wave.size(), 11820);
    const struct {
        int offset;
        const char* tag;
        quint32 value;
    } fields[] = {{0, "RIFF", 11812}, {12, "fmt ", 18}, {38, "fact", 4}, {50, "data", 11761}};
    for (const auto& [offset, tag, value] : fields) {
        EXPECT_EQ(wave.mid(offset, 4), QByteArray(tag));
        EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + offset + 4), value) << tag;
    }
    EXPECT_EQ(qFromLittleEndian<quint32>(wave.constData() + 46), 11761u) << "fact sample count";
}

TEST(Chime, LoadsAsAGentleHalfSecondOfSound) {
    const QByteArray wave = chimeFile();
    SDL_AudioSpec spec;
    Uint8* samples = nullptr;
    Uint32 length = 0;
    ASSERT_NE(SDL_LoadWAV_RW(SDL_RWFromConstMem(wave.constData(), int(wave.size())), 1, &spec,
                             &samples, &length),
              nullptr)
        << SDL_GetError();
    const std::vector<int> pcm(samples, samples + length);
    SDL_FreeWAV(samples);
    EXPECT_EQ(spec.freq, 22050);
    EXPECT_EQ(spec.format, AUDIO_U8);
    EXPECT_EQ(spec.channels, 1);
    ASSERT_EQ(pcm.size(), 11761u);
    // Never at full scale (no clipping), clearly audible, and silent at both ends (no clicks).
    const auto [quietest, loudest] = std::minmax_element(pcm.begin(), pcm.end());
    EXPECT_GT(*quietest, 0);
    EXPECT_LT(*loudest, 255);
    EXPECT_GT(*loudest - *quietest, 128);
    EXPECT_NEAR(pcm.front(), 128, 2);
    for (auto tail = pcm.end() - 8; tail != pcm.end(); ++tail)
        EXPECT_NEAR(*tail, 128, 1);
}

} // namespace
