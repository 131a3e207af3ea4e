// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/menu.h"

#include "platform/recent_files.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QShortcut>
#include <memory>

namespace platform {
namespace {

// What a popup brings up to date before it shows.
struct PopupItems {
    std::vector<QAction*> commands;
    QAction* recentPlaceholder = nullptr;
    int recentFirstId = 0;
    std::vector<QAction*> recentFiles;
};

QString qtText(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

QAction* commandAction(QWidget& container, const QString& text, int id, CommandTarget& target) {
    auto* action = new QAction(text, &container);
    action->setData(id);
    QObject::connect(action, &QAction::triggered, [&target, id] { target.onCommand(id); });
    return action;
}

// "&1 /home/a/words.txt": numbered for the keyboard, an "&" of the path shown as itself.
QString recentFileText(size_t index, const std::string& path) {
    return QStringLiteral("&%1 %2").arg(QString::number(index + 1),
                                        qtText(path).replace(u'&', QStringLiteral("&&")));
}

void listRecentFiles(QMenu& menu, PopupItems& items, CommandTarget& target) {
    for (QAction* old : items.recentFiles)
        delete old;
    items.recentFiles.clear();
    const std::vector<std::string> files = recentFiles();
    items.recentPlaceholder->setVisible(files.empty());
    for (size_t i = 0; i < files.size(); ++i) {
        QAction* file = commandAction(menu, recentFileText(i, files[i]),
                                      items.recentFirstId + static_cast<int>(i), target);
        menu.insertAction(items.recentPlaceholder, file);
        items.recentFiles.push_back(file);
    }
}

// A checkable QAction toggles itself when triggered, so the mark is always set from the target.
void updateCommand(QAction& action, const CommandTarget& target) {
    const int id = commandIdOf(action);
    action.setEnabled(target.hasHandler(id));
    const std::optional<bool> check = target.checkState(id);
    action.setCheckable(check.has_value());
    action.setChecked(check.value_or(false));
}

void updatePopup(QMenu& menu, PopupItems& items, CommandTarget& target) {
    for (QAction* action : items.commands)
        updateCommand(*action, target);
    if (items.recentPlaceholder)
        listRecentFiles(menu, items, target);
}

void addItem(QWidget& container, const MenuItem& item, CommandTarget& target, PopupItems* popup);

QMenu* buildPopup(QWidget& parent, const MenuItem& item, CommandTarget& target) {
    auto* menu = new QMenu(qtText(item.text), &parent);
    auto items = std::make_shared<PopupItems>();
    for (const MenuItem& child : item.children)
        addItem(*menu, child, target, items.get());
    QObject::connect(menu, &QMenu::aboutToShow,
                     [menu, items, &target] { updatePopup(*menu, *items, target); });
    return menu;
}

QAction* separator(QWidget& container) {
    auto* action = new QAction(&container);
    action->setSeparator(true);
    return action;
}

// `popup` is the popup being built, or null for the bar itself.
void addItem(QWidget& container, const MenuItem& item, CommandTarget& target, PopupItems* popup) {
    if (item.kind == MenuItemKind::Separator) {
        container.addAction(separator(container));
        return;
    }
    if (item.kind == MenuItemKind::Popup) {
        container.addAction(buildPopup(container, item, target)->menuAction());
        return;
    }
    QAction* action = commandAction(container, qtText(item.text), item.id, target);
    action->setEnabled(!item.greyed);
    container.addAction(action);
    if (popup && item.kind == MenuItemKind::RecentFiles) {
        popup->recentPlaceholder = action;
        popup->recentFirstId = item.id;
    } else if (popup) {
        popup->commands.push_back(action);
    }
}

} // namespace

MenuItem menuCommand(std::string text, int id, bool greyed) {
    return {MenuItemKind::Command, std::move(text), id, greyed, {}};
}

MenuItem menuPopup(std::string text, std::vector<MenuItem> children) {
    return {MenuItemKind::Popup, std::move(text), 0, false, std::move(children)};
}

MenuItem menuSeparator() {
    return {MenuItemKind::Separator, {}, 0, false, {}};
}

MenuItem menuRecentFiles(std::string placeholder, int firstId) {
    return {MenuItemKind::RecentFiles, std::move(placeholder), firstId, true, {}};
}

void buildMenuBar(QMenuBar& bar, const std::vector<MenuItem>& items, CommandTarget& target) {
    for (const MenuItem& item : items)
        addItem(bar, item, target, nullptr);
}

void addAccelerators(QWidget& window, const std::vector<Accelerator>& keys, CommandTarget& target) {
    for (const Accelerator& key : keys) {
        auto* shortcut = new QShortcut(QKeySequence(qtText(key.keys)), &window);
        QObject::connect(shortcut, &QShortcut::activated,
                         [&target, id = key.id] { target.onCommand(id); });
    }
}

int commandIdOf(const QAction& action) {
    return action.data().toInt();
}

} // namespace platform
