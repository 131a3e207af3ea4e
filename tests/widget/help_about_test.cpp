// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Help, about and the path message: the help file found from the folder the program started
// in, whatever that folder is called; the about box's contents; the path message's text.
#include "app/commands.h"
#include "platform/modal.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <fstream>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The help is looked for in the folder of start-up, not the current one: the game starts in
// `folder` here, but the help is asked for from the test's own folder. A page that is missing or
// that no program opens is told with its full path.
TEST(Help, OpensTheHelpFileOfTheStartFolderWhateverItsNameOrSaysWhyNot) {
    const std::string longName(120, 'L');
    const struct {
        fs::path folder;
        const char* file; // the help file there, if any
        bool opens;       // whether the desktop has a program for it
        const char* told; // what a message says, if one is shown
    } cases[] = {
        {"with \"double\" and 'single' quotes", "読んでね。.chm", true, nullptr},
        {"two  spaces; then more", "読んでね。.chm", true, nullptr},
        {"$(touch injected) `touch injected`", "読んでね。.chm", true, nullptr},
        {fs::path(longName) / longName / longName, "読んでね。.chm", true, nullptr},
        {"only the page", "読んでね。.html", true, nullptr},
        {"no program for it", "読んでね。.html", false, "開けるプログラムが見つかりません"},
        {"no help at all", nullptr, true, "見つかりません"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.string());
        TempFolder scratch;
        const fs::path folder = scratch.path() / c.folder;
        fs::create_directories(folder);
        if (c.file)
            std::ofstream(folder / c.file) << "help";
        std::unique_ptr<RunningApp> game;
        {
            CurrentFolder current(folder);
            game = std::make_unique<RunningApp>();
        }
        ShellOpenRecorder shell(c.opens);
        MessageRecorder messages;
        choose(game->app().frame(), ID_HELP_USAGE);
        const std::string path = (folder / (c.file ? c.file : "読んでね。.html")).string();
        EXPECT_EQ(shell.paths, c.file ? std::vector{path} : std::vector<std::string>{});
        ASSERT_EQ(messages.texts.size(), c.told ? 1u : 0u);
        if (c.told) {
            EXPECT_NE(messages.texts[0].find(c.told), std::string::npos);
            EXPECT_NE(messages.texts[0].find(path), std::string::npos);
        }
    }
}

TEST(About, ShowsIconNameAndVersionCentredOnTheWindowAndClosesWithOk) {
    RunningApp game;
    const QImage board = game.pixels().copy();
    int shown = 0;
    platform::setModalHook([&](QDialog& dialog) {
        ++shown;
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Torvexのﾊﾞｰｼﾞｮﾝ情報");
        auto labels = dialog.findChildren<QLabel*>();
        std::ranges::sort(labels, {}, [](const QLabel* label) { return label->x(); });
        std::vector<std::string> texts; // from left to right
        for (const QLabel* label : labels)
            texts.push_back(label->pixmap().isNull() ? label->text().toStdString() : "<icon>");
        texts.resize(2);
        EXPECT_EQ(texts[0], "<icon>");
        for (const char* line : {"Torvex Version 1.0\n", "eSpeak NG", "Noto Color Emoji", "CLDR"})
            EXPECT_NE(texts[1].find(line), std::string::npos) << line;
        const QPoint offset =
            dialog.frameGeometry().center() - game.app().frame().frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        const auto buttons = dialog.findChildren<QPushButton*>();
        EXPECT_EQ(buttons.size(), 1);
        EXPECT_EQ(buttons.front()->text(), "OK");
        EXPECT_TRUE(buttons.front()->isDefault());
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.result();
    });
    choose(game.app().frame(), ID_APP_ABOUT);
    testing_support::failOnUnexpectedModals();
    EXPECT_EQ(shown, 1);
    game.settle();
    EXPECT_EQ(game.pixels(), board);
}

TEST(ShowPath, TellsTheProgramFilesFullPathBetweenItsTwoTexts) {
    RunningApp game;
    MessageRecorder messages;
    game.app().frame().sendCommand(ID_SHOW_PATH);
    const std::string path = QCoreApplication::applicationFilePath().toStdString();
    EXPECT_EQ(messages.texts, std::vector{" トルベのパスは、" + path + "　です。　 "});
    EXPECT_EQ(messages.captions, std::vector<std::string>{"Torvex"});
}

} // namespace
