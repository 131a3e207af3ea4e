// The built-in resources the game loads by number: their sizes, the exact sheet textures the
// pieces are told apart by, clean faces and figures, the icon and the chime.
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

// Bitmaps are 24-bit so the game's copies carry no alpha; the header's bit count says so.
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

// The art palette, white and the outline colour: anything else is a fringe or a stray colour
// that would show when the picture is copied onto the board. The badge alone has cream.
TEST(Artwork, UsesOnlyPaletteColours) {
    const std::set<QRgb> palette = {white,
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
    const std::pair<const char*, QRgb> pictures[] = {{"135.bmp", qRgb(250, 235, 200)},
                                                     {"136.bmp", 0},
                                                     {"138.bmp", 0},
                                                     {"139.bmp", 0},
                                                     {"140.bmp", 0},
                                                     {"141.bmp", 0},
                                                     {"128-32.png", 0},
                                                     {"128-16.png", 0}};
    for (const auto& picture : pictures) {
        const QImage image = loadResource(picture.first);
        ASSERT_FALSE(image.isNull()) << picture.first;
        // A pixel of any other colour is expected to be something it is not, so it is reported.
        EXPECT_TRUE(matchesEverywhere(image, [&](int x, int y) {
            const QRgb pixel = image.pixel(x, y);
            return palette.contains(pixel) || pixel == picture.second ? pixel : ~pixel;
        })) << picture.first;
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
        std::vector<QImage> cells;
        for (int y = 0; y < image.height(); y += sheet.cell.height())
            for (int x = 0; x < image.width(); x += sheet.cell.width())
                cells.push_back(image.copy(QRect(QPoint(x, y), sheet.cell)));
        for (int i = 0; i < int(cells.size()); ++i) {
            int inked = 0;
            for (int y = 0; y < sheet.cell.height(); ++y)
                for (int x = 0; x < sheet.cell.width(); ++x)
                    inked += cells[i].pixel(x, y) != white;
            const bool used = sheet.used.contains(i);
            EXPECT_TRUE(used ? inked > cells[i].width() * cells[i].height() / 10 : inked == 0)
                << sheet.name << " cell " << i << ": " << inked << " pixels inked";
            for (int j = 0; used && j < i; ++j)
                EXPECT_NE(cells[i], cells[j]) << sheet.name << " cells " << j << ", " << i;
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
        EXPECT_TRUE(seen.contains(qRgb(255, 210, 60)) && seen.contains(qRgb(250, 160, 190)));
        EXPECT_GE(rightmostDrop, 0);
        EXPECT_LT(rightmostDrop, leftmostFace);
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
