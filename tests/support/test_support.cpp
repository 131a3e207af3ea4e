// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "support/test_support.h"

#include "board/board_scene.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/file_dialogs.h"
#include "platform/modal.h"

#include <QApplication>
#include <QCursor>
#include <QDialog>
#include <QMenuBar>
#include <QSettings>
#include <QTest>
#include <fstream>

namespace testing_support {

void resetProgramState() {
    board::thePuzzle = board::PuzzleState{};
    wordlist::theWordList = wordlist::WordList{};
    for (auto& slot : gfx::bitmapSlots())
        slot.reset();
    platform::setClock({});
    platform::setSteadyClock({});
    platform::setRandomSource({});
}

void failOnUnexpectedMessageBoxes() {
    platform::setMessageBoxHook([](const std::string& text, const std::string& caption) {
        ADD_FAILURE() << "unexpected message box \"" << caption << "\": " << text;
    });
}

void failOnUnexpectedFileDialogs() {
    platform::setFileDialogHook([](platform::FileDialogKind, const std::string& suggested) {
        ADD_FAILURE() << "unexpected file dialog for " << suggested;
        return std::optional<std::string>();
    });
    platform::setSaveQuestionHook([](const std::string& title) {
        ADD_FAILURE() << "unexpected save question for " << title;
        return platform::SaveAnswer::Cancel;
    });
}

void failOnUnexpectedModals() {
    platform::setModalHook([](QDialog& dialog) {
        ADD_FAILURE() << "unexpected dialog " << dialog.windowTitle().toStdString();
        return 0;
    });
}

void failOnUnexpectedDialogs() {
    failOnUnexpectedMessageBoxes();
    failOnUnexpectedFileDialogs();
    failOnUnexpectedModals();
}

QPointingDevice* touchScreen() {
    static QPointingDevice* const screen = QTest::createTouchDevice();
    return screen;
}

std::string wordListBytes(const std::vector<std::vector<std::string>>& entriesUtf8) {
    std::string bytes;
    for (size_t line = 0; line < 150; ++line) {
        const size_t k = line / 3, i = line % 3;
        const bool given = k < entriesUtf8.size() && i < entriesUtf8[k].size();
        bytes += (given ? platform::sjis(entriesUtf8[k][i]) : "") + (i == 2 ? "\r\n" : "\n");
    }
    return bytes;
}

std::string fileBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

TempFile::TempFile(const std::string& bytes, const std::string& name)
    : path_((folder_.path() / name).string()) {
    std::ofstream(path_, std::ios::binary) << bytes;
}

int countPixels(const QImage& image, const QRect& area, const PixelTest& test) {
    int n = 0;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            n += test(image.pixel(x, y) & 0xFFFFFF);
    return n;
}

std::optional<QRect> inkBounds(const QImage& image, const QRect& area, const PixelTest& test) {
    QRect bounds;
    const QRect inside = area & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (test(image.pixel(x, y) & 0xFFFFFF))
                bounds |= QRect(x, y, 1, 1);
    return bounds.isNull() ? std::nullopt : std::optional<QRect>(bounds);
}

bool RunningApp::shows(const QRect& area, const QImage& source, QPoint from) {
    const QImage& image = pixels();
    const QRect inside = area & image.rect();
    const QPoint shift = from - area.topLeft();
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if ((image.pixel(x, y) ^ source.pixel(QPoint(x, y) + shift)) & 0xFFFFFF)
                return false;
    return true;
}

RunningApp::RunningApp(const std::vector<std::string>& arguments) {
    // Qt drops a pointer move to where the cursor already is: start from outside the view.
    QCursor::setPos(-1000, -1000);
    // Every game starts from the default level and face, whatever an earlier one chose.
    QSettings().remove(QStringLiteral("Settings"));
    resetProgramState();
    app_ = std::make_unique<app::CTorvexApp>();
    app_->InitInstance(arguments);
    // The offscreen screen is smaller than the board; a real window is sized past it here.
    app_->frame().resize(945, 724 + app_->frame().menuBar()->sizeHint().height());
    settle();
}

RunningApp::~RunningApp() {
    app_.reset();
    resetProgramState();
}

void RunningApp::openWords(const std::vector<std::vector<std::string>>& entries) {
    list_ = std::make_unique<TempFile>(wordListBytes(entries));
    EXPECT_TRUE(app_->document().open(list_->path()));
    settle();
}

void RunningApp::click(int x, int y) {
    QTest::mouseClick(&view(), Qt::LeftButton, {}, QPoint(x, y));
}

void RunningApp::move(int x, int y) {
    QTest::mouseMove(&view(), QPoint(x, y));
}

// Drawn into one image kept for the purpose: a long soak makes it after every event.
const QImage& RunningApp::composedAfresh() {
    if (!composed_ || composed_->size() != pixels().size() ||
        composed_->devicePixelRatio() != pixels().devicePixelRatio()) {
        composed_ = std::make_shared<QImage>(pixels().size(), QImage::Format_RGB32);
        composed_->setDevicePixelRatio(pixels().devicePixelRatio());
    }
    gfx::Surface target(composed_);
    board::DrawBackdrop(target);
    board::DrawMovingThings(target);
    return *composed_;
}

void RunningApp::settle() {
    QApplication::processEvents();
    view().paintPendingNow();
}

} // namespace testing_support
