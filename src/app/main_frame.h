// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main frame's menus, accelerators and command routing.
#include "platform/document.h"
#include "platform/frame_window.h"

namespace app {

void BuildMainFrame(platform::FrameWindow& frame, platform::Document& document);

} // namespace app
