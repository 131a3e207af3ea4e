// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commands.h"

#include "app/help_about.h"
#include "app/progress.h"
#include "app/settings_commands.h"
#include "board/navigation.h"
#include "platform/recent_files.h"
#include "wordlist/list_screen.h"

namespace app {

namespace {

// The list is read before the save question: saving under a new name reorders it.
void openRecentFile(platform::Document& document, std::size_t index) {
    const std::vector<std::string> files = platform::recentFiles();
    if (index >= files.size() || !document.saveModified())
        return;
    // A file that can no longer be opened leaves the list.
    if (!document.open(files[index]))
        platform::removeRecentFile(files[index]);
}

} // namespace

CommandTable::CommandTable(platform::FrameWindow& frame, platform::Document& document)
    : handlers_{{ID_HELP_USAGE, OnHelpUsage},   {ID_APP_ABOUT, OnAppAbout},
                {ID_SHOW_PATH, OnShowPath},     {ID_WORD_LIST, wordlist::OnWordList},
                {ID_NEXT_WORD, board::OnNext},  {ID_PREV_WORD, board::OnBack},
                {ID_FONT_GOTHIC, OnFontGothic}, {ID_FONT_MINCHO, OnFontMincho},
                {ID_LEVEL_1, OnLevel1},         {ID_LEVEL_2, OnLevel2},
                {ID_LEVEL_3, OnLevel3},         {ID_CLEAR_PROGRESS, OnClearProgress}},
      checkMarks_{{ID_FONT_GOTHIC, OnUpdateFontGothic},
                  {ID_FONT_MINCHO, OnUpdateFontMincho},
                  {ID_LEVEL_1, OnUpdateLevel1},
                  {ID_LEVEL_2, OnUpdateLevel2},
                  {ID_LEVEL_3, OnUpdateLevel3}} {
    addFileCommands(frame, document);
}

void CommandTable::addFileCommands(platform::FrameWindow& frame, platform::Document& document) {
    handlers_[ID_FILE_NEW] = [&document] { document.newDocument(); };
    handlers_[ID_FILE_OPEN] = [&document] { document.openWithDialog(); };
    handlers_[ID_FILE_SAVE] = [&document] { document.save(); };
    handlers_[ID_FILE_SAVE_AS] = [&document] { document.saveAs(); };
    // Closing the frame asks about unsaved changes, as the close box does.
    handlers_[ID_APP_EXIT] = [&frame] { frame.close(); };
    handlers_[ID_CHILD_MODE] = [&frame] { frame.enterChildMode(); };
    for (int i = 0; i < platform::kRecentFileCount; ++i)
        handlers_[ID_FILE_MRU_FILE1 + i] = [&document, i] { openRecentFile(document, i); };
}

void CommandTable::onCommand(int id) {
    if (const auto handler = handlers_.find(id); handler != handlers_.end())
        handler->second();
}

bool CommandTable::hasHandler(int id) const {
    return handlers_.contains(id);
}

std::optional<bool> CommandTable::checkState(int id) const {
    if (const auto mark = checkMarks_.find(id); mark != checkMarks_.end())
        return mark->second();
    return std::nullopt;
}

} // namespace app
