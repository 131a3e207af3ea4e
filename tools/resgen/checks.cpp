// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The written resources read back as the game reads them and checked before the build goes on:
// the bitmaps' sizes and bit depth, the sheet textures pixel for pixel, the pictures in the art
// palette, the sheets' cells drawn where used, blank elsewhere and never twice the same, the
// icon's colours and look, and the chime's format and level. A broken rule stops the build.
#include "common/pcm_wave.h"
#include "resgen.h"

#include <QFile>
#include <QImage>
#include <QtEndian>
#include <algorithm>
#include <cstdlib>
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

// The sizes the game lays them out by, in 24 bits (the header's bit count) so the game's copies
// carry no alpha.
void checkSizes(const QDir& out) {
    const std::pair<const char*, QSize> bitmaps[] = {
        {"131.bmp", {800, 200}}, {"133.bmp", {800, 200}}, {"134.bmp", {800, 200}},
        {"135.bmp", {48, 48}},   {"136.bmp", {160, 80}},  {"138.bmp", {600, 60}},
        {"139.bmp", {80, 360}},  {"140.bmp", {160, 80}},  {"141.bmp", {200, 60}}};
    for (const auto& [name, size] : bitmaps) {
        const QImage image = readBack(out, name);
        if (image.size() != size)
            throw broken(name, QString("is %1 by %2").arg(image.width()).arg(image.height()));
        QFile file(out.filePath(name));
        const QByteArray header = file.open(QIODevice::ReadOnly) ? file.read(30) : QByteArray();
        if (header.size() < 30 || qFromLittleEndian<quint16>(header.constData() + 28) != 24)
            throw broken(name, "is not a 24-bit bitmap");
    }
}

// Where any pixel of the colour is, or a null rectangle.
QRect boundsOf(const QImage& image, QRgb colour) {
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) == colour)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

// Both icons in at most 16 colours, as the small desktop sizes need; the frog's yellow rim and pink
// smile shown, its blue drops left of the green face.
void checkIcons(const QDir& out) {
    for (const int size : {32, 16}) {
        const QString name = QString("128-%1.png").arg(size);
        const QImage icon = readBack(out, name);
        if (icon.size() != QSize(size, size) || icon.format() != QImage::Format_Indexed8 ||
            icon.colorCount() > 16)
            throw broken(name, QString("is not %1 by %1 in 16 colours").arg(size));
        const QRect drops = boundsOf(icon, 0xff5aaae6), face = boundsOf(icon, 0xff5ab446);
        if (boundsOf(icon, 0xffffd23c).isNull() || boundsOf(icon, 0xfffaa0be).isNull() ||
            drops.isNull() || face.isNull() || drops.right() >= face.left())
            throw broken(name, "has lost its rim, smile or face, or the drops left of the face");
    }
}

// 22,050 Hz unsigned 8-bit mono of 11,761 samples, never at full scale (no clipping), clearly
// audible, and silent at both ends (no clicks).
void checkChime(const QDir& out) {
    const QString name = "145.wav";
    QFile file(out.filePath(name));
    const std::string image = file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : "";
    if (image.size() != 11820)
        throw broken(name, QString("is %1 bytes, not 11820").arg(image.size()));
    pcm_wave::Sound chime;
    try {
        chime = pcm_wave::read(image);
    } catch (const std::runtime_error& error) {
        throw broken(name, error.what());
    }
    const auto& pcm = chime.samples;
    if (pcm.size() != 11761)
        throw broken(name, QString("holds %1 samples, not 11761").arg(pcm.size()));
    const auto [quietest, loudest] = std::ranges::minmax(pcm);
    const auto nearMiddle = [](int sample, int by) { return std::abs(sample - 128) <= by; };
    const auto silentEnd = [&](int s) { return nearMiddle(s, 1); };
    const std::pair<bool, const char*> rules[] = {
        {chime.rate == 22050 && chime.bits == 8 && chime.channels == 1,
         "is not 22,050 Hz 8-bit mono"},
        {quietest > 0 && loudest < 255, "clips"},
        {loudest - quietest > 128, "is too quiet"},
        {nearMiddle(pcm.front(), 2) && std::all_of(pcm.end() - 8, pcm.end(), silentEnd),
         "does not start and end in silence"}};
    for (const auto& [holds, what] : rules)
        if (!holds)
            throw broken(name, what);
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
    checkSizes(out);
    checkTextures(out);
    checkPalette(out);
    checkCells(out);
    checkIcons(out);
    checkChime(out);
}

} // namespace resgen
