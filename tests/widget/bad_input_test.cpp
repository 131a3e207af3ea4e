// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Bad inputs through the running game: list files that are no files, a 300-byte working
// directory, texts of 1,000 bytes and of a megabyte in the editor, saves that cannot be written,
// and a save cut off by the process being killed.
#include "app/commands.h"
#include "board/puzzle_setup.h"
#include "platform/modal.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "rewards/word_sound.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "support/shell_support.h"

#include <QDialog>
#include <QProcess>
#include <QPushButton>

#include <csignal>
#include <cstdlib>
#include <sys/resource.h>

using namespace app;
using namespace board;
using namespace rewards;
using namespace wordlist;

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using namespace testing_support;

constexpr gfx::Rgb kGreen = gfx::rgb(0, 128, 0);
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

TEST_F(BadInput, PictureAndSoundAreFoundBelowA300ByteWorkingDirectory) {
    platform::openAudio();
    game.openWords({{"山"}});
    const rewards_support::ScratchFolder scratch;
    const fs::path deep = hardening::enterDeepFolder(300);
    const std::string below = fs::relative(deep, scratch.path()).string();
    scratch.write(below + "/bmp/山.bmp",
                  hardening::bitmapFileBytes(300, 300, QColor::fromRgb(kGreen)));
    scratch.write(below + "/wav/山.wav", platform::loadResourceWave(kFallbackWaveId));
    thePuzzle.solvedFlags[1] = 1;
    thePuzzle.firstSolve = 0;
    RebuildPuzzle();
    // The word's own sound is found and plays on after the click.
    rewards_support::solveCurrentWord(game);
    EXPECT_TRUE(platform::audioBusy());
    EXPECT_EQ(game.pixel(200, 600), kGreen);
}

// A text is shown whole in its edit, so OK without a change gives every byte back, however long.
TEST_F(BadInput, TextsOfAThousandBytesAndOfAMegabyteSurviveTheEditorsOk) {
    const std::string kana = QString(500, u'あ').toStdString();
    const std::vector<std::vector<std::string>> words = {
        {"山", kana, std::string(1000, 'g')},
        {"川", std::string(1 << 20, 'r'), std::string(1 << 20, 'e')}};
    game.openWords(words);
    platform::setModalHook([](QDialog& dialog) {
        dialog.findChild<QPushButton*>("ok")->click();
        return dialog.result();
    });
    for (int entry = 1; entry <= 2; ++entry) {
        thePuzzle.currentEntry = entry;
        game.app().frame().sendCommand(ID_WORD_LIST);
        game.move(600, 300 + entry);
        EXPECT_EQ(theWordList[entry].reading, platform::sjis(words[entry - 1][1])) << entry;
        EXPECT_EQ(theWordList[entry].english, words[entry - 1][2]) << entry;
        EXPECT_TRUE(messages.texts.empty());
    }
}

// Saves that fail leave the old file whole: where no file can be made (in /proc even root
// cannot), and cut off where the operating system kills the process when the new file grows past
// a limit; then nothing half-written is left beside it. The killed save runs in a helper
// process: this program again, running only the helper test below.
TEST_F(BadInput, SavesThatFailOrAreKilledLeaveTheOldFileWhole) {
    game.openWords({{"山", "やま", "mountain"}});
    const std::string before = fileBytes(game.listPath());
    FileDialogScript dialogs({"/proc/torvex-words.txt", "/nonexistent/words.txt"});
    for (int i = 0; i < 2; ++i)
        game.app().frame().sendCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(document().path(), game.listPath());
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
