#pragma once

#include <QImage>
#include <QString>

namespace wordart {

// The game shows 300 by 300 pixels of a word's picture.
inline constexpr int kPictureSize = 300;

// Fails early when the colour emoji font is missing: fontconfig would otherwise substitute a
// monochrome face and the pictures would come out as outlines. Throws std::runtime_error.
void requireEmojiFont();

// The emoji drawn large and centred on a soft tint of a palette colour inside a rounded frame;
// `colourIndex` picks the colour, so neighbouring words in the list look different.
QImage drawWordPicture(const QString& emoji, int colourIndex);

// Writes a 24-bit Windows bitmap. Throws std::runtime_error when the file cannot be written.
void saveBmp(const QImage& image, const QString& path);

} // namespace wordart
