// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "canvas.h"

#include <QFont>
#include <QFontInfo>
#include <QImageWriter>
#include <QTransform>
#include <algorithm>
#include <stdexcept>

namespace resgen {

QImage whiteImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour::white);
    return image;
}

void makeCrisp(QPainter& painter) {
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
}

void saveBmp(const QImage& image, const QString& path) {
    // RGB888 is the format Qt writes as 24 bits per pixel with no alpha.
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

// The build must not depend on whatever font fontconfig happens to substitute.
static QFont boldSans() {
    QFont font("DejaVu Sans");
    font.setBold(true);
    font.setPixelSize(100);
    if (QFontInfo(font).family() != "DejaVu Sans")
        throw std::runtime_error("DejaVu Sans Bold is not installed (fonts-dejavu-core)");
    return font;
}

QPainterPath textInBox(const QString& text, const QRectF& box) {
    QPainterPath path;
    path.addText(0, 0, boldSans(), text);
    const QRectF ink = path.boundingRect();
    const qreal scale = std::min(box.width() / ink.width(), box.height() / ink.height());
    QTransform fit;
    fit.translate(box.center().x(), box.center().y());
    fit.scale(scale, scale);
    fit.translate(-ink.center().x(), -ink.center().y());
    return fit.map(path);
}

} // namespace resgen
