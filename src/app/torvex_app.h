// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The application: start-up, the one document, frame and view, and the message loop.
#include "app/board_player.h"
#include "board/torvex_view.h"
#include "platform/document.h"
#include "platform/frame_window.h"
#include "rewards/rewards.h"
#include "wordlist/torvex_doc.h"

#include <memory>
#include <string>

namespace app {

class CTorvexApp {
  public:
    CTorvexApp();
    ~CTorvexApp();
    // Makes the document, frame and view, opens the file named on the command line (if any)
    // and shows the board, in child mode with the option --child anywhere on the line. False
    // when the program should end at once.
    bool InitInstance(const std::vector<std::string>& arguments);

    platform::FrameWindow& frame() { return *frame_; }
    platform::Document& document() { return document_; }

  private:
    void updateCaption();

    BoardPlayer player_;
    rewards::Rewards rewards_;
    wordlist::CTorvexDoc content_;
    platform::Document document_;
    board::CTorvexView viewHandler_;
    std::unique_ptr<platform::FrameWindow> frame_;
};

// Sets up Qt (fonts, settings names) for the game; used by the program and by its tests.
void InitialiseToolkit();

} // namespace app
