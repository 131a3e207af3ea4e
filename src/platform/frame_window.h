// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// The main frame: a menu bar over the board view, captioned "<document title> - Torvex".
#include "platform/child_lock.h"
#include "platform/menu.h"
#include "platform/view.h"

#include <QMainWindow>
#include <QTimer>
#include <functional>
#include <memory>

namespace platform {

class FrameWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrameWindow(ViewHandler& handler);

    View& view() { return *view_; }
    void setDocumentTitle(const std::string& title);
    // Sizes the window so the board's whole extent shows, where the screen allows; the board
    // is shown scaled in a window down to half that size.
    void fitClientArea(int width, int height);

    // Child mode: full screen without the menu bar and above every other window, holding the
    // keyboard and the pointer; every key does nothing and closing is refused, until the
    // parent's hold brings the window back as it was.
    void enterChildMode();
    void leaveChildMode();
    bool inChildMode() const { return lock_.engaged(); }
    // The hint telling the parent how to leave, shown for the first seconds of child mode; it
    // exists from the first entry on.
    const QWidget& childModeHint() const { return *hint_; }
    // Told whenever child mode is entered (true) or left (false), whichever way.
    std::function<void(bool)> childModeChanged;

    // The menu bar and the accelerator keys; every command goes to `target`.
    void installCommands(const std::vector<MenuItem>& menu, const std::vector<Accelerator>& keys,
                         std::unique_ptr<CommandTarget> target);
    // Issues a command as a menu item or key would, also one no item offers.
    void sendCommand(int id);

    // Asked before the window closes; false keeps it open.
    std::function<bool()> canClose;

  protected:
    void closeEvent(QCloseEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void keepAbove(bool above);
    void holdTheScreen();
    void placeHint();

    View* view_;
    std::unique_ptr<CommandTarget> commands_;
    ChildLock lock_;
    QWidget* hint_ = nullptr;
    bool hintBesideBoard_ = false;
    QTimer hintTimer_;
    QTimer guard_;
    Qt::WindowStates windowedState_;
    QRect windowedPlace_; // the frame's top left corner and the window's size
};

} // namespace platform
