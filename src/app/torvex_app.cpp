#include "app/torvex_app.h"

#include "app/main_frame.h"
#include "app/settings_commands.h"
#include "gfx/fonts.h"
#include "platform/message_box.h"
#include "platform/toolkit_language.h"

#include <QCoreApplication>

namespace {
// The board's drawing reaches x 930 and y 680; the reward flight reaches 945 and 724.
constexpr int kClientWidth = 945;
constexpr int kClientHeight = 724;
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
        updateCaption();
        frame_->view().requestPaint(true);
    };
    frame_->canClose = [this] { return document_.saveModified(); };
    if (arguments.size() > 1 && !document_.open(arguments[1]))
        return false;
    updateCaption();
    frame_->fitClientArea(kClientWidth, kClientHeight);
    frame_->show();
    frame_->view().requestPaint(true);
    frame_->view().paintPendingNow();
    frame_->view().repaint();
    return true;
}
