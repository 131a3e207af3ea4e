// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
// Helpers shared by the tests: a fresh game state, a running application with its real view,
// recorded message boxes, scratch files and pixel checks of images and of the window. Every
// test includes it, so it brings GoogleTest, Qt's test tools, the program-wide state, the
// commands, the platform's seams and Shift-JIS conversion.
#include "app/commands.h"
#include "app/torvex_app.h"
#include "board/navigation.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "gfx/colour.h"
#include "platform/clock_random.h"
#include "platform/message_box.h"
#include "platform/modal.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "wordlist/word_list.h"

#include <QApplication>
#include <QDialog>
#include <QImage>
#include <QMenuBar>
#include <QPushButton>
#include <QRect>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

class QPointingDevice;

namespace testing_support {

// Resets the program-wide state to its start values (as at program start).
void resetProgramState();

// A dialog that no test scripted fails the running test at once, naming what it would have
// shown, and answers as a cancel would, instead of blocking on a real window until the time-out.
void failOnUnexpectedMessageBoxes();
void failOnUnexpectedFileDialogs(); // the file dialogs and the save question
void failOnUnexpectedModals();      // every other modal dialog
void failOnUnexpectedDialogs();     // all of them

// The run's one simulated touch screen: Qt keeps a device registered until the end of the run,
// so one is made and shared.
QPointingDevice* touchScreen();

// Message boxes shown while the recorder lives, instead of real boxes.
class MessageRecorder {
  public:
    MessageRecorder() {
        platform::setMessageBoxHook([this](const std::string& text, const std::string& caption) {
            texts.push_back(text);
            captions.push_back(caption);
        });
    }
    ~MessageRecorder() { failOnUnexpectedMessageBoxes(); }
    std::vector<std::string> texts;
    std::vector<std::string> captions;
};

// A word list file's bytes: entries given in UTF-8, written in the program's own format.
std::string wordListBytes(const std::vector<std::vector<std::string>>& entriesUtf8);

std::string fileBytes(const std::filesystem::path& path);

// A fresh folder, removed with all it holds when the object goes.
class TempFolder {
  public:
    const std::filesystem::path& path() const { return path_; }

  private:
    QTemporaryDir folder_{QDir::tempPath() + "/torvex-XXXXXX"};
    std::filesystem::path path_ = folder_.path().toStdString();
};

// A temporary file holding bytes, alone in a fresh folder.
class TempFile {
  public:
    explicit TempFile(const std::string& bytes, const std::string& name = "words.txt");
    const std::string& path() const { return path_; }
    const std::filesystem::path& folder() const { return folder_.path(); }

  private:
    TempFolder folder_;
    std::string path_;
};

// Makes `folder` the current directory while it lives.
class CurrentFolder {
  public:
    explicit CurrentFolder(const std::filesystem::path& folder) {
        std::filesystem::current_path(folder);
    }
    ~CurrentFolder() { std::filesystem::current_path(previous_); }

  private:
    std::filesystem::path previous_ = std::filesystem::current_path();
};

// Pixel checks over the part of `area` inside the image; colours are compared without alpha.
using PixelTest = std::function<bool(gfx::Rgb)>;
inline bool notWhite(gfx::Rgb colour) {
    return colour != gfx::kWindowColour;
}
int countPixels(const QImage& image, const QRect& area, const PixelTest& test);
// The smallest rectangle holding every pixel that passes the test.
std::optional<QRect> inkBounds(const QImage& image, const QRect& area, const PixelTest& test);
// True when `area` shows `source` from `from` on, pixel for pixel.

// The real program: application object, document, frame and view, shown offscreen.
class RunningApp {
  public:
    explicit RunningApp(const std::vector<std::string>& arguments = {"torvex"});
    ~RunningApp();
    app::CTorvexApp& app() { return *app_; }
    platform::View& view() { return app_->frame().view(); }
    // Opens a list of `entries` (kanji, reading, English in UTF-8) and lets word 1 be set up.
    void openWords(const std::vector<std::vector<std::string>>& entries);
    const std::string& listPath() const { return list_->path(); }
    // The board window's pixels as the handlers left them.
    const QImage& pixels() { return *view().image(); }
    gfx::Rgb pixel(int x, int y) { return pixels().pixel(x, y) & 0xFFFFFF; }
    int count(const QRect& area, gfx::Rgb colour) {
        return countPixels(pixels(), area, [colour](gfx::Rgb c) { return c == colour; });
    }
    // Whether `area` of the window shows `source` from `from` on.
    bool shows(const QRect& area, const QImage& source, QPoint from = {});
    // Whether the window already shows what the game's own whole repaint shows: no pixel left
    // behind by a move, nothing missing that a partial draw should have brought.
    bool showsItsState();
    // Real events through Qt.
    void click(int x, int y);
    void move(int x, int y);
    // Lets Qt deliver what is queued, pending paints included.
    void settle();

  private:
    std::unique_ptr<app::CTorvexApp> app_;
    std::unique_ptr<TempFile> list_;
};

} // namespace testing_support
