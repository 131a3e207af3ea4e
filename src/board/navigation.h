// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// つぎへ and もどる: move to the next or previous word with wrap-around and show a preview of it;
// the puzzle itself is set up at the next pointer move.
#include "gfx/surface.h"

void OnNext();
void OnBack();
// Shows the current word's preview and leaves its set-up to the next pointer move.
void PreviewCurrentWord();
// The grey guide kanji at 151 points and the reading in large letters.
void DrawPreview(gfx::Surface& screen);
