// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The picture digits 0-9: a big outlined digit beside a small picture, so a child who cannot
// read numbers yet still tells the cells apart ("the one with the fish").
#include "resgen.h"

#include "shapes.h"

namespace resgen {

namespace {

constexpr int cell = 60;

void ball(QPainter& painter, const QRectF& box) {
    outlinedEllipse(painter, box, colour::skyBlue);
    strokeLine(painter, {box.left() + 1, box.center().y()}, {box.right() - 1, box.center().y()},
               colour::white, 3);
}

void starPicture(QPainter& painter, const QRectF& box) {
    outlined(painter, star(box.center() + QPointF(0, 1), box.width() / 2 + 1), colour::sunYellow);
}

void flower(QPainter& painter, const QRectF& box) {
    const QPointF centre = box.center();
    const QSizeF petal(9, 9);
    for (const QPointF offset : {QPointF(0, -6), QPointF(6, 0), QPointF(0, 6), QPointF(-6, 0)})
        outlinedEllipse(painter, QRectF(centre + offset - QPointF(4.5, 4.5), petal), colour::pink);
    outlinedEllipse(painter, QRectF(centre - QPointF(3.5, 3.5), QSizeF(7, 7)), colour::sunYellow);
}

void apple(QPainter& painter, const QRectF& box) {
    strokeLine(painter, {box.center().x(), box.top() + 5}, {box.center().x() + 2, box.top()},
               colour::brown, 2);
    outlinedEllipse(painter, box.adjusted(0, 4, 0, 0), colour::cherryRed);
    outlinedEllipse(painter, QRectF(box.center().x() + 2, box.top(), 7, 5), colour::leafGreen, 1);
}

void heart(QPainter& painter, const QRectF& box) {
    const qreal x = box.left(), y = box.top(), w = box.width();
    QPainterPath shape(QPointF(x + w / 2, y + w));
    shape.cubicTo(x - 4, y + w / 2, x + 2, y - 2, x + w / 2, y + 5);
    shape.cubicTo(x + w - 2, y - 2, x + w + 4, y + w / 2, x + w / 2, y + w);
    outlined(painter, shape, colour::cherryRed);
}

void sun(QPainter& painter, const QRectF& box) {
    const QPointF c = box.center();
    for (const QPointF ray : {QPointF(10, 0), QPointF(0, 10), QPointF(7, 7), QPointF(7, -7)}) {
        strokeLine(painter, c - ray, c + ray, colour::outline, 4);
        strokeLine(painter, c - ray, c + ray, colour::tangerine, 2);
    }
    outlinedEllipse(painter, box.adjusted(4, 4, -4, -4), colour::sunYellow);
}

void fish(QPainter& painter, const QRectF& box) {
    const qreal y = box.center().y();
    outlinedPolygon(painter, {{box.left() + 6, y}, {box.left(), y - 6}, {box.left(), y + 6}},
                    colour::tangerine);
    outlinedEllipse(painter, QRectF(box.left() + 4, y - 7, 16, 14), colour::tangerine);
    blob(painter, QRectF(box.right() - 7, y - 3, 3, 3), colour::outline);
}

void leaf(QPainter& painter, const QRectF& box) {
    QPainterPath shape(box.bottomLeft());
    shape.cubicTo(box.topLeft() + QPointF(0, 4), box.topRight() - QPointF(6, 0), box.topRight());
    shape.cubicTo(box.bottomRight() - QPointF(0, 6), box.bottomLeft() + QPointF(6, 0),
                  box.bottomLeft());
    outlined(painter, shape, colour::leafGreen);
    strokeLine(painter, box.bottomLeft() + QPointF(3, -3), box.center(), colour::grassGreen, 2);
}

void balloon(QPainter& painter, const QRectF& box) {
    strokeLine(painter, {box.center().x(), box.top() + 14}, {box.center().x() - 2, box.bottom()},
               colour::outline, 1);
    outlinedEllipse(painter, QRectF(box.left() + 3, box.top(), 14, 16), colour::plum);
    blob(painter, QRectF(box.left() + 6, box.top() + 3, 3, 4), colour::white);
}

void moon(QPainter& painter, const QRectF& box) {
    QPainterPath disc, bite;
    disc.addEllipse(box);
    bite.addEllipse(box.translated(7, -4));
    outlined(painter, disc.subtracted(bite), colour::sunYellow);
}

struct PictureDigit {
    QColor ink;
    void (*picture)(QPainter&, const QRectF&);
};

const PictureDigit pictureDigits[10] = {
    {colour::tangerine, ball},     {colour::cherryRed, starPicture},
    {colour::skyBlue, flower},     {colour::grassGreen, apple},
    {colour::plum, heart},         {colour::skyBlue, sun},
    {colour::cherryRed, fish},     {colour::tangerine, leaf},
    {colour::grassGreen, balloon}, {colour::cherryRed, moon},
};

void drawPictureDigit(QPainter& painter, int digit) {
    const PictureDigit& look = pictureDigits[digit];
    outlined(painter, textInBox(QString::number(digit), QRectF(4, 6, 31, 48)), look.ink, 3);
    look.picture(painter, QRectF(38, 31, 19, 19));
}

} // namespace

void writeDigits(const QDir& out) {
    QImage strip = whiteImage(10 * cell, cell);
    QPainter painter(&strip);
    makeCrisp(painter);
    for (int digit = 0; digit < 10; ++digit)
        drawInCell(painter, QRect(digit * cell, 0, cell, cell),
                   [&] { drawPictureDigit(painter, digit); });
    painter.end();
    saveBmp(strip, out.filePath("138.bmp"));
}

} // namespace resgen
