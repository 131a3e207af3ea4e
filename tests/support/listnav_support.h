#pragma once
// Pixel searches over the board window, for the tests of navigation and the list screen.
#include "gfx/colour.h"

#include <QImage>
#include <QRect>
#include <functional>
#include <optional>

namespace testing_support {

using PixelTest = std::function<bool(gfx::Rgb)>;

inline PixelTest exactly(gfx::Rgb colour) {
    return [colour](gfx::Rgb c) { return c == colour; };
}
inline bool notWhite(gfx::Rgb c) {
    return c != gfx::kWindowColour;
}
// Red text, antialiased or not; grey or black text never passes.
inline bool reddish(gfx::Rgb c) {
    const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
    return r > 150 && g < r - 80 && b < r - 80;
}

// The smallest rectangle holding every pixel of `area` that passes the test.
inline std::optional<QRect> inkBounds(const QImage& image, const QRect& area,
                                      const PixelTest& test) {
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y) & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

inline bool anyPixel(const QImage& image, const QRect& area, const PixelTest& test) {
    return inkBounds(image, area, test).has_value();
}

} // namespace testing_support
