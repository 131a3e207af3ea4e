#include "support/test_support.h"

#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/message_box.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

#include <QApplication>
#include <QMenuBar>
#include <QTest>
#include <filesystem>
#include <fstream>

namespace testing_support {

void resetProgramState() {
    thePuzzle = PuzzleState{};
    theWordList = WordList{};
    for (auto& slot : gfx::bitmapSlots())
        slot.reset();
    platform::setClock({});
    platform::setRandomSource({});
}

MessageRecorder::MessageRecorder() {
    platform::setMessageBoxHook([this](const std::string& text, const std::string& caption) {
        texts.push_back(text);
        captions.push_back(caption);
    });
}

MessageRecorder::~MessageRecorder() {
    platform::setMessageBoxHook({});
}

std::string wordListBytes(const std::vector<std::vector<std::string>>& entriesUtf8) {
    std::string bytes;
    for (size_t k = 0; k < 50; ++k) {
        const auto field = [&](size_t i) {
            return k < entriesUtf8.size() && i < entriesUtf8[k].size()
                       ? platform::sjis(entriesUtf8[k][i])
                       : std::string();
        };
        bytes += field(0) + "\n" + field(1) + "\n" + field(2) + "\r\n";
    }
    return bytes;
}

TempFile::TempFile(const std::string& bytes, const std::string& name) {
    std::string pattern = (std::filesystem::temp_directory_path() / "torvex-XXXXXX").string();
    dir_ = mkdtemp(pattern.data());
    path_ = dir_ + "/" + name;
    std::ofstream(path_, std::ios::binary) << bytes;
}

TempFile::~TempFile() {
    std::error_code ec;
    std::filesystem::remove_all(dir_, ec);
}

RunningApp::RunningApp(const std::vector<std::string>& arguments) {
    resetProgramState();
    app_ = std::make_unique<CTorvexApp>();
    app_->InitInstance(arguments);
    // The offscreen screen is smaller than the board; a real window is sized past it here.
    app_->frame().resize(945, 724 + app_->frame().menuBar()->sizeHint().height());
    settle();
}

RunningApp::~RunningApp() {
    app_.reset();
    resetProgramState();
}

void RunningApp::click(int x, int y) {
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(x, y));
}

void RunningApp::move(int x, int y) {
    QTest::mouseMove(&view(), QPoint(x, y));
}

void RunningApp::settle() {
    QApplication::processEvents();
    view().paintPendingNow();
}

} // namespace testing_support
