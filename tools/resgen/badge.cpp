// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The badge shown beside a solved word: a red mushroom with spots and a friendly face.
#include "resgen.h"

#include "shapes.h"

namespace resgen {

namespace {

void stem(QPainter& painter) {
    QPainterPath shape;
    shape.addRoundedRect(QRectF(15, 22, 18, 23), 6, 6);
    outlined(painter, shape, colour::cream);
    blob(painter, QRectF(19, 31, 3, 4), colour::outline);
    blob(painter, QRectF(26, 31, 3, 4), colour::outline);
    smile(painter, QRectF(20, 33, 8, 6));
}

void cap(QPainter& painter) {
    QPainterPath dome(QPointF(3, 27));
    dome.arcTo(QRectF(3, 3, 42, 48), 180, -180);
    dome.quadTo(24, 33, 3, 27);
    outlined(painter, dome, colour::cherryRed, 3);
    blob(painter, QRectF(9, 13, 8, 7), colour::white);
    blob(painter, QRectF(27, 8, 9, 8), colour::white);
    blob(painter, QRectF(35, 19, 5, 5), colour::white);
    blob(painter, QRectF(19, 19, 6, 5), colour::sunYellow);
    blob(painter, QRectF(20, 6, 5, 4), colour::sunYellow);
}

} // namespace

void writeBadge(const QDir& out) {
    QImage image = whiteImage(48, 48);
    QPainter painter(&image);
    makeCrisp(painter);
    stem(painter);
    cap(painter);
    painter.end();
    saveBmp(image, out.filePath("135.bmp"));
}

} // namespace resgen
