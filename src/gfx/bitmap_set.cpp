#include "gfx/bitmap_set.h"

#include <QImage>
#include <QImageReader>
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

} // namespace

std::array<BitmapPtr, 8>& bitmapSlots() {
    static std::array<BitmapPtr, 8> holders;
    return holders;
}

// Each built-in bitmap is decoded once; callers get their own copy to draw on.
BitmapPtr loadResourceBitmap(int id) {
    static std::map<int, BitmapPtr> decoded;
    auto [it, fresh] = decoded.try_emplace(id);
    if (fresh)
        it->second = toBitmap(QImage(QStringLiteral(":/res/%1.bmp").arg(id)));
    return it->second ? std::make_shared<QImage>(it->second->copy()) : nullptr;
}

void LoadBitmapSet() {
    auto& holders = bitmapSlots();
    for (int slot : {kSheetSlot, kFrogSlot, kGirlSlot, kDigitSlot})
        holders[slot].reset();
    holders[kFrogSlot] = loadResourceBitmap(kFrogFaces);
    holders[kGirlSlot] = loadResourceBitmap(kGirlFaces);
    holders[kDigitSlot] = loadResourceBitmap(kDigitStrip);
    holders[kFlyerSlot] = loadResourceBitmap(kFlyerStrip);
    holders[kNextSlot] = loadResourceBitmap(kNextButton);
}

BitmapPtr loadBitmapFile(const std::string& utf8Path) {
    QImageReader reader(QString::fromStdString(utf8Path), "bmp");
    reader.setDecideFormatFromContent(false);
    reader.setAllocationLimit(kMaxPictureSide * kMaxPictureSide * 4 / (1024 * 1024));
    const QSize size = reader.size();
    if (!reader.canRead() || !size.isValid() || size.width() > kMaxPictureSide ||
        size.height() > kMaxPictureSide)
        return nullptr;
    return toBitmap(reader.read());
}

} // namespace gfx
