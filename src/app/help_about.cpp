// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/help_about.h"

#include "board/puzzle_state.h"
#include "platform/about_dialog.h"
#include "platform/help_window.h"
#include "platform/message_box.h"
#include "platform/paths.h"

#include <filesystem>

namespace app {

// The page beside the program's content in the folder of start-up, whatever the current folder
// is by now. Without a word the command would seem to do nothing: say which file could not be
// shown.
void OnHelpUsage() {
    const std::string path =
        (std::filesystem::path(board::thePuzzle.workingDirectory) / "読んでね。.html").string();
    if (!platform::showHelpPage(path))
        platform::messageBox("説明書が見つからないか、読めません。\n" + path);
}

// The voice, the emoji and their names come from other projects, credited under their licences.
void OnAppAbout() {
    platform::runAboutBox({"Torvexのﾊﾞｰｼﾞｮﾝ情報", ":/res/128-32.png",
                           "Torvex Version 1.0\n\n"
                           "読み上げ: eSpeak NG (GPL-3.0-or-later)\n"
                           "絵文字: Noto Color Emoji (SIL Open Font License 1.1)\n"
                           "絵文字の名前: Unicode CLDR (Unicode License)"});
}

void OnShowPath() {
    platform::messageBox(" トルベのパスは、" + platform::programFilePath() + "　です。　 ");
}

} // namespace app
