// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The drawing layer: pens, copies, fonts and text as the board relies on them. Arcs are drawn
// and checked with the signboard, unantialiased bold text with the story lines.
#include "gfx/surface.h"
#include "gfx/text_fit.h"
#include "platform/sjis.h"

#include <QImage>
#include <gtest/gtest.h>

namespace {

constexpr gfx::Rgb kRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kBlue = gfx::rgb(0, 0, 255);
constexpr gfx::Rgb kWhite = gfx::kWindowColour;

// A w x h image of one colour.
gfx::BitmapPtr filled(int w, int h, Qt::GlobalColor colour = Qt::white) {
    auto image = std::make_shared<QImage>(w, h, QImage::Format_RGB32);
    image->fill(colour);
    return image;
}

gfx::Rgb at(const gfx::BitmapPtr& image, int x, int y) {
    return image->pixel(x, y) & 0xFFFFFF;
}

// Each dotted line starts its pattern at its first point, whichever way it runs, and leaves out
// its end pixel; its gaps are drawn in the white background colour. A one-pixel solid line leaves
// out its end pixel too; a 10-pixel pen covers five rows above its line and four below.
TEST(Pens, DottedLinesRunThreeOnThreeOffAndSolidOnesCoverTheirRows) {
    const struct { int x0, y0, x1, y1; } lines[] = {{0, 5, 30, 5}, {35, 2, 20, 2}, {5, 30, 5, 10}};
    auto image = filled(60, 60, Qt::black);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Dotted, 1, kRed});
        for (const auto& l : lines) {
            s.moveTo(l.x0, l.y0);
            s.lineTo(l.x1, l.y1);
        }
        s.selectPen({gfx::Pen::Style::Solid, 1, kRed});
        s.moveTo(10, 55);
        s.lineTo(20, 55);
        s.selectPen({gfx::Pen::Style::Solid, 10, kRed});
        s.moveTo(25, 45);
        s.lineTo(55, 45);
    }
    for (const auto& l : lines) {
        const int dx = (l.x1 > l.x0) - (l.x1 < l.x0), dy = (l.y1 > l.y0) - (l.y1 < l.y0);
        const int length = std::abs(l.x1 - l.x0) + std::abs(l.y1 - l.y0);
        for (int i = 0; i < length; ++i)
            EXPECT_EQ(at(image, l.x0 + i * dx, l.y0 + i * dy), i / 3 % 2 ? kWhite : kRed)
                << "line from " << l.x0 << "," << l.y0 << ", pixel " << i;
        EXPECT_EQ(at(image, l.x1, l.y1), gfx::kBlack);
    }
    const std::pair<QPoint, gfx::Rgb> pixels[] = {{{19, 55}, kRed},        {{20, 55}, gfx::kBlack},
                                                  {{40, 39}, gfx::kBlack}, {{40, 40}, kRed},
                                                  {{40, 49}, kRed},        {{40, 50}, gfx::kBlack}};
    for (const auto& [point, colour] : pixels)
        EXPECT_EQ(at(image, point.x(), point.y()), colour) << point.x() << "," << point.y();
}

// A copy takes only what its source covers (a 48-pixel picture into a 100-pixel box, or nothing
// from no picture at all); a stretch repeats whole pixels.
TEST(Copies, OnlyWhatTheSourceCoversIsCopiedAndStretchesRepeatWholePixels) {
    auto source = filled(48, 48, Qt::red);
    auto target = filled(120, 120, Qt::blue);
    auto pair = filled(2, 1);
    pair->setPixel(1, 0, qRgb(255, 0, 0));
    auto stretched = filled(8, 4);
    {
        gfx::Surface to(target);
        to.bitBlt(10, 10, 100, 100, gfx::Surface(source), 0, 0);
        to.bitBlt(0, 0, 10, 10, gfx::Surface(), 0, 0);
        gfx::Surface(stretched).stretchBlt(0, 0, 8, 4, gfx::Surface(pair), 0, 0, 2, 1);
    }
    EXPECT_EQ(at(target, 10, 10), kRed);
    EXPECT_EQ(at(target, 57, 57), kRed);
    EXPECT_EQ(at(target, 58, 58), kBlue);
    EXPECT_EQ(at(target, 0, 0), kBlue);
    EXPECT_EQ(at(stretched, 3, 2), kWhite);
    EXPECT_EQ(at(stretched, 4, 2), kRed);
}

TEST(Text, OpaqueTextFillsItsCellTransparentTextDoesNot) {
    auto image = filled(100, 40, Qt::blue);
    {
        gfx::Surface s(image);
        s.textOut(0, 0, "  ");
        s.setTransparent(true);
        s.textOut(50, 0, "  ");
    }
    EXPECT_EQ(at(image, 1, 1), kWhite);
    EXPECT_EQ(at(image, 51, 1), kBlue);
}

TEST(Text, VisiblePrefixKeepsWholeCharactersAndBadBytesReadAsReplacements) {
    const std::string text = platform::sjis("あいう") + "ab";
    const std::pair<int, size_t> rows[] = {{2, 4}, {4, 7}, {100, 8}, {0, 0}, {-5, 0}};
    for (const auto& [room, bytes] : rows)
        EXPECT_EQ(gfx::visiblePrefix(text, room), text.substr(0, bytes)) << room;
    EXPECT_EQ(gfx::visiblePrefix(std::string(1, '\x81'), 3), std::string(1, '\x81'));
    // Bytes that are no Shift-JIS are shown as replacement characters.
    EXPECT_EQ(platform::sjisToUtf8Lossy("a\xFF"
                                        "b"),
              "a\uFFFDb");
}

} // namespace
