// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/torvex_app.h"

#include "app/main_frame.h"
#include "app/settings_commands.h"
#include "board/navigation.h"
#include "gfx/fonts.h"
#include "platform/message_box.h"
#include "platform/toolkit_language.h"

#include <QCoreApplication>
#include <algorithm>

namespace app {

namespace {
// The board's drawing reaches x 930 and y 680; the reward flight reaches 945 and 724.
constexpr int kClientWidth = 945;
constexpr int kClientHeight = 724;
constexpr const char* kChildOption = "--child";
} // namespace

void InitialiseToolkit() {
    QCoreApplication::setOrganizationName(QStringLiteral("Local AppWizard-Generated Applications"));
    QCoreApplication::setApplicationName(QString::fromUtf8(platform::kAppTitle));
    gfx::registerJapaneseFonts();
    platform::loadToolkitTranslations();
}

CTorvexApp::CTorvexApp() : document_(content_, "トルベ") {}

CTorvexApp::~CTorvexApp() = default;

void CTorvexApp::updateCaption() {
    frame_->setDocumentTitle(document_.title());
}

bool CTorvexApp::InitInstance(const std::vector<std::string>& arguments) {
    LoadSettings();
    frame_ = std::make_unique<platform::FrameWindow>(viewHandler_);
    BuildMainFrame(*frame_, document_);
    document_.onChanged = [this] {
        player_.documentChanged(document_.path());
        updateCaption();
        frame_->view().requestPaint(true);
    };
    frame_->canClose = [this] { return document_.saveModified(); };
    document_.onModifiedChanged = [this](bool modified) { frame_->setWindowModified(modified); };
    // A child alone must never reach a word with no way on: the last word leads to the first.
    frame_->childModeChanged = [](bool on) { board::SetNextAfterLastWord(on); };
    std::vector<std::string> files(arguments.begin() + std::min<std::size_t>(1, arguments.size()),
                                   arguments.end());
    const bool child = std::erase(files, kChildOption) > 0;
    if (!files.empty() && !document_.open(files.front()))
        return false;
    updateCaption();
    frame_->fitClientArea(kClientWidth, kClientHeight);
    if (child)
        frame_->enterChildMode();
    else
        frame_->show();
    frame_->view().requestPaint(true);
    frame_->view().paintPendingNow();
    frame_->view().repaint();
    return true;
}

} // namespace app
