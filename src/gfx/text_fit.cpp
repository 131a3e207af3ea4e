// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "gfx/text_fit.h"

namespace gfx {
namespace {
bool isLeadByte(unsigned char b) {
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}
} // namespace

std::string_view visiblePrefix(std::string_view sjis, int room) {
    size_t pos = 0;
    for (int chars = 0; chars < room && pos < sjis.size(); ++chars)
        pos += isLeadByte(static_cast<unsigned char>(sjis[pos])) ? 2 : 1;
    return sjis.substr(0, pos);
}

} // namespace gfx
