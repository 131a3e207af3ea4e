#include "word_picture.h"

#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QImageWriter>
#include <QPainter>
#include <array>
#include <stdexcept>

namespace wordart {

namespace {

const QString kEmojiFamily = QStringLiteral("Noto Color Emoji");
const QColor kOutline{40, 40, 40};
const std::array<QColor, 9> kPalette{{{90, 180, 70},
                                      {150, 210, 90},
                                      {90, 170, 230},
                                      {255, 210, 60},
                                      {250, 150, 50},
                                      {225, 50, 50},
                                      {250, 160, 190},
                                      {150, 90, 180},
                                      {150, 100, 60}}};

// Three parts white to one part colour: soft enough that the emoji stands out against it.
QColor pastel(const QColor& colour) {
    auto soften = [](int channel) { return (3 * 255 + channel) / 4; };
    return QColor(soften(colour.red()), soften(colour.green()), soften(colour.blue()));
}

void drawFrame(QPainter& painter, const QColor& colour) {
    painter.setPen(QPen(kOutline, 4));
    painter.setBrush(pastel(colour));
    painter.drawRoundedRect(QRectF(6, 6, kPictureSize - 12, kPictureSize - 12), 36, 36);
    painter.setPen(QPen(colour, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(14, 14, kPictureSize - 28, kPictureSize - 28), 30, 30);
}

void drawEmoji(QPainter& painter, const QString& emoji) {
    QFont font(kEmojiFamily);
    font.setPixelSize(200);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kPictureSize, kPictureSize), Qt::AlignCenter, emoji);
}

} // namespace

void requireEmojiFont() {
    if (!QFontDatabase::families().contains(kEmojiFamily))
        throw std::runtime_error("the colour emoji font is not installed (fonts-noto-color-emoji)");
}

QImage drawWordPicture(const QString& emoji, int colourIndex) {
    QImage image(kPictureSize, kPictureSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    drawFrame(painter, kPalette[static_cast<std::size_t>(colourIndex) % kPalette.size()]);
    drawEmoji(painter, emoji);
    return image;
}

void saveBmp(const QImage& image, const QString& path) {
    // RGB888 is the format Qt writes as 24 bits per pixel with no alpha.
    QImageWriter writer(path, "bmp");
    if (!writer.write(image.convertToFormat(QImage::Format_RGB888)))
        throw std::runtime_error("cannot write " + path.toStdString() + ": " +
                                 writer.errorString().toStdString());
}

} // namespace wordart
