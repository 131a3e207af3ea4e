// The drawing layer: pens, arcs, copies, fonts and text as the board relies on them.
#include "gfx/bold_text.h"
#include "gfx/fonts.h"
#include "gfx/surface.h"
#include "gfx/text_fit.h"
#include "platform/sjis.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr gfx::Rgb kRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kWhite = gfx::kWindowColour;

gfx::BitmapPtr whiteImage(int w, int h) {
    auto image = std::make_shared<QImage>(w, h, QImage::Format_RGB32);
    image->fill(Qt::white);
    return image;
}

gfx::Rgb at(const gfx::BitmapPtr& image, int x, int y) {
    return image->pixel(x, y) & 0xFFFFFF;
}

TEST(Pens, DottedLineIsThreeOnThreeOffWithWhiteGaps) {
    auto image = whiteImage(40, 10);
    image->fill(Qt::black);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Dotted, 1, kRed});
        s.moveTo(0, 5);
        s.lineTo(30, 5);
    }
    for (int x = 0; x < 30; ++x)
        EXPECT_EQ(at(image, x, 5), (x / 3) % 2 == 0 ? kRed : kWhite) << x;
    EXPECT_EQ(at(image, 30, 5), gfx::kBlack) << "the end pixel is left out";
}

TEST(Pens, DottedLinesStartAtTheirFirstPointWhicheverWayTheyRun) {
    auto image = whiteImage(40, 40);
    image->fill(Qt::black);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Dotted, 1, kRed});
        s.moveTo(35, 2);
        s.lineTo(20, 2);
        s.moveTo(5, 30);
        s.lineTo(5, 10);
    }
    for (int i = 0; i < 15; ++i)
        EXPECT_EQ(at(image, 35 - i, 2), (i / 3) % 2 == 0 ? kRed : kWhite) << i;
    EXPECT_EQ(at(image, 20, 2), gfx::kBlack);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(at(image, 5, 30 - i), (i / 3) % 2 == 0 ? kRed : kWhite) << i;
    EXPECT_EQ(at(image, 5, 10), gfx::kBlack);
}

TEST(Pens, OnePixelLineLeavesOutItsEndAndWidePenCoversMinusFiveToFour) {
    auto image = whiteImage(60, 60);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Solid, 1, kRed});
        s.moveTo(2, 2);
        s.lineTo(12, 2);
        s.selectPen({gfx::Pen::Style::Solid, 10, kRed});
        s.moveTo(10, 30);
        s.lineTo(50, 30);
    }
    EXPECT_EQ(at(image, 11, 2), kRed);
    EXPECT_EQ(at(image, 12, 2), kWhite);
    EXPECT_EQ(at(image, 30, 24), kWhite);
    EXPECT_EQ(at(image, 30, 25), kRed);
    EXPECT_EQ(at(image, 30, 34), kRed);
    EXPECT_EQ(at(image, 30, 35), kWhite);
}

TEST(Arcs, StartAndEndPointsGiveCounterClockwiseAngles) {
    // Left half of a circle: from the top point round the left to the bottom point.
    const gfx::ArcAngles left = gfx::arcAngles(10, 105, 270, 365, 140, 105, 140, 365);
    EXPECT_EQ(left.start16, 90 * 16);
    EXPECT_EQ(left.span16, 180 * 16);
    // Right half: from the bottom point round the right to the top point.
    const gfx::ArcAngles right = gfx::arcAngles(60, 105, 320, 365, 190, 365, 190, 105);
    EXPECT_EQ(right.start16, -90 * 16);
    EXPECT_EQ(right.span16, 180 * 16);
    // The same start and end point is the whole ellipse.
    EXPECT_EQ(gfx::arcAngles(0, 0, 10, 10, 10, 5, 10, 5).span16, 360 * 16);
}

TEST(Arcs, LeftHalfIsDrawnOnTheLeftOnly) {
    auto image = whiteImage(300, 400);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Solid, 15, kRed});
        s.arc(10, 105, 270, 365, 140, 105, 140, 365);
    }
    EXPECT_EQ(at(image, 10, 235), kRed);
    EXPECT_EQ(at(image, 269, 235), kWhite);
    EXPECT_EQ(at(image, 140, 105), kRed);
}

TEST(Copies, OnlyWhatTheSourceCoversIsCopied) {
    auto source = whiteImage(48, 48);
    source->fill(Qt::red);
    auto target = whiteImage(120, 120);
    target->fill(Qt::blue);
    {
        gfx::Surface from(source);
        gfx::Surface to(target);
        to.bitBlt(10, 10, 100, 100, from, 0, 0);
    }
    EXPECT_EQ(at(target, 10, 10), kRed);
    EXPECT_EQ(at(target, 57, 57), kRed);
    EXPECT_EQ(at(target, 58, 58), gfx::rgb(0, 0, 255));
    gfx::Surface empty;
    gfx::Surface to(target);
    to.bitBlt(0, 0, 10, 10, empty, 0, 0);
    EXPECT_EQ(at(target, 0, 0), gfx::rgb(0, 0, 255));
}

TEST(Copies, StretchRepeatsWholePixels) {
    auto source = whiteImage(2, 1);
    source->setPixel(1, 0, qRgb(255, 0, 0));
    auto target = whiteImage(8, 4);
    {
        gfx::Surface from(source);
        gfx::Surface to(target);
        to.stretchBlt(0, 0, 8, 4, from, 0, 0, 2, 1);
    }
    EXPECT_EQ(at(target, 3, 2), kWhite);
    EXPECT_EQ(at(target, 4, 2), kRed);
}

TEST(Fonts, JapaneseFacesResolveToTheIpaFaces) {
    const std::pair<const char*, const char*> faces[] = {{gfx::kFaceGothic, "IPAGothic"},
                                                         {gfx::kFaceMincho, "IPAMincho"},
                                                         {gfx::kFacePMincho, "IPAPMincho"},
                                                         {gfx::kFacePGothic, "IPAPGothic"}};
    for (const auto& [name, expected] : faces)
        EXPECT_EQ(QFontInfo(QFont(QString::fromUtf8(name))).family(), expected) << name;
}

TEST(Fonts, PointSizesBecomePixelHeightsAt96Dpi) {
    EXPECT_EQ(gfx::pointFont(1500, gfx::kFaceGothic).pixelSize, 200);
    EXPECT_EQ(gfx::pointFont(1510, gfx::kFaceGothic).pixelSize, 201);
    EXPECT_EQ(gfx::pointFont(600, gfx::kFacePMincho).pixelSize, 80);
}

TEST(Fonts, BoldTextCellIsNoTallerThanAskedAndAsTallAsFits) {
    for (int height : {18, 25, 30, 35, 50}) {
        const int size = gfx::boldPixelSizeForCellHeight(height);
        QFont font(QString::fromUtf8(gfx::kFacePMincho));
        font.setBold(true);
        font.setPixelSize(size);
        const QFontMetrics fits(font);
        EXPECT_LE(fits.ascent() + fits.descent(), height) << height;
        font.setPixelSize(size + 1);
        const QFontMetrics next(font);
        EXPECT_GT(next.ascent() + next.descent(), height) << height;
    }
}

TEST(Text, BoldTextIsExactColourWithoutAntialiasing) {
    auto image = whiteImage(200, 60);
    {
        gfx::Surface s(image);
        gfx::DrawBoldText(s, 5, 5, 30, gfx::rgb(0, 170, 0), platform::sjis("漢字"));
    }
    int green = 0;
    for (int y = 0; y < 60; ++y)
        for (int x = 0; x < 200; ++x) {
            const gfx::Rgb c = at(image, x, y);
            EXPECT_TRUE(c == kWhite || c == gfx::rgb(0, 170, 0)) << x << "," << y;
            green += c != kWhite;
        }
    EXPECT_GT(green, 50);
}

TEST(Text, OpaqueTextFillsItsCellTransparentTextDoesNot) {
    auto image = whiteImage(100, 40);
    image->fill(Qt::blue);
    {
        gfx::Surface s(image);
        s.textOut(0, 0, "  ");
        s.setTransparent(true);
        s.textOut(50, 0, "  ");
    }
    EXPECT_EQ(at(image, 1, 1), kWhite);
    EXPECT_EQ(at(image, 51, 1), gfx::rgb(0, 0, 255));
}

TEST(Text, VisiblePrefixKeepsWholeCharacters) {
    const std::string text = platform::sjis("あいう") + "ab";
    EXPECT_EQ(gfx::visiblePrefix(text, 2), text.substr(0, 4));
    EXPECT_EQ(gfx::visiblePrefix(text, 4), text.substr(0, 7));
    EXPECT_EQ(gfx::visiblePrefix(text, 100), text);
    EXPECT_EQ(gfx::visiblePrefix(text, 0), "");
    EXPECT_EQ(gfx::visiblePrefix(text, -5), "");
    EXPECT_EQ(gfx::visiblePrefix(std::string(1, '\x81'), 3), std::string(1, '\x81'));
}

TEST(ShiftJis, ConversionsKeepWhatTheyCanAndSayWhatTheyCannot) {
    EXPECT_EQ(platform::sjis("表"), std::string("\x95\x5C", 2));
    EXPECT_EQ(platform::sjisToUtf8(std::string("\x95\x5C", 2)), "表");
    EXPECT_EQ(platform::sjisToUtf8("\\"), "\\");
    EXPECT_FALSE(platform::sjisToUtf8(std::string("\x82", 1)));
    EXPECT_FALSE(platform::sjisToUtf8(std::string("\xFF", 1)));
    EXPECT_EQ(platform::sjisToUtf8Lossy(std::string("a\xFF"
                                                    "b",
                                                    3)),
              "a\xEF\xBF\xBD"
              "b");
    EXPECT_FALSE(platform::utf8ToSjis("😀"));
    EXPECT_EQ(platform::utf8ToSjis(""), "");
}

} // namespace
