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
// its end pixel; its gaps are drawn in the white background colour.
TEST(Pens, DottedLinesRunThreeOnThreeOffFromTheirFirstPoint) {
    const struct { int x0, y0, x1, y1; } lines[] = {{0, 5, 30, 5}, {35, 2, 20, 2}, {5, 30, 5, 10}};
    auto image = filled(60, 60, Qt::black);
    {
        gfx::Surface s(image);
        s.selectPen({gfx::Pen::Style::Dotted, 1, kRed});
        for (const auto& l : lines) {
            s.moveTo(l.x0, l.y0);
            s.lineTo(l.x1, l.y1);
        }
    }
    for (const auto& l : lines) {
        const int dx = (l.x1 > l.x0) - (l.x1 < l.x0), dy = (l.y1 > l.y0) - (l.y1 < l.y0);
        const int length = std::abs(l.x1 - l.x0) + std::abs(l.y1 - l.y0);
        for (int i = 0; i < length; ++i)
            EXPECT_EQ(at(image, l.x0 + i * dx, l.y0 + i * dy), i / 3 % 2 ? kWhite : kRed)
                << "line from " << l.x0 << "," << l.y0 << ", pixel " << i;
        EXPECT_EQ(at(image, l.x1, l.y1), gfx::kBlack);
    }
}

// A stretch repeats whole pixels, as the flying figure's frames rely on.
TEST(Copies, AStretchRepeatsWholePixels) {
    auto pair = filled(2, 1);
    pair->setPixel(1, 0, qRgb(255, 0, 0));
    auto stretched = filled(8, 4);
    gfx::Surface(stretched).stretchBlt(0, 0, 8, 4, gfx::Surface(pair), 0, 0, 2, 1);
    EXPECT_EQ(at(stretched, 3, 2), kWhite);
    EXPECT_EQ(at(stretched, 4, 2), kRed);
}

TEST(Text, VisiblePrefixKeepsWholeCharacters) {
    const std::string text = platform::sjis("あいう") + "ab";
    const std::pair<int, size_t> rows[] = {{2, 4}, {4, 7}, {100, 8}, {0, 0}, {-5, 0}};
    for (const auto& [room, bytes] : rows)
        EXPECT_EQ(gfx::visiblePrefix(text, room), text.substr(0, bytes)) << room;
    EXPECT_EQ(gfx::visiblePrefix(std::string(1, '\x81'), 3), std::string(1, '\x81'));
}

} // namespace
