// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The frame's menus and the platform's dialogs as the shell tests drive them: actions found by
// command id, popups opened so their items are brought up to date, and scripted file dialogs,
// save questions and desktop opens.
#include "platform/file_dialogs.h"
#include "platform/frame_window.h"
#include "platform/menu.h"
#include "platform/recent_files.h"
#include "platform/shell_open.h"
#include "support/test_support.h"

#include <QAction>
#include <QMenu>
#include <deque>

namespace testing_support {

struct FoundAction {
    QMenu* popup = nullptr; // null for an item on the bar itself
    QAction* action = nullptr;
};

// The visible item issuing `id`, searched through the bar and every popup below it.
inline FoundAction findCommand(const QWidget& container, int id, QMenu* popup = nullptr) {
    for (QAction* action : container.actions()) {
        if (QMenu* sub = action->menu()) {
            if (FoundAction found = findCommand(*sub, id, sub); found.action)
                return found;
        } else if (action->isVisible() && !action->isSeparator() &&
                   platform::commandIdOf(*action) == id) {
            return {popup, action};
        }
    }
    return {};
}

inline FoundAction findCommand(platform::FrameWindow& frame, int id) {
    return findCommand(*frame.menuBar(), id);
}

// Opens and closes a popup, as the user's look at it does: its items are updated on the way.
// The offscreen platform leaves the closed popup the active window; the window that was
// active gets its keys back, as on a desktop.
inline void lookAt(QMenu& popup) {
    QWidget* active = QApplication::activeWindow();
    popup.popup(QPoint(0, 0));
    popup.hide();
    QApplication::processEvents();
    if (active) {
        active->activateWindow();
        QApplication::processEvents();
    }
}

// Chooses the item of `id` as the user does: every popup is opened first (the recent files
// exist only once the File popup was opened), then the item is triggered.
inline void choose(platform::FrameWindow& frame, int id) {
    for (QMenu* popup : frame.menuBar()->findChildren<QMenu*>())
        lookAt(*popup);
    findCommand(frame, id).action->trigger();
}

inline void clearRecentFiles() {
    for (const std::string& path : platform::recentFiles())
        platform::removeRecentFile(path);
}

// File dialogs answered from a queue (an empty string or none cancels); every question is
// recorded.
class FileDialogScript {
  public:
    explicit FileDialogScript(std::deque<std::string> answers = {}) : answers_(std::move(answers)) {
        platform::setFileDialogHook([this](platform::FileDialogKind kind, const std::string&) {
            kinds.push_back(kind);
            const std::string answer = answers_.empty() ? "" : answers_.front();
            if (!answers_.empty())
                answers_.pop_front();
            return answer.empty() ? std::nullopt : std::optional(answer);
        });
    }
    ~FileDialogScript() { failOnUnexpectedFileDialogs(); }
    std::vector<platform::FileDialogKind> kinds;

  private:
    std::deque<std::string> answers_;
};

// The save-changes question, always answered the same way; counts how often it was asked.
class SaveQuestionScript {
  public:
    explicit SaveQuestionScript(platform::SaveAnswer answer) {
        platform::setSaveQuestionHook([this, answer](const std::string&) {
            ++asked;
            return answer;
        });
    }
    ~SaveQuestionScript() { failOnUnexpectedFileDialogs(); }
    int asked = 0;
};

// Paths handed to the desktop to open, recorded instead of opened; `opens` tells whether the
// desktop had a program for them.
class ShellOpenRecorder {
  public:
    explicit ShellOpenRecorder(bool opens = true) {
        platform::setShellOpenHook([this, opens](const std::string& path) {
            paths.push_back(path);
            return opens;
        });
    }
    ~ShellOpenRecorder() { platform::setShellOpenHook({}); }
    std::vector<std::string> paths;
};

} // namespace testing_support
