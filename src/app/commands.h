// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The command ids of the menus and keys, and the command table that routes each to its handler.
#include "platform/document.h"
#include "platform/frame_window.h"
#include "platform/menu.h"

#include <functional>
#include <map>

namespace app {

// The program's own commands.
inline constexpr int ID_SHOW_PATH = 32771;
inline constexpr int ID_WORD_LIST = 32772;
inline constexpr int ID_NEXT_WORD = 32774;
inline constexpr int ID_PREV_WORD = 32778;
inline constexpr int ID_FONT_GOTHIC = 32779;
inline constexpr int ID_FONT_MINCHO = 32780;
inline constexpr int ID_LEVEL_1 = 32781;
inline constexpr int ID_LEVEL_2 = 32782;
inline constexpr int ID_LEVEL_3 = 32783;
inline constexpr int ID_HELP_USAGE = 32784;
inline constexpr int ID_CHILD_MODE = 32785;
inline constexpr int ID_CLEAR_PROGRESS = 32786;

// The framework's commands, with the framework's numbers.
inline constexpr int ID_FILE_NEW = 57600;
inline constexpr int ID_FILE_OPEN = 57601;
inline constexpr int ID_FILE_SAVE = 57603;
inline constexpr int ID_FILE_SAVE_AS = 57604;
inline constexpr int ID_FILE_MRU_FILE1 = 57616;
inline constexpr int ID_EDIT_CUT = 57635;
inline constexpr int ID_EDIT_COPY = 57634;
inline constexpr int ID_EDIT_PASTE = 57637;
inline constexpr int ID_EDIT_UNDO = 57643;
inline constexpr int ID_APP_ABOUT = 57664;
inline constexpr int ID_APP_EXIT = 57665;
inline constexpr int ID_NEXT_PANE = 57680;
inline constexpr int ID_PREV_PANE = 57681;

// Each command has at most one handler; a command without one does nothing.
class CommandTable : public platform::CommandTarget {
  public:
    CommandTable(platform::FrameWindow& frame, platform::Document& document);

    void onCommand(int id) override;
    bool hasHandler(int id) const override;
    std::optional<bool> checkState(int id) const override;

  private:
    void addFileCommands(platform::FrameWindow& frame, platform::Document& document);

    std::map<int, std::function<void()>> handlers_;
    std::map<int, std::function<bool()>> checkMarks_;
};

} // namespace app
