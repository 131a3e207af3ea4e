// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Any file in a word picture's place loads as a bitmap of bounded size or not at all, and is
// drawn as a solved word's picture is: its top-left 300 x 300 onto the window at (20, 380).
#include "fuzz_support.h"
#include "gfx/bitmap_set.h"

#include <QGuiApplication>
#include <QImage>
#include <memory>

namespace {

constexpr int kMaxPictureSide = 4096; // what the loader promises

std::shared_ptr<QImage> window;

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    window = std::make_shared<QImage>(945, 724, QImage::Format_RGB32);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzing::require;
    const gfx::BitmapPtr picture =
        gfx::loadBitmapFile(fuzzing::scratchFile(data, size, "picture.bmp"));
    if (picture) {
        require(!picture->isNull() && picture->format() == QImage::Format_RGB32,
                "a loaded picture is a 32-bit bitmap");
        require(picture->width() <= kMaxPictureSide && picture->height() <= kMaxPictureSide,
                "a loaded picture is of bounded size");
    }
    gfx::Surface screen(window);
    screen.bitBlt(20, 380, 300, 300, gfx::Surface(picture), 0, 0);
    return 0;
}
