// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/frame_window.h"

#include "platform/message_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace platform {
namespace {

constexpr int kHintMilliseconds = 5000;

QLabel* makeChildModeHint(QWidget& parent) {
    auto* hint = new QLabel(QString::fromUtf8("おうちの方へ：こどもモードを終わるには Ctrl+Alt+Q を"
                                              "2秒押し続けてください。\nタッチ画面では左上のすみを"
                                              "2秒押し続けてください。"),
                            &parent);
    hint->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 250, 205); color: black;"
                                       " border: 1px solid rgb(40, 40, 40); padding: 6px;"
                                       " font-size: 14px; }"));
    hint->adjustSize();
    hint->move(kLeaveCornerSize, kLeaveCornerSize / 4);
    hint->hide();
    return hint;
}

} // namespace

FrameWindow::FrameWindow(ViewHandler& handler)
    : view_(new View(handler, this)), lock_(*this, [this] { leaveChildMode(); }),
      hint_(makeChildModeHint(*this)) {
    setCentralWidget(view_);
    // Commands placed directly on the bar need Qt's own bar, not a desktop-wide one.
    menuBar()->setNativeMenuBar(false);
    setWindowIcon(QIcon(QStringLiteral(":/res/128-32.png")));
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMilliseconds);
    connect(&hintTimer_, &QTimer::timeout, hint_, &QWidget::hide);
}

void FrameWindow::setDocumentTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title) + QStringLiteral(" - ") +
                   QString::fromUtf8(kAppTitle));
}

void FrameWindow::fitClientArea(int width, int height) {
    QSize wanted(width, height + menuBar()->sizeHint().height());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        wanted = wanted.boundedTo(screen->availableSize());
    resize(wanted);
    view_->setBoardSize(QSize(width, height));
}

void FrameWindow::enterChildMode() {
    if (inChildMode())
        return;
    windowedState_ = windowState();
    windowedGeometry_ = geometry();
    lock_.engage();
    menuBar()->hide();
    // Sized first, so a first set-up is made at the screen's resolution; and without a window
    // manager nothing else makes the window cover the screen.
    setGeometry(screen()->geometry());
    showFullScreen();
    // Under X this also keeps the window manager's own keys (switching, closing) from a child.
    grabKeyboard();
    hint_->show();
    hint_->raise();
    hintTimer_.start();
}

void FrameWindow::leaveChildMode() {
    lock_.release();
    releaseKeyboard();
    hintTimer_.stop();
    hint_->hide();
    menuBar()->show();
    setWindowState(windowedState_);
    if (!(windowedState_ & Qt::WindowMaximized))
        setGeometry(windowedGeometry_);
    show();
}

void FrameWindow::installCommands(const std::vector<MenuItem>& menu,
                                  const std::vector<Accelerator>& keys,
                                  std::unique_ptr<CommandTarget> target) {
    commands_ = std::move(target);
    buildMenuBar(*menuBar(), menu, *commands_);
    addAccelerators(*this, keys, *commands_);
}

void FrameWindow::sendCommand(int id) {
    if (commands_)
        commands_->onCommand(id);
}

// In child mode a close request of the window manager (a close box, Alt+F4) is refused.
void FrameWindow::closeEvent(QCloseEvent* event) {
    if (inChildMode() || (canClose && !canClose()))
        event->ignore();
    else
        event->accept();
}

// A keyboard grab asked for before the window was on the screen fails under X: it is asked for
// again once the window is active.
void FrameWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && inChildMode())
        grabKeyboard();
    QMainWindow::changeEvent(event);
}

} // namespace platform
