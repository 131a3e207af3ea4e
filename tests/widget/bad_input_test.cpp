// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bad inputs through the running game: list files that are no files, saves that cannot be
// written, and a save cut off by the process being killed.
#include "support/hardening_support.h"
#include "support/shell_support.h"

#include <QProcess>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

using namespace app;
using namespace board;
using namespace wordlist;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using namespace testing_support;

constexpr const char* kSaveOver = "TORVEX_TEST_SAVE_OVER";

class BadInput : public ::testing::Test {
  protected:
    ~BadInput() override { testing_support::failOnUnexpectedModals(); }
    platform::Document& document() { return game.app().document(); }
    fs::path folder() { return fs::path(game.listPath()).parent_path(); }

    RunningApp game;
    MessageRecorder messages;
};

// A file that cannot be read is reported, and the list, the marks and the document's name stay
// as they were. Reading a named pipe would wait for a writer forever, a device may never end.
TEST_F(BadInput, WhatCannotBeReadOrIsNoFileIsRefusedWithoutBeingRead) {
    game.openWords({{"犬"}});
    thePuzzle.solvedFlags[1] = 1;
    const hardening::NamedPipe pipe((folder() / "pipe.txt").string(), 2s);
    for (const std::string& path :
         {pipe.path(), "/dev/null"s, "/nonexistent/x.txt"s, "/proc/self/mem"s, "/tmp"s}) {
        messages.texts.clear();
        EXPECT_FALSE(document().open(path)) << path;
        EXPECT_EQ(messages.texts.size(), 1u) << path;
        EXPECT_EQ(theWordList[1].kanji, platform::sjis("犬")) << path;
        EXPECT_EQ(document().path(), game.listPath());
        EXPECT_EQ(thePuzzle.solvedFlags[1], 1) << path;
    }
    EXPECT_FALSE(pipe.rescued());
}

// Saves that fail leave the old file whole: where no file can be made (in /proc even root
// cannot), and cut off where the operating system kills the process when the new file grows past
// a limit; then nothing half-written is left beside it. The killed save runs in a helper
// process: this program again, running only the helper test below.
TEST_F(BadInput, SavesThatFailOrAreKilledLeaveTheOldFileWhole) {
    game.openWords({{"山", "やま", "mountain"}});
    const std::string before = fileBytes(game.listPath());
    theWordList[1].english = "edited";
    document().setModified(true);
    FileDialogScript dialogs({"/proc/torvex-words.txt", "/nonexistent/words.txt"});
    for (int i = 0; i < 2; ++i)
        game.app().frame().sendCommand(ID_FILE_SAVE_AS);
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[0].find("/proc/torvex-words.txt"), std::string::npos);
    EXPECT_EQ(document().path(), game.listPath());
    EXPECT_TRUE(document().modified()); // the edit is not lost to a save that failed
    QProcess helper;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(kSaveOver, QString::fromStdString(game.listPath()));
    helper.setProcessEnvironment(environment);
    helper.setChildProcessModifier([] {
        const rlimit noCore{0, 0}, limit{64 * 1024, RLIM_INFINITY};
        setrlimit(RLIMIT_CORE, &noCore);
        setrlimit(RLIMIT_FSIZE, &limit);
    });
    helper.start(QCoreApplication::applicationFilePath(),
                 {"--gtest_filter=BadInputHelper.SavesAMegabyteOverTheNamedList"});
    ASSERT_TRUE(helper.waitForFinished(60000));
    EXPECT_EQ(helper.exitStatus(), QProcess::CrashExit);
    EXPECT_EQ(helper.exitCode(), SIGXFSZ);
    EXPECT_EQ(fileBytes(game.listPath()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder()), {}), 1);
}

// Runs only as the helper of the test above.
TEST(BadInputHelper, SavesAMegabyteOverTheNamedList) {
    const char* path = std::getenv(kSaveOver);
    if (!path)
        GTEST_SKIP() << "the helper of a killed save";
    RunningApp game({"torvex", path});
    theWordList[1].english = std::string(1 << 20, 'x');
    game.app().document().save();
}

} // namespace
