// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The frame's menu bar and accelerator keys, described as plain data by the program and built
// into Qt widgets here. Every item and key issues a command id to one command target.
#include <optional>
#include <string>
#include <vector>

class QAction;
class QMenuBar;
class QWidget;

namespace platform {

enum class MenuItemKind { Command, Popup, Separator, RecentFiles };

// Texts are UTF-8: "&" marks the mnemonic, and in popups "\t" starts the key shown at the right.
struct MenuItem {
    MenuItemKind kind = MenuItemKind::Command;
    std::string text;
    int id = 0; // RecentFiles: the id of the first file; the others follow it
    bool greyed = false;
    std::vector<MenuItem> children; // Popup only
};

MenuItem menuCommand(std::string text, int id, bool greyed = false);
MenuItem menuPopup(std::string text, std::vector<MenuItem> children);
MenuItem menuSeparator();
// Stands greyed while no file has been used; otherwise the files take its place.
MenuItem menuRecentFiles(std::string placeholder, int firstId);

// Keys in Qt's portable text form ("Ctrl+N", "Shift+Ins", "F6").
struct Accelerator {
    std::string keys;
    int id = 0;
};

class CommandTarget {
  public:
    virtual ~CommandTarget() = default;
    // Commands without a handler do nothing.
    virtual void onCommand(int id) = 0;
    virtual bool hasHandler(int id) const = 0;
    // The check mark the command's item should show, or nothing when it has no update handler.
    virtual std::optional<bool> checkState(int id) const = 0;
};

// Commands placed directly on the bar keep the state given here. Items inside a popup are
// brought up to date each time their popup is about to show: enabled when they have a handler,
// checked as the target says, and the recently-used files listed.
void buildMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items, CommandTarget& target);
void addAccelerators(QWidget& window, const std::vector<Accelerator>& keys, CommandTarget& target);

// The command id a menu action issues, or 0 for separators and popups.
int commandIdOf(const QAction& action);

} // namespace platform
