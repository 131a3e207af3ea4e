// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gfx/word_picture.h"

#include <QColor>
#include <QFont>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <array>
#include <optional>

namespace gfx {
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
constexpr char32_t kEmojiPresentation = 0xFE0F;

// Three parts white to one part colour: soft enough that the emoji stands out against it.
QColor pastel(const QColor& colour) {
    auto soften = [](int channel) { return (3 * 255 + channel) / 4; };
    return QColor(soften(colour.red()), soften(colour.green()), soften(colour.blue()));
}

void drawFrame(QPainter& painter, const QColor& colour) {
    constexpr int size = kWordPictureSize;
    painter.setPen(QPen(kOutline, 4));
    painter.setBrush(pastel(colour));
    painter.drawRoundedRect(QRectF(6, 6, size - 12, size - 12), 36, 36);
    painter.setPen(QPen(colour, 8));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(14, 14, size - 28, size - 28), 30, 30);
}

QFont emojiFont() {
    QFont font(kEmojiFamily);
    font.setPixelSize(200);
    return font;
}

// The emoji's text, asking for its colour form: the annotations leave out U+FE0F, and ☀ or ✈
// alone are text characters.
std::optional<QString> emojiText(std::string_view utf8Emoji, const QFont& font) {
    const QString text =
        QString::fromUtf8(utf8Emoji.data(), static_cast<qsizetype>(utf8Emoji.size()));
    const QList<uint> characters = text.toUcs4();
    if (characters.isEmpty() || QFontInfo(font).family() != kEmojiFamily ||
        !QFontMetrics(font).inFontUcs4(characters.front()))
        return std::nullopt;
    if (characters.size() == 1)
        return text + QString::fromUcs4(&kEmojiPresentation, 1);
    return text;
}

} // namespace

BitmapPtr drawEmojiPicture(std::string_view utf8Emoji, int colourIndex) {
    const QFont font = emojiFont();
    const std::optional<QString> text = emojiText(utf8Emoji, font);
    if (!text)
        return nullptr;
    auto image = std::make_shared<QImage>(kWordPictureSize, kWordPictureSize, QImage::Format_RGB32);
    image->fill(Qt::white);
    QPainter painter(image.get());
    painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    drawFrame(painter, kPalette[static_cast<std::size_t>(colourIndex) % kPalette.size()]);
    painter.setFont(font);
    painter.drawText(QRect(0, 0, kWordPictureSize, kWordPictureSize), Qt::AlignCenter, *text);
    return image;
}

} // namespace gfx
