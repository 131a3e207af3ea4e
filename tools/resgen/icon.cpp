// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The window icon: a frog face with closed eyes and a pink smile, rimmed in yellow, with water
// drops at its left. Each size has its own layout: scaling the large one down loses the rims.
#include "resgen.h"

#include "shapes.h"

#include <stdexcept>

namespace resgen {

namespace {

struct IconLayout {
    int size;
    qreal rim;
    QRectF drops[2];
    QRectF eyeBumps[2];
    QRectF head;
    QRectF closedEyes[2];
    QRectF smile;
};

const IconLayout large{32,
                       2,
                       {{1, 3, 7, 11}, {2, 17, 6, 10}},
                       {{10, 3, 10, 10}, {21, 3, 10, 10}},
                       {9, 9, 22, 20},
                       {{12, 6, 6, 5}, {23, 6, 6, 5}},
                       {14, 12, 12, 10}};

const IconLayout small{16,
                       1,
                       {{0, 1, 5, 7}, {0, 8, 5, 7}},
                       {{5.5, 1.5, 5, 5}, {10.5, 1.5, 5, 5}},
                       {5.5, 4.5, 10, 10},
                       {{6.5, 2.5, 3, 2}, {11.5, 2.5, 3, 2}},
                       {7.5, 6.5, 6, 5}};

void drawIcon(QPainter& painter, const IconLayout& layout) {
    for (const QRectF& box : layout.drops)
        outlined(painter, drop(box), colour::skyBlue, layout.rim);
    QPainterPath face;
    for (const QRectF& bump : layout.eyeBumps)
        face.addEllipse(bump);
    face.addEllipse(layout.head);
    outlined(painter, face.simplified(), colour::grassGreen, layout.rim, colour::sunYellow);
    for (const QRectF& eye : layout.closedEyes)
        smile(painter, eye, colour::outline, layout.rim);
    smile(painter, layout.smile, colour::pink, layout.rim);
}

// The icon keeps to the art palette, which fits a 16-colour table.
QList<QRgb> iconColours() {
    return {colour::white.rgb(),     colour::outline.rgb(),   colour::grassGreen.rgb(),
            colour::leafGreen.rgb(), colour::skyBlue.rgb(),   colour::sunYellow.rgb(),
            colour::tangerine.rgb(), colour::cherryRed.rgb(), colour::pink.rgb(),
            colour::plum.rgb(),      colour::brown.rgb()};
}

void writeIcon(const IconLayout& layout, const QString& path) {
    QImage image = whiteImage(layout.size, layout.size);
    QPainter painter(&image);
    makeCrisp(painter);
    drawIcon(painter, layout);
    painter.end();
    const QImage indexed =
        image.convertToFormat(QImage::Format_Indexed8, iconColours(), Qt::ThresholdDither);
    if (!indexed.save(path, "png"))
        throw std::runtime_error("cannot write " + path.toStdString());
}

} // namespace

void writeIcons(const QDir& out) {
    writeIcon(large, out.filePath("128-32.png"));
    writeIcon(small, out.filePath("128-16.png"));
}

} // namespace resgen
