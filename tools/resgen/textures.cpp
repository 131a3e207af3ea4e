// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The three sheet textures under the kanji. The game tells the pieces apart by these exact
// colours, so they are drawn as plain rectangles with no antialiasing at all.
#include "resgen.h"

#include "canvas.h"

#include <algorithm>

namespace resgen {

namespace {

constexpr int sheetWidth = 800;
constexpr int sheetHeight = 200;
constexpr int square = 100;

const QColor magenta{255, 0, 255};
const QColor cyan{0, 255, 255};
const QColor blue{0, 0, 255};
const QColor yellow{255, 255, 0};
const QColor green{0, 255, 0};
const QColor red{255, 0, 0};

QImage solidSquares() {
    const QColor rows[2][2] = {{magenta, cyan}, {blue, yellow}};
    QImage image = whiteImage(sheetWidth, sheetHeight);
    QPainter painter(&image);
    for (int y = 0; y < sheetHeight; y += square)
        for (int x = 0; x < sheetWidth; x += square)
            painter.fillRect(x, y, square, square, rows[y / square][x / square % 2]);
    return image;
}

// Dashes of 3 pixels with gaps of 3, the first dash starting at the square's corner.
void dottedEdge(QPainter& painter, QPoint corner, QPoint step, const QColor& ink) {
    constexpr int dash = 3;
    for (int along = 0; along < square; along += 2 * dash) {
        const int length = std::min(dash, square - along);
        const QPoint start = corner + step * along;
        const QSize size = step.x() ? QSize(length, 1) : QSize(1, length);
        painter.fillRect(QRect(start, size), ink);
    }
}

// The vertical edges are drawn last, so at a corner where a vertical dash and a horizontal dash
// meet, the vertical one shows: (0,0) of a square is magenta, (99,0) red, (0,99) green (the left
// edge is in a gap there) and (99,99) white (both edges are in a gap).
QImage dottedSquares() {
    QImage image = whiteImage(sheetWidth, sheetHeight);
    QPainter painter(&image);
    const QPoint right(1, 0), down(0, 1);
    for (int y = 0; y < sheetHeight; y += square) {
        for (int x = 0; x < sheetWidth; x += square) {
            dottedEdge(painter, {x, y}, right, blue);
            dottedEdge(painter, {x, y + square - 1}, right, green);
            dottedEdge(painter, {x, y}, down, magenta);
            dottedEdge(painter, {x + square - 1, y}, down, red);
        }
    }
    return image;
}

// A cross on every grid corner, the image edges included; the painter clips the arms there.
QImage gridCrosses() {
    constexpr int arm = 5;
    QImage image = whiteImage(sheetWidth, sheetHeight);
    QPainter painter(&image);
    for (int y = 0; y <= sheetHeight; y += square) {
        for (int x = 0; x <= sheetWidth; x += square) {
            painter.fillRect(x - arm, y, 2 * arm + 1, 1, yellow);
            painter.fillRect(x, y - arm, 1, 2 * arm + 1, yellow);
        }
    }
    return image;
}

} // namespace

void writeTextures(const QDir& out) {
    saveBmp(solidSquares(), out.filePath("131.bmp"));
    saveBmp(gridCrosses(), out.filePath("133.bmp"));
    saveBmp(dottedSquares(), out.filePath("134.bmp"));
}

} // namespace resgen
