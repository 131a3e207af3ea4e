// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QDir>

namespace resgen {

// Each family of built-in resources is written into out under its resource number.
void writeTextures(const QDir& out);
void writeFaces(const QDir& out);
void writeBadge(const QDir& out);
void writeDigits(const QDir& out);
void writeFlyers(const QDir& out);
void writeNextButton(const QDir& out);
void writeIcons(const QDir& out);
void writeChime(const QDir& out);

// Reads the written resources back and checks the rules the game relies on; throws
// std::runtime_error naming the first broken one.
void checkWritten(const QDir& out);

} // namespace resgen
