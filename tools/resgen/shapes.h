// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "canvas.h"

#include <QPainterPath>
#include <QPolygonF>

namespace resgen {

// Flat fill with a dark rim: the look of every face and figure.
void outlined(QPainter& painter, const QPainterPath& shape, const QColor& fill, qreal rim = 2,
              const QColor& rimColour = colour::outline);
void outlinedEllipse(QPainter& painter, const QRectF& box, const QColor& fill, qreal rim = 2);
void outlinedPolygon(QPainter& painter, const QPolygonF& corners, const QColor& fill,
                     qreal rim = 2);

// A filled shape without rim (pupils, spots, cheeks).
void filled(QPainter& painter, const QPainterPath& shape, const QColor& fill);
void blob(QPainter& painter, const QRectF& box, const QColor& fill);

// A line with round ends; round joins keep thick corners whole.
void stroke(QPainter& painter, const QPainterPath& line, const QColor& ink, qreal width);
void strokeLine(QPainter& painter, QPointF from, QPointF to, const QColor& ink, qreal width);

// A smile is the lower part of an ellipse's rim, a frown (or a closed, happy eye) its upper part.
void smile(QPainter& painter, const QRectF& box, const QColor& ink = colour::outline,
           qreal width = 2);
void frown(QPainter& painter, const QRectF& box);

// A water drop, round at the bottom and pointed at its top.
QPainterPath drop(const QRectF& box);

// A five-pointed star pointing up.
QPainterPath star(QPointF centre, qreal outerRadius);

} // namespace resgen
