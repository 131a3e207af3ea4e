// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

namespace resgen {

// The art palette. Faces and figures use only these, white and the outline colour, so a copy onto
// the board never brings in stray colours.
namespace colour {
inline const QColor white{255, 255, 255};
inline const QColor outline{40, 40, 40};
inline const QColor grassGreen{90, 180, 70};
inline const QColor leafGreen{150, 210, 90};
inline const QColor skyBlue{90, 170, 230};
inline const QColor sunYellow{255, 210, 60};
inline const QColor tangerine{250, 150, 50};
inline const QColor cherryRed{225, 50, 50};
inline const QColor pink{250, 160, 190};
inline const QColor plum{150, 90, 180};
inline const QColor brown{150, 100, 60};
// Only the mushroom's stem: the badge is described with a cream stem.
inline const QColor cream{250, 235, 200};
} // namespace colour

// A white RGB image: every bitmap is drawn on white.
QImage whiteImage(int width, int height);

// Antialiasing off, so every pixel keeps an exact palette colour.
void makeCrisp(QPainter& painter);

// Draws one picture of a strip or grid in its own coordinates, clipped to its cell.
template <typename Draw> void drawInCell(QPainter& painter, const QRect& cell, Draw draw) {
    painter.save();
    painter.setClipRect(cell);
    painter.translate(cell.topLeft());
    draw();
    painter.restore();
}

// Writes a 24-bit Windows bitmap; throws std::runtime_error when the file cannot be written.
void saveBmp(const QImage& image, const QString& path);

// Bold sans-serif outline of text scaled uniformly to fit box, centred in it.
QPainterPath textInBox(const QString& text, const QRectF& box);

} // namespace resgen
