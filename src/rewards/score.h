// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include "gfx/surface.h"

namespace rewards {

// How many words of the list have been solved.
int SolvedWordCount();

// The number of solved words in picture digits, "正解数:" before and "／５０" after; the tens
// picture only from ten words on.
void DrawScore(gfx::Surface& window);

} // namespace rewards
