#pragma once
// The main frame: a menu bar over the board view, captioned "<document title> - Torvex".
#include "platform/menu.h"
#include "platform/view.h"

#include <QMainWindow>
#include <functional>
#include <memory>

namespace platform {

class FrameWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit FrameWindow(ViewHandler& handler);

    View& view() { return *view_; }
    void setDocumentTitle(const std::string& title);
    // Sizes the window so the board's whole extent shows, where the screen allows.
    void fitClientArea(int width, int height);

    // The menu bar and the accelerator keys; every command goes to `target`.
    void installCommands(const std::vector<MenuItem>& menu, const std::vector<Accelerator>& keys,
                         std::unique_ptr<CommandTarget> target);
    // Issues a command as a menu item or key would, also one no item offers.
    void sendCommand(int id);

    // Asked before the window closes; false keeps it open.
    std::function<bool()> canClose;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    View* view_;
    std::unique_ptr<CommandTarget> commands_;
};

} // namespace platform
