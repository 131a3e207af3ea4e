#include "platform/frame_window.h"

#include "platform/message_box.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>

namespace platform {

FrameWindow::FrameWindow(ViewHandler& handler) : view_(new View(handler, this)) {
    setCentralWidget(view_);
    // Commands placed directly on the bar need Qt's own bar, not a desktop-wide one.
    menuBar()->setNativeMenuBar(false);
    setWindowIcon(QIcon(QStringLiteral(":/res/128-32.png")));
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

void FrameWindow::closeEvent(QCloseEvent* event) {
    if (canClose && !canClose())
        event->ignore();
    else
        event->accept();
}

} // namespace platform
