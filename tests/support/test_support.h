#pragma once
// Helpers shared by the tests: a fresh game state, a running application with its real view,
// recorded message boxes and pixel reads of the view's window image.
#include "app/torvex_app.h"
#include "gfx/colour.h"

#include <QImage>
#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// Resets the program-wide state to its start values (as at program start).
void resetProgramState();

// Message boxes shown while the recorder lives, instead of real boxes.
class MessageRecorder {
  public:
    MessageRecorder();
    ~MessageRecorder();
    std::vector<std::string> texts;
    std::vector<std::string> captions;
};

// A word list file's bytes: entries given in UTF-8, written in the program's own format.
std::string wordListBytes(const std::vector<std::vector<std::string>>& entriesUtf8);

// A temporary file holding bytes; removed when the object goes.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& name = "words.txt");
    ~TempFile();
    const std::string& path() const { return path_; }

  private:
    std::string dir_;
    std::string path_;
};

// The real program: application object, document, frame and view, shown offscreen.
class RunningApp {
  public:
    explicit RunningApp(const std::vector<std::string>& arguments = {"torvex"});
    ~RunningApp();
    CTorvexApp& app() { return *app_; }
    platform::View& view() { return app_->frame().view(); }
    // The board window's pixels as the handlers left them.
    const QImage& pixels() { return *view().image(); }
    gfx::Rgb pixel(int x, int y) { return pixels().pixel(x, y) & 0xFFFFFF; }
    // Real events through Qt.
    void click(int x, int y);
    void move(int x, int y);
    // Lets Qt deliver what is queued, pending paints included.
    void settle();

  private:
    std::unique_ptr<CTorvexApp> app_;
};

} // namespace testing_support
