// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/help_window.h"

#include "platform/shell_open.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QPointer>
#include <QTextBrowser>

namespace platform {
namespace {

// Room for the page's tables at their natural width, on any screen the game itself fits.
constexpr QSize kWindowSize(820, 700);

// A place on the page scrolls; the browser cannot show another file or the web, the desktop can.
void follow(QTextBrowser& browser, const QUrl& link) {
    const QUrl target = browser.source().resolved(link);
    if (target.adjusted(QUrl::RemoveFragment) == browser.source().adjusted(QUrl::RemoveFragment))
        browser.setSource(target);
    else if (target.isLocalFile())
        openWithDesktop(QFile::encodeName(target.toLocalFile()).toStdString());
    else
        QDesktopServices::openUrl(target);
}

QTextBrowser* newWindow() {
    // Owned by the main window: it stays above it, and goes when the game ends.
    auto* browser = new QTextBrowser(QApplication::activeWindow());
    browser->setWindowFlag(Qt::Window);
    browser->setAttribute(Qt::WA_DeleteOnClose);
    browser->setOpenLinks(false);
    QObject::connect(browser, &QTextBrowser::anchorClicked, browser,
                     [browser](const QUrl& link) { follow(*browser, link); });
    browser->resize(kWindowSize);
    return browser;
}

} // namespace

bool showHelpPage(const std::string& path) {
    static QPointer<QTextBrowser> window;
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    // A named pipe would hold the game for ever and a folder is no page: regular files only.
    QFile page(file);
    if (!QFileInfo(file).isFile() || !page.open(QIODevice::ReadOnly))
        return false;
    page.close();
    const QUrl url = QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath());
    if (!window)
        window = newWindow();
    if (window->source() == url)
        window->reload();
    else
        window->setSource(url);
    const QString title = window->documentTitle();
    window->setWindowTitle(title.isEmpty() ? QFileInfo(file).fileName() : title);
    window->show();
    window->raise();
    window->activateWindow();
    return true;
}

} // namespace platform
