// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The written bitmaps read back as the game reads them and checked before the build goes on: the
// sheet textures pixel for pixel, the pictures in the art palette, and the sheets' cells drawn
// where used, blank elsewhere and never twice the same. A broken rule stops the build.
#include "resgen.h"

#include <QImage>
#include <algorithm>
#include <functional>
#include <set>
#include <stdexcept>

namespace resgen {
namespace {

constexpr QRgb white = 0xffffffff, magenta = 0xffff00ff, cyan = 0xff00ffff, blue = 0xff0000ff,
               yellow = 0xffffff00, green = 0xff00ff00, red = 0xffff0000;

std::runtime_error broken(const QString& name, const QString& what) {
    return std::runtime_error((name + ": " + what).toStdString());
}

QImage readBack(const QDir& out, const QString& name) {
    const QImage image(out.filePath(name));
    if (image.isNull())
        throw broken(name, "cannot be read back");
    return image;
}

// Every pixel is the colour `expected` gives for its place and colour; the first that is not is
// named.
void requireEverywhere(const QDir& out, const QString& name,
                       const std::function<QRgb(int, int, QRgb)>& expected) {
    const QImage image = readBack(out, name);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (const QRgb pixel = image.pixel(x, y); pixel != expected(x, y, pixel))
                throw broken(name, QString("pixel %1,%2 is #%3").arg(x).arg(y).arg(pixel, 0, 16));
}

// Solid squares alternate magenta and cyan over blue and yellow. Dotted borders: three pixels on,
// three off from the square's corner, one colour per side; where two edges meet the vertical
// one's dash wins, where both are in a gap the pixel is white. Crosses of arm 5 on every corner.
void checkTextures(const QDir& out) {
    const QRgb rows[2][2] = {{magenta, cyan}, {blue, yellow}};
    requireEverywhere(out, "131.bmp",
                      [&](int x, int y, QRgb) { return rows[y / 100][x / 100 % 2]; });
    const auto dashOn = [](int along) { return along % 6 < 3; };
    requireEverywhere(out, "134.bmp", [&](int x, int y, QRgb) {
        const int dx = x % 100, dy = y % 100;
        if (dx == 0 && dashOn(dy))
            return magenta;
        if (dx == 99 && dashOn(dy))
            return red;
        if (dy == 0 && dashOn(dx))
            return blue;
        return dy == 99 && dashOn(dx) ? green : white;
    });
    const auto offGrid = [](int v) { return std::min(v % 100, 100 - v % 100); };
    requireEverywhere(out, "133.bmp", [&](int x, int y, QRgb) {
        const bool onArm = (x % 100 == 0 && offGrid(y) <= 5) || (y % 100 == 0 && offGrid(x) <= 5);
        return onArm ? yellow : white;
    });
}

// The art palette, white and the outline colour: anything else is a fringe or a stray colour
// that would show when the picture is copied onto the board. The badge alone has cream.
void checkPalette(const QDir& out) {
    const std::set<QRgb> palette = {white,      0xff282828, 0xff5ab446, 0xff96d25a,
                                    0xff5aaae6, 0xffffd23c, 0xfffa9632, 0xffe13232,
                                    0xfffaa0be, 0xff965ab4, 0xff96643c};
    for (const QString name : {"135.bmp", "136.bmp", "138.bmp", "139.bmp", "140.bmp", "141.bmp",
                               "128-32.png", "128-16.png"}) {
        const QRgb extra = name == "135.bmp" ? qRgb(250, 235, 200) : white;
        requireEverywhere(out, name, [&](int, int, QRgb pixel) {
            return palette.contains(pixel) || pixel == extra ? pixel : ~pixel;
        });
    }
}

// The cells listed as used are drawn (a tenth of them inked) and differ from each other; every
// other cell is blank.
void checkCells(const QDir& out) {
    const struct {
        const char* name;
        QSize cell;
        std::set<int> used;
    } sheets[] = {{"136.bmp", {40, 40}, {0, 1, 4}},
                  {"140.bmp", {40, 40}, {0, 1, 4}},
                  {"138.bmp", {60, 60}, {0, 1, 2, 3, 4, 5, 6, 7, 8, 9}},
                  {"139.bmp", {80, 60}, {0, 1, 2, 3, 4, 5}}};
    for (const auto& sheet : sheets) {
        const QImage image = readBack(out, sheet.name);
        std::vector<QImage> drawn;
        for (int i = 0, y = 0; y < image.height(); y += sheet.cell.height()) {
            for (int x = 0; x < image.width(); x += sheet.cell.width(), ++i) {
                const QImage cell = image.copy(QRect(QPoint(x, y), sheet.cell));
                int inked = 0;
                for (int cy = 0; cy < cell.height(); ++cy)
                    for (int cx = 0; cx < cell.width(); ++cx)
                        inked += cell.pixel(cx, cy) != white;
                const bool used = sheet.used.contains(i);
                if (used ? inked <= cell.width() * cell.height() / 10 : inked > 0)
                    throw broken(sheet.name,
                                 QString("cell %1 has %2 pixels inked").arg(i).arg(inked));
                if (used && std::ranges::count(drawn, cell) > 0)
                    throw broken(sheet.name, QString("cell %1 repeats another").arg(i));
                drawn.push_back(cell);
            }
        }
    }
}

} // namespace

void checkWritten(const QDir& out) {
    checkTextures(out);
    checkPalette(out);
    checkCells(out);
}

} // namespace resgen
