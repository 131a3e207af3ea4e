#pragma once
// The main frame: a menu bar over the board view, captioned "<document title> - Torvex".
#include "platform/view.h"

#include <QMainWindow>
#include <functional>

namespace platform {

class FrameWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrameWindow(ViewHandler& handler);

    View& view() { return *view_; }
    void setDocumentTitle(const std::string& title);
    // Sizes the window so the board's whole extent shows, where the screen allows.
    void fitClientArea(int width, int height);

    // Asked before the window closes; false keeps it open.
    std::function<bool()> canClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    View* view_;
};

} // namespace platform
