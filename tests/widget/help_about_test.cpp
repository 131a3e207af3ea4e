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
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>

using namespace testing_support;
namespace fs = std::filesystem;

namespace {

// The folder a TempFile made.
fs::path folderOf(const TempFile& scratch) {
    return fs::path(scratch.path()).parent_path();
}

// The program started from `folder`; the current directory is restored right after start-up.
std::unique_ptr<RunningApp> startIn(const fs::path& folder) {
    const fs::path previous = fs::current_path();
    fs::current_path(folder);
    auto game = std::make_unique<RunningApp>();
    fs::current_path(previous);
    return game;
}

TEST(Help, OpensTheHelpFileOfTheStartFolderWhateverItsName) {
    const std::string longName(120, 'L');
    struct Case {
        const char* name;
        fs::path folder;
        bool compiledHelp;
        const char* opened;
    };
    const Case cases[] = {
        {"quotes", "with \"double\" and 'single' quotes", true, "読んでね。.chm"},
        {"spaces and semicolon", "two  spaces; then more", true, "読んでね。.chm"},
        {"command substitution", "$(touch injected) `touch injected`", true, "読んでね。.chm"},
        {"longer than 270 bytes", fs::path(longName) / longName / longName, true, "読んでね。.chm"},
        {"no compiled help", "only the page", false, "読んでね。.html"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile scratch("");
        const fs::path folder = folderOf(scratch) / c.folder;
        fs::create_directories(folder);
        if (c.compiledHelp)
            std::ofstream(folder / "読んでね。.chm") << "help";
        auto game = startIn(folder);
        ShellOpenRecorder shell;
        choose(game->app().frame(), ID_HELP_USAGE);
        EXPECT_EQ(shell.paths, std::vector{(folder / c.opened).string()});
    }
}

TEST(Help, IsLookedForInTheFolderOfStartUpEvenAfterTheCurrentOneChanged) {
    TempFile scratch("");
    const fs::path start = folderOf(scratch) / "start", later = folderOf(scratch) / "later";
    fs::create_directories(start);
    fs::create_directories(later);
    std::ofstream(later / "読んでね。.chm") << "help";
    auto game = startIn(start);
    const fs::path previous = fs::current_path();
    fs::current_path(later);
    ShellOpenRecorder shell;
    choose(game->app().frame(), ID_HELP_USAGE);
    fs::current_path(previous);
    EXPECT_EQ(shell.paths, std::vector{(start / "読んでね。.html").string()});
}

TEST(About, ShowsIconNameAndVersionCentredOnTheWindowAndClosesWithOk) {
    RunningApp game;
    const QImage board = game.pixels().copy();
    int shown = 0;
    platform::setModalHook([&](QDialog& dialog) {
        ++shown;
        EXPECT_EQ(dialog.windowTitle().toStdString(), "Torvexのﾊﾞｰｼﾞｮﾝ情報");
        // From left to right.
        auto labels = dialog.findChildren<QLabel*>();
        std::ranges::sort(labels, {}, [](const QLabel* label) { return label->x(); });
        std::vector<std::string> texts;
        for (const QLabel* label : labels)
            texts.push_back(label->pixmap().isNull() ? label->text().toStdString() : "<icon>");
        EXPECT_EQ(texts, (std::vector<std::string>{"<icon>", "Torvex Version 1.0"}));
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
    platform::setModalHook({});
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
