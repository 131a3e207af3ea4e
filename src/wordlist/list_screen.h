// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// 漢字入力: the list of all 50 words drawn on the board, with the entry editor over it.

namespace wordlist {

void OnWordList();

} // namespace wordlist
