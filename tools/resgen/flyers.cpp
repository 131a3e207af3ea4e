// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The reward figures, one 80x60 frame per ten solved words, each more exciting than the last:
// bird, butterfly, paper plane, balloons, rocket, little dragon.
#include "resgen.h"

#include "shapes.h"

namespace resgen {

namespace {

constexpr int frameWidth = 80;
constexpr int frameHeight = 60;

void eye(QPainter& painter, QPointF centre) {
    blob(painter, QRectF(centre - QPointF(2, 2.5), QSizeF(4, 5)), colour::outline);
}

void bird(QPainter& painter) {
    outlinedPolygon(painter, {{22, 30}, {6, 20}, {8, 40}}, colour::skyBlue);
    outlinedPolygon(painter, {{58, 26}, {72, 31}, {58, 36}}, colour::tangerine);
    outlinedEllipse(painter, QRectF(18, 12, 42, 36), colour::skyBlue, 3);
    QPainterPath wing(QPointF(30, 30));
    wing.cubicTo(18, 20, 18, 2, 28, 4);
    wing.cubicTo(38, 6, 44, 20, 42, 30);
    wing.closeSubpath();
    outlined(painter, wing, colour::skyBlue);
    eye(painter, {50, 24});
    blob(painter, QRectF(47, 31, 5, 3), colour::pink);
}

void butterfly(QPainter& painter) {
    for (const qreal side : {-1.0, 1.0}) {
        const qreal x = 40 + side * 14;
        outlinedEllipse(painter, QRectF(x - 13, 4, 26, 26), colour::plum, 3);
        outlinedEllipse(painter, QRectF(x - 9, 28, 18, 20), colour::pink, 3);
        outlinedEllipse(painter, QRectF(x - 5 + side * 2, 11, 10, 10), colour::sunYellow);
        blob(painter, QRectF(x - 3, 34, 6, 6), colour::white);
        strokeLine(painter, {40, 14}, {40 + side * 7, 3}, colour::outline, 2);
        blob(painter, QRectF(38 + side * 7, 1, 4, 4), colour::outline);
    }
    outlinedEllipse(painter, QRectF(36, 12, 8, 38), colour::outline);
}

void paperPlane(QPainter& painter) {
    for (const int y : {34, 42, 50})
        strokeLine(painter, {2, qreal(y)}, {12, qreal(y)}, colour::skyBlue, 3);
    outlinedPolygon(painter, {{6, 12}, {76, 22}, {28, 30}}, colour::white, 3);
    outlinedPolygon(painter, {{28, 30}, {76, 22}, {20, 50}}, colour::skyBlue, 3);
}

void balloon(QPainter& painter, const QRectF& box, const QColor& fill) {
    const QPointF knot(box.center().x(), box.bottom());
    QPainterPath string(knot);
    string.cubicTo(knot + QPointF(-6, 6), knot + QPointF(6, 10), QPointF(40, 58));
    stroke(painter, string, colour::outline, 1);
    outlinedPolygon(painter, {knot, knot + QPointF(-3, 4), knot + QPointF(3, 4)}, fill);
    outlinedEllipse(painter, box, fill, 3);
    blob(painter, QRectF(box.topLeft() + QPointF(box.width() / 4, 5), QSizeF(4, 7)), colour::white);
}

void balloons(QPainter& painter) {
    balloon(painter, QRectF(6, 8, 24, 28), colour::sunYellow);
    balloon(painter, QRectF(50, 6, 24, 28), colour::skyBlue);
    balloon(painter, QRectF(26, 2, 28, 34), colour::cherryRed);
}

// Drawn upright and tilted, so it climbs to the upper right.
void rocket(QPainter& painter) {
    outlined(painter, star({10, 10}, 8), colour::sunYellow, 1);
    outlined(painter, star({70, 48}, 7), colour::sunYellow, 1);
    outlined(painter, star({66, 10}, 5), colour::sunYellow, 1);
    painter.save();
    painter.translate(38, 30);
    painter.rotate(45);
    QPainterPath flame(QPointF(-7, 15));
    flame.cubicTo(-6, 26, -2, 32, 0, 38);
    flame.cubicTo(2, 32, 6, 26, 7, 15);
    outlined(painter, flame, colour::tangerine);
    blob(painter, QRectF(-3, 17, 6, 10), colour::sunYellow);
    outlinedPolygon(painter, {{-8, 0}, {-18, 20}, {-6, 14}}, colour::cherryRed);
    outlinedPolygon(painter, {{8, 0}, {18, 20}, {6, 14}}, colour::cherryRed);
    QPainterPath body(QPointF(0, -28));
    body.cubicTo(14, -16, 10, 8, 8, 16);
    body.lineTo(-8, 16);
    body.cubicTo(-10, 8, -14, -16, 0, -28);
    outlined(painter, body, colour::white, 3);
    QPainterPath nose;
    nose.addRect(-12, -30, 24, 12);
    filled(painter, body.intersected(nose), colour::cherryRed);
    stroke(painter, body, colour::outline, 3);
    outlinedEllipse(painter, QRectF(-5, -10, 10, 10), colour::skyBlue);
    painter.restore();
}

void dragonTail(QPainter& painter) {
    QPainterPath tail(QPointF(22, 42));
    tail.cubicTo(10, 46, 4, 40, 6, 28);
    stroke(painter, tail, colour::outline, 8);
    stroke(painter, tail, colour::grassGreen, 4);
    outlinedPolygon(painter, {{6, 30}, {0, 24}, {6, 16}, {12, 24}}, colour::tangerine);
}

void dragonWing(QPainter& painter) {
    QPainterPath wing(QPointF(24, 32));
    wing.lineTo(16, 3);
    wing.quadTo(24, 12, 30, 9);
    wing.quadTo(35, 16, 42, 14);
    wing.lineTo(40, 32);
    outlined(painter, wing, colour::plum);
}

void dragonHead(QPainter& painter) {
    outlinedPolygon(painter, {{43, 14}, {41, 1}, {51, 9}}, colour::sunYellow);
    outlinedPolygon(painter, {{53, 9}, {59, 0}, {61, 13}}, colour::sunYellow);
    outlinedEllipse(painter, QRectF(40, 8, 24, 22), colour::grassGreen, 3);
    outlinedEllipse(painter, QRectF(56, 17, 13, 11), colour::leafGreen);
    blob(painter, QRectF(64, 20, 2, 3), colour::outline);
    outlinedEllipse(painter, QRectF(46, 12, 9, 9), colour::white);
    blob(painter, QRectF(50, 14, 4, 5), colour::outline);
    blob(painter, QRectF(44, 22, 5, 3), colour::pink);
}

void dragonFire(QPainter& painter) {
    QPainterPath fire(QPointF(67, 21));
    fire.cubicTo(71, 14, 74, 18, 78, 13);
    fire.cubicTo(75, 21, 76, 28, 78, 34);
    fire.cubicTo(73, 30, 71, 32, 67, 26);
    outlined(painter, fire, colour::tangerine);
    blob(painter, QRectF(70, 20, 5, 6), colour::sunYellow);
}

void dragon(QPainter& painter) {
    dragonTail(painter);
    dragonWing(painter);
    outlinedEllipse(painter, QRectF(20, 48, 9, 8), colour::grassGreen);
    outlinedEllipse(painter, QRectF(36, 48, 9, 8), colour::grassGreen);
    outlinedEllipse(painter, QRectF(16, 28, 34, 24), colour::grassGreen, 3);
    outlinedEllipse(painter, QRectF(26, 36, 18, 13), colour::leafGreen);
    dragonFire(painter);
    dragonHead(painter);
}

} // namespace

void writeFlyers(const QDir& out) {
    void (*const figures[])(QPainter&) = {bird, butterfly, paperPlane, balloons, rocket, dragon};
    QImage strip = whiteImage(frameWidth, frameHeight * std::size(figures));
    QPainter painter(&strip);
    makeCrisp(painter);
    int top = 0;
    for (const auto draw : figures) {
        drawInCell(painter, QRect(0, top, frameWidth, frameHeight), [&] { draw(painter); });
        top += frameHeight;
    }
    painter.end();
    saveBmp(strip, out.filePath("139.bmp"));
}

} // namespace resgen
