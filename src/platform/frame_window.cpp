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
#include <QStyle>
#include <QWindow>
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <xcb/xcb.h>

namespace platform {
namespace {

constexpr int kHintMilliseconds = 5000;
// How often child mode takes back the top of the stack, the focus and the grabs, in case the
// window manager, a desktop switch or another program's window took them.
constexpr int kGuardMilliseconds = 500;
// The hint sits in the margin beside the scaled board when that is at least this wide.
constexpr int kHintMarginWidth = 180;
constexpr int kHintGap = 8;

QLabel* makeChildModeHint(QWidget& parent) {
    auto* hint = new QLabel(QString::fromUtf8("おうちの方へ：こどもモードを終わるには Ctrl+Alt+Q を"
                                              "2秒押し続けてください。タッチ画面では、画面の左上と"
                                              "右下のすみを2本の指で同時に3秒押し続けてください。"),
                            &parent);
    hint->setStyleSheet(QStringLiteral("QLabel { background: rgb(255, 250, 205); color: black;"
                                       " border: 1px solid rgb(40, 40, 40); padding: 6px;"
                                       " font-size: 14px; }"));
    hint->setWordWrap(true);
    // Clicks and taps go through it to the board.
    hint->setAttribute(Qt::WA_TransparentForMouseEvents);
    hint->hide();
    return hint;
}

// GNOME's compositor lets an XWayland window grab the keyboard only when the window asks for it
// (and the setting xwayland-allow-grabs is on): the window carries the request as a property and
// sends it to the root window as a message. On a plain X server nobody reads either.
void askXWaylandForGrabs(WId window) {
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection)
        return;
    static constexpr char name[] = "_XWAYLAND_MAY_GRAB_KEYBOARD";
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, sizeof name - 1, name), nullptr);
    if (!atom)
        return;
    const std::uint32_t yes = 1;
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, xcb_window_t(window), atom->atom,
                        XCB_ATOM_CARDINAL, 32, 1, &yes);
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = xcb_window_t(window);
    message.type = atom->atom;
    message.data.data32[0] = yes;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);
    std::free(atom);
}

} // namespace

FrameWindow::FrameWindow(ViewHandler& handler)
    : view_(new View(handler, this)),
      lock_(
          *this, [this] { enterChildMode(); }, [this] { leaveChildMode(); }) {
    setCentralWidget(view_);
    view_->installEventFilter(this);
    // Commands placed directly on the bar need Qt's own bar, not a desktop-wide one.
    menuBar()->setNativeMenuBar(false);
    setWindowIcon(QIcon(QStringLiteral(":/res/128-32.png")));
    hintTimer_.setSingleShot(true);
    hintTimer_.setInterval(kHintMilliseconds);
    guard_.setInterval(kGuardMilliseconds);
    connect(&guard_, &QTimer::timeout, this, &FrameWindow::holdTheScreen);
}

// Qt shows "[*]" as an asterisk while the window is marked modified, and as nothing otherwise.
void FrameWindow::setDocumentTitle(const std::string& title) {
    setWindowTitle(QString::fromStdString(title) + QStringLiteral("[*] - ") +
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
    // Made at the first entry, not with the window: a styled label loads a style sheet and a
    // font that the first board does not need.
    if (!hint_) {
        hint_ = makeChildModeHint(*this);
        connect(&hintTimer_, &QTimer::timeout, hint_, &QWidget::hide);
    }
    // A window never shown (child mode from the start) comes back at its first size, centred,
    // with its frame's top left corner on the screen.
    const QRect available = screen()->availableGeometry();
    const QRect centred = QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size(), available);
    windowedState_ = isVisible() ? windowState() : Qt::WindowNoState;
    windowedPlace_ = QRect(isVisible() ? pos()
                                       : QPoint(std::max(centred.x(), available.x()),
                                                std::max(centred.y(), available.y())),
                           size());
    lock_.engage();
    menuBar()->hide();
    keepAbove(true);
    // Sized first, so a first set-up is made at the screen's resolution; and without a window
    // manager nothing else makes the window cover the screen.
    setGeometry(screen()->geometry());
    showFullScreen();
    askXWaylandForGrabs(winId());
    holdTheScreen();
    guard_.start();
    placeHint();
    hint_->show();
    hint_->raise();
    hintTimer_.start();
    if (childModeChanged)
        childModeChanged(true);
}

void FrameWindow::leaveChildMode() {
    lock_.release();
    guard_.stop();
    if (QWindow* window = windowHandle()) {
        window->setKeyboardGrabEnabled(false);
        window->setMouseGrabEnabled(false);
    }
    hintTimer_.stop();
    if (hint_)
        hint_->hide();
    menuBar()->show();
    keepAbove(false);
    setWindowState(windowedState_);
    if (!(windowedState_ & Qt::WindowMaximized)) {
        resize(windowedPlace_.size());
        move(windowedPlace_.topLeft());
    }
    show();
    if (childModeChanged)
        childModeChanged(false);
}

// Changed on the shown window as it is, without the hide and show a change of flags brings.
void FrameWindow::keepAbove(bool above) {
    const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, above);
    overrideWindowFlags(flags);
    if (QWindow* window = windowHandle())
        window->setFlags(flags);
}

// Grabs fail while the window is not yet on the screen, and end when it leaves it (a desktop
// switch); taking them again each time is harmless, and covers every way they are lost. The
// pointer grab still delivers touch to this window.
void FrameWindow::holdTheScreen() {
    raise();
    if (!isActiveWindow())
        activateWindow();
    if (QWindow* window = windowHandle()) {
        window->setKeyboardGrabEnabled(true);
        window->setMouseGrabEnabled(true);
    }
}

// Beside the scaled board, in the screen's margin, where there is room; otherwise over the
// story lines at the top, where no piece lies until the child picks one up, and then it goes.
void FrameWindow::placeHint() {
    const QRect area = view_->geometry();
    const int margin = int((area.width() - view_->boardSize().width() * view_->scale()) / 2);
    const int boardTop = int((area.height() - view_->boardSize().height() * view_->scale()) / 2);
    hintBesideBoard_ = margin >= kHintMarginWidth;
    const int width = hintBesideBoard_ ? margin - 2 * kHintGap : std::min(area.width(), 480);
    hint_->setFixedWidth(width);
    hint_->adjustSize();
    hint_->move(area.left() + (hintBesideBoard_ ? kHintGap : (area.width() - width) / 2),
                area.top() + boardTop + kHintGap);
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

// In child mode another window taking the focus gives it straight back.
void FrameWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::ActivationChange && inChildMode())
        holdTheScreen();
    QMainWindow::changeEvent(event);
}

bool FrameWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == view_ && event->type() == QEvent::Resize && inChildMode())
        placeHint();
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::TouchBegin;
    if (watched == view_ && press && hint_ && !hintBesideBoard_)
        hint_->hide();
    return QMainWindow::eventFilter(watched, event);
}

} // namespace platform
