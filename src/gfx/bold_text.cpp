// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/bold_text.h"

#include "gfx/fonts.h"

#include <QFont>
#include <QRawFont>
#include <map>

namespace gfx {

// The largest size whose cell is no taller than asked for. Sizes are tried on one face scaled
// afresh, not loaded anew: each size Qt loads is a font match of half a millisecond, and the search
// tries up to four before the first board is drawn.
int boldPixelSizeForCellHeight(int height) {
    static std::map<int, int> known;
    if (height <= 1)
        return 1;
    if (auto it = known.find(height); it != known.end())
        return it->second;
    QFont font(QString::fromUtf8(kFacePMincho));
    font.setPixelSize(height);
    font.setBold(true);
    QRawFont face = QRawFont::fromFont(font);
    const auto cellHeightAt = [&face](int pixelSize) {
        face.setPixelSize(pixelSize);
        return qRound(face.ascent()) + qRound(face.descent());
    };
    int size = height;
    while (size > 1 && cellHeightAt(size) > height)
        --size;
    known.emplace(height, size);
    return size;
}

void DrawBoldText(Surface& surface, int x, int y, int height, Rgb colour, std::string_view text) {
    const Font previous =
        surface.selectFont(Font{kFacePMincho, boldPixelSizeForCellHeight(height), true, false});
    surface.setTransparent(true);
    surface.setTextColour(colour);
    surface.textOut(x, y, text);
    surface.selectFont(previous);
}

} // namespace gfx
