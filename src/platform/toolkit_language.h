// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Qt's own texts (file dialogs, the buttons of message boxes and of the save question) in
// Japanese like the rest of the game, whatever the desktop's language.

namespace platform {

// Loads Qt's Japanese translations; false when they are not installed (the texts stay English).
bool loadToolkitTranslations();

} // namespace platform
