// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The two companions' faces, 40x40 each: normal, distressed while carried, and happy once the
// word is solved. Sheet cells: (0,0) normal, (40,0) distressed, (0,40) solved; the rest stay white.
#include "resgen.h"

#include "shapes.h"

namespace resgen {

namespace {

enum class Mood { normal, distressed, solved };

constexpr int cell = 40;

void openEye(QPainter& painter, QPointF centre) {
    blob(painter, QRectF(centre - QPointF(2.5, 3), QSizeF(5, 6)), colour::outline);
}

void closedEye(QPainter& painter, QPointF centre) {
    frown(painter, QRectF(centre - QPointF(3.5, 1.5), QSizeF(7, 6)));
}

void cheeks(QPainter& painter, QRectF left, qreal gap) {
    blob(painter, left, colour::pink);
    blob(painter, left.translated(gap, 0), colour::pink);
}

void frogEye(QPainter& painter, QPointF centre) {
    outlinedEllipse(painter, QRectF(centre - QPointF(7, 7), QSizeF(14, 14)), colour::grassGreen);
    blob(painter, QRectF(centre - QPointF(4, 4), QSizeF(9, 9)), colour::white);
    blob(painter, QRectF(centre - QPointF(1.5, 1.5), QSizeF(4, 5)), colour::outline);
}

void frogTear(QPainter& painter, qreal x) {
    outlined(painter, drop(QRectF(x, 16, 6, 10)), colour::skyBlue, 1);
}

void drawFrog(QPainter& painter, Mood mood) {
    outlinedEllipse(painter, QRectF(3, 11, 34, 26), colour::grassGreen);
    const QPointF leftEye(11, 10), rightEye(29, 10);
    frogEye(painter, leftEye);
    frogEye(painter, rightEye);
    switch (mood) {
    case Mood::normal:
        cheeks(painter, QRectF(5, 24, 5, 3), 25);
        smile(painter, QRectF(8, 14, 24, 16));
        break;
    case Mood::distressed:
        frown(painter, QRectF(13, 26, 14, 10));
        frogTear(painter, 4);
        frogTear(painter, 30);
        break;
    case Mood::solved:
        cheeks(painter, QRectF(6, 24, 5, 3), 23);
        smile(painter, QRectF(14, 21, 12, 8));
        break;
    }
}

const QRectF girlFace(9, 10, 22, 26);

// Shoulder-length hair behind the face, and a fringe over the face's top with only its lower
// edge outlined, so no outline runs through the hair.
void girlHair(QPainter& painter) {
    QPainterPath back(QPointF(3, 34));
    back.cubicTo(-1, -1, 41, -1, 37, 34);
    back.closeSubpath();
    outlined(painter, back, colour::cherryRed);
    outlinedEllipse(painter, girlFace, colour::white);
    QPainterPath edge(QPointF(girlFace.left(), 19));
    edge.cubicTo(14, 14, 18, 15, 20, 13);
    edge.cubicTo(22, 16, 28, 15, girlFace.right(), 19);
    QPainterPath top = edge;
    top.lineTo(girlFace.right(), girlFace.top() - 2);
    top.lineTo(girlFace.left(), girlFace.top() - 2);
    QPainterPath face;
    face.addEllipse(girlFace.adjusted(-1, -1, 1, 1));
    filled(painter, face.intersected(top), colour::cherryRed);
    stroke(painter, edge, colour::outline, 2);
}

void girlBow(QPainter& painter) {
    outlinedPolygon(painter, {{29, 8}, {23, 3}, {23, 13}}, colour::pink, 1);
    outlinedPolygon(painter, {{29, 8}, {35, 3}, {35, 13}}, colour::pink, 1);
    outlinedEllipse(painter, QRectF(27, 6, 4, 4), colour::pink, 1);
}

void drawGirl(QPainter& painter, Mood mood) {
    girlHair(painter);
    girlBow(painter);
    const QPointF leftEye(15, 23), rightEye(25, 23);
    switch (mood) {
    case Mood::normal:
        openEye(painter, leftEye);
        openEye(painter, rightEye);
        cheeks(painter, QRectF(11, 27, 4, 3), 14);
        smile(painter, QRectF(15, 25, 10, 7));
        break;
    case Mood::distressed:
        openEye(painter, leftEye);
        openEye(painter, rightEye);
        strokeLine(painter, {12, 18}, {17, 20}, colour::outline, 2);
        strokeLine(painter, {28, 18}, {23, 20}, colour::outline, 2);
        frown(painter, QRectF(15, 30, 10, 6));
        break;
    case Mood::solved:
        closedEye(painter, leftEye);
        closedEye(painter, rightEye);
        cheeks(painter, QRectF(11, 27, 4, 3), 14);
        smile(painter, QRectF(14, 24, 12, 8));
        break;
    }
}

QImage faceSheet(void (*drawFace)(QPainter&, Mood)) {
    const std::pair<QPoint, Mood> cells[] = {
        {{0, 0}, Mood::normal}, {{cell, 0}, Mood::distressed}, {{0, cell}, Mood::solved}};
    QImage sheet = whiteImage(4 * cell, 2 * cell);
    QPainter painter(&sheet);
    makeCrisp(painter);
    // Clang 14 (the sanitizer and fuzz builds) cannot capture a structured binding.
    for (const auto& [origin, mood] : cells)
        drawInCell(painter, QRect(origin, QSize(cell, cell)),
                   [&, face = mood] { drawFace(painter, face); });
    return sheet;
}

} // namespace

void writeFaces(const QDir& out) {
    saveBmp(faceSheet(drawFrog), out.filePath("136.bmp"));
    saveBmp(faceSheet(drawGirl), out.filePath("140.bmp"));
}

} // namespace resgen
