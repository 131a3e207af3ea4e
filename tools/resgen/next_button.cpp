// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The Next button: a green signpost arrow with "Next" and a double chevron on it.
#include "resgen.h"

#include "shapes.h"

namespace resgen {

namespace {

void chevron(QPainter& painter, qreal x) {
    QPainterPath arrow(QPointF(x, 18));
    arrow.lineTo(x + 12, 30);
    arrow.lineTo(x, 42);
    stroke(painter, arrow, colour::outline, 9);
    stroke(painter, arrow, colour::sunYellow, 5);
}

} // namespace

void writeNextButton(const QDir& out) {
    QImage image = whiteImage(200, 60);
    QPainter painter(&image);
    makeCrisp(painter);
    outlinedPolygon(painter, {{4, 6}, {152, 6}, {195, 30}, {152, 54}, {4, 54}}, colour::grassGreen,
                    3);
    outlined(painter, textInBox("Next", QRectF(14, 15, 92, 30)), colour::white, 2);
    chevron(painter, 118);
    chevron(painter, 138);
    painter.end();
    saveBmp(image, out.filePath("141.bmp"));
}

} // namespace resgen
