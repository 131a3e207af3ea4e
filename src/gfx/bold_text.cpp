// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/bold_text.h"

#include "gfx/fonts.h"

#include <QFont>
#include <QFontMetrics>
#include <map>

namespace gfx {
namespace {

int cellHeightAt(int pixelSize) {
    QFont font(QString::fromUtf8(kFacePMincho));
    font.setPixelSize(pixelSize);
    font.setBold(true);
    const QFontMetrics metrics(font);
    return metrics.ascent() + metrics.descent();
}

} // namespace

int boldPixelSizeForCellHeight(int height) {
    static std::map<int, int> known;
    if (height <= 1)
        return 1;
    if (auto it = known.find(height); it != known.end())
        return it->second;
    // The largest size whose cell is no taller than asked for.
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
