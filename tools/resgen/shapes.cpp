// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "shapes.h"

#include <QPen>
#include <cmath>
#include <numbers>

namespace resgen {

static QPen roundPen(const QColor& ink, qreal width) {
    return QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void outlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, qreal rim,
              const QColor& rimColour) {
    painter.setPen(roundPen(rimColour, rim));
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void outlinedEllipse(QPainter& painter, const QRectF& box, const QColor& fill, qreal rim) {
    QPainterPath shape;
    shape.addEllipse(box);
    outlined(painter, shape, fill, rim);
}

void outlinedPolygon(QPainter& painter, const QPolygonF& corners, const QColor& fill, qreal rim) {
    QPainterPath shape;
    shape.addPolygon(corners);
    shape.closeSubpath();
    outlined(painter, shape, fill, rim);
}

void filled(QPainter& painter, const QPainterPath& shape, const QColor& fill) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(shape);
}

void blob(QPainter& painter, const QRectF& box, const QColor& fill) {
    QPainterPath shape;
    shape.addEllipse(box);
    filled(painter, shape, fill);
}

void stroke(QPainter& painter, const QPainterPath& line, const QColor& ink, qreal width) {
    painter.setPen(roundPen(ink, width));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(line);
}

void strokeLine(QPainter& painter, QPointF from, QPointF to, const QColor& ink, qreal width) {
    QPainterPath line(from);
    line.lineTo(to);
    stroke(painter, line, ink, width);
}

// Part of an ellipse's rim, angles in degrees counter-clockwise from three o'clock.
static void strokeArc(QPainter& painter, const QRectF& box, qreal startDeg, qreal spanDeg,
                      const QColor& ink, qreal width) {
    QPainterPath arc;
    arc.arcMoveTo(box, startDeg);
    arc.arcTo(box, startDeg, spanDeg);
    stroke(painter, arc, ink, width);
}

void smile(QPainter& painter, const QRectF& box, const QColor& ink, qreal width) {
    strokeArc(painter, box, 200, 140, ink, width);
}

void frown(QPainter& painter, const QRectF& box) {
    strokeArc(painter, box, 20, 140, colour::outline, 2);
}

QPainterPath drop(const QRectF& box) {
    const QRectF bulb(box.left(), box.bottom() - box.width(), box.width(), box.width());
    QPainterPath shape(QPointF(box.center().x(), box.top()));
    shape.lineTo(box.right(), bulb.center().y());
    shape.arcTo(bulb, 0, -180);
    shape.closeSubpath();
    return shape;
}

QPainterPath star(QPointF centre, qreal outerRadius) {
    QPolygonF corners;
    for (int i = 0; i < 10; ++i) {
        const qreal radius = i % 2 ? outerRadius * 0.45 : outerRadius;
        const qreal angle = std::numbers::pi * (i / 5.0 - 0.5);
        corners << centre + QPointF(radius * std::cos(angle), radius * std::sin(angle));
    }
    QPainterPath shape;
    shape.addPolygon(corners);
    shape.closeSubpath();
    return shape;
}

} // namespace resgen
