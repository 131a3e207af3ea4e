// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/bitmap_set.h"

#include "platform/view.h"

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <filesystem>
#include <map>

namespace gfx {
namespace {

// Far above any picture a word needs (300 x 300 are shown), far below what could exhaust memory.
constexpr int kMaxPictureSide = 4096;

BitmapPtr toBitmap(QImage image) {
    if (image.isNull())
        return nullptr;
    return std::make_shared<QImage>(image.convertToFormat(QImage::Format_RGB32));
}

// Qt's reader hands back a whole image for a file cut short in its pixels, the missing rows
// uninitialised; so an uncompressed bitmap must hold every row its header promises.
bool holdsAllItsPixels(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QByteArray header = file.read(54);
    const auto field = [&](int offset, int bytes) {
        qint64 value = 0;
        for (int i = bytes - 1; i >= 0; --i)
            value = value * 256 + static_cast<unsigned char>(header[offset + i]);
        return value;
    };
    if (header.size() < 54 || field(14, 4) < 40)
        return true; // not a Windows bitmap header: the reader judges it
    const qint64 compression = field(30, 4);
    if (compression != 0 && compression != 3)
        return true; // compressed rows have no fixed length
    const qint64 width = static_cast<qint32>(field(18, 4));
    const qint64 height = static_cast<qint32>(field(22, 4));
    const qint64 stride = (std::abs(width) * field(28, 2) + 31) / 32 * 4;
    return file.size() >= field(10, 4) + stride * std::abs(height);
}

} // namespace

std::array<BitmapPtr, kGirlSlot + 1>& bitmapSlots() {
    static std::array<BitmapPtr, kGirlSlot + 1> holders;
    return holders;
}

BitmapPtr decodeResourceBitmap(int id) {
    return toBitmap(QImage(QStringLiteral(":/res/%1.bmp").arg(id)));
}

// Callers get their own image sharing the decoded pixels until one of them draws on it (QImage
// copies on write), so none costs memory it does not use.
BitmapPtr loadResourceBitmap(int id) {
    static std::map<int, BitmapPtr> decoded;
    auto [it, fresh] = decoded.try_emplace(id);
    if (fresh)
        it->second = decodeResourceBitmap(id);
    return it->second ? std::make_shared<QImage>(*it->second) : nullptr;
}

BitmapPtr atWindowResolution(BitmapPtr bitmap) {
    if (!bitmap || platform::windowRatio() == bitmap->devicePixelRatio())
        return bitmap;
    auto scaled = std::make_shared<QImage>(platform::imageLikeWindow(bitmap->size()));
    QPainter painter(scaled.get());
    painter.drawImage(QRect(QPoint(), bitmap->size()), *bitmap);
    return scaled;
}

void LoadBitmapSet() {
    auto& holders = bitmapSlots();
    for (int slot : {kSheetSlot, kFrogSlot, kGirlSlot})
        holders[slot].reset();
    holders[kFrogSlot] = loadResourceBitmap(kFrogFaces);
    holders[kGirlSlot] = loadResourceBitmap(kGirlFaces);
}

BitmapPtr loadBitmapFile(const std::string& utf8Path) {
    // Only a regular file is opened: a named pipe would hold the game until someone wrote to it.
    std::error_code error;
    if (!std::filesystem::is_regular_file(utf8Path, error))
        return nullptr;
    // Only the bitmap decoder reads it: another format's decoder may deliver a larger picture
    // than the size its header gave.
    QImageReader reader(QString::fromStdString(utf8Path), "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAutoDetectImageFormat(false);
    reader.setAllocationLimit(kMaxPictureSide * kMaxPictureSide * 4 / (1024 * 1024));
    // A bitmap stored top down reports a negative height.
    const QSize size = reader.size();
    const qint64 width = size.width();
    const qint64 height = std::abs(qint64{size.height()});
    if (!reader.canRead() || width <= 0 || height <= 0 || width > kMaxPictureSide ||
        height > kMaxPictureSide || !holdsAllItsPixels(reader.fileName()))
        return nullptr;
    return toBitmap(reader.read());
}

} // namespace gfx
