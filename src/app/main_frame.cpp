// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/main_frame.h"

#include "app/commands.h"

namespace app {

namespace {

using platform::menuCommand;
using platform::menuPopup;
using platform::menuSeparator;

platform::MenuItem fileMenu() {
    return menuPopup("ﾌｧｲﾙ(&F)",
                     {menuCommand("データ読込み(&O) \tCtrl+O", ID_FILE_OPEN),
                      menuCommand("漢字入力データに名前を付けて保存(&A)", ID_FILE_SAVE_AS),
                      menuCommand("漢字入力データの上書き保存(注意)(&S)\tCtrl+S", ID_FILE_SAVE),
                      menuSeparator(),
                      platform::menuRecentFiles("最近使ったﾌｧｲﾙ", ID_FILE_MRU_FILE1),
                      menuSeparator(), menuCommand("ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", ID_APP_EXIT)});
}

platform::MenuItem helpMenu() {
    return menuPopup("ﾍﾙﾌﾟ(&H)", {menuCommand("トルベの使い方。", ID_HELP_USAGE),
                                  menuCommand("Torvex のﾊﾞｰｼﾞｮﾝ情報(&A)...", ID_APP_ABOUT)});
}

platform::MenuItem settingsMenu() {
    return menuPopup(
        "　設定(&S)",
        {menuPopup("ふぉんと種類", {menuCommand("ＭＳ ゴシック", ID_FONT_GOTHIC),
                                    menuCommand("ＭＳ 明朝", ID_FONT_MINCHO)}),
         menuPopup("難易度", {menuCommand("一歳", ID_LEVEL_1), menuCommand("二歳", ID_LEVEL_2),
                              menuCommand("三歳", ID_LEVEL_3)}),
         menuCommand("きろくを消す", ID_CLEAR_PROGRESS),
         menuCommand("こどもモード", ID_CHILD_MODE)});
}

// 漢字入力, つぎへ and もどる sit on the bar itself and act at once; the blank item is never
// enabled, so its command is reached only when something issues it directly.
std::vector<platform::MenuItem> menuBar() {
    return {fileMenu(),      helpMenu(),
            menuSeparator(), menuCommand("　", ID_SHOW_PATH, true),
            menuSeparator(), menuCommand("漢字入力(&i)", ID_WORD_LIST),
            menuSeparator(), menuCommand("　つぎへ(&n)＞＞　", ID_NEXT_WORD),
            menuSeparator(), menuCommand("　＜＜もどる(&b)　", ID_PREV_WORD),
            menuSeparator(), settingsMenu(),
            menuSeparator()};
}

// A new document has no menu item: only Ctrl+N reaches it. The edit and pane keys have no
// handler and do nothing. No single key enters child mode: F11 must be held (the frame's lock).
std::vector<platform::Accelerator> accelerators() {
    return {{"Ctrl+N", ID_FILE_NEW},    {"Ctrl+O", ID_FILE_OPEN},        {"Ctrl+S", ID_FILE_SAVE},
            {"Ctrl+Z", ID_EDIT_UNDO},   {"Alt+Backspace", ID_EDIT_UNDO}, {"Ctrl+X", ID_EDIT_CUT},
            {"Shift+Del", ID_EDIT_CUT}, {"Ctrl+C", ID_EDIT_COPY},        {"Ctrl+Ins", ID_EDIT_COPY},
            {"Ctrl+V", ID_EDIT_PASTE},  {"Shift+Ins", ID_EDIT_PASTE},    {"F6", ID_NEXT_PANE},
            {"Shift+F6", ID_PREV_PANE}};
}

} // namespace

void BuildMainFrame(platform::FrameWindow& frame, platform::Document& document) {
    frame.installCommands(menuBar(), accelerators(),
                          std::make_unique<CommandTable>(frame, document));
}

} // namespace app
