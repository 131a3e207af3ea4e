// Start-up and opening word list files: captions, bad files, and what a failed open keeps.
#include "board/puzzle_state.h"
#include "platform/file_dialogs.h"
#include "platform/sjis.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QMainWindow>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <unistd.h>

using namespace testing_support;

namespace {

std::string caption(RunningApp& game) {
    return game.app().frame().windowTitle().toStdString();
}

TEST(StartUp, WithoutAFileTheListIsEmptyAndTheDocumentUntitled) {
    RunningApp game;
    EXPECT_EQ(caption(game), "トルベ - Torvex");
    for (int k = 1; k <= kWordCount; ++k)
        EXPECT_TRUE(theWordList[k].kanji.empty());
    EXPECT_EQ(thePuzzle.cellCount, 1);
}

TEST(StartUp, WithAFileItsNameIsInTheCaptionAndWordOneIsSetUp) {
    TempFile file(wordListBytes({{"猫", "ねこ", "cat"}}), "animals.txt");
    RunningApp game({"torvex", file.path()});
    EXPECT_EQ(caption(game), "animals.txt - Torvex");
    EXPECT_EQ(thePuzzle.listReloaded, 0);
    EXPECT_EQ(thePuzzle.pieceY[1][1], 380);
    EXPECT_EQ(thePuzzle.captionText, platform::sjis("ねこ"));
}

TEST(StartUp, AMissingFileIsReportedAndEndsStartUp) {
    MessageRecorder messages;
    resetProgramState();
    CTorvexApp app;
    EXPECT_FALSE(app.InitInstance({"torvex", "/nonexistent/words.txt"}));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find("/nonexistent/words.txt"), std::string::npos);
    EXPECT_EQ(messages.captions[0], "Torvex");
    resetProgramState();
}

TEST(StartUp, TheWorkingDirectoryIsCapturedWholeWhateverItsLength) {
    TempFile base("");
    std::filesystem::path deep = std::filesystem::path(base.path()).parent_path();
    while (deep.string().size() < 320)
        deep /= "a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    const auto previous = std::filesystem::current_path();
    std::filesystem::current_path(deep);
    {
        RunningApp game;
        EXPECT_EQ(thePuzzle.workingDirectory, deep.string());
    }
    std::filesystem::current_path(previous);
}

class BadFiles : public ::testing::Test {
  protected:
    void SetUp() override {
        good = std::make_unique<TempFile>(wordListBytes({{"犬", "いぬ", "dog"}}));
        ASSERT_TRUE(game.app().document().open(good->path()));
        messages.texts.clear();
    }
    // A failed open keeps the list, the marks and the document's name.
    void expectNothingLost() {
        EXPECT_EQ(theWordList[1].kanji, platform::sjis("犬"));
        EXPECT_EQ(game.app().document().path(), good->path());
    }
    RunningApp game;
    MessageRecorder messages;
    std::unique_ptr<TempFile> good;
};

TEST_F(BadFiles, MissingFolderAndUnreadableFilesAreReportedAndChangeNothing) {
    thePuzzle.solvedFlags[1] = 1;
    for (const std::string& path : {std::string("/nonexistent/x.txt"),
                                    std::filesystem::path(good->path()).parent_path().string(),
                                    std::string("/proc/self/mem")}) {
        messages.texts.clear();
        EXPECT_FALSE(game.app().document().open(path)) << path;
        EXPECT_EQ(messages.texts.size(), 1u) << path;
        expectNothingLost();
        EXPECT_EQ(thePuzzle.solvedFlags[1], 1) << path;
    }
}

TEST_F(BadFiles, BinaryAndHugeFilesLoadWithoutLosingTheirBytes) {
    std::string binary;
    for (int i = 0; i < 4096; ++i)
        binary += static_cast<char>((i * 7919) & 0xFF);
    TempFile bin(binary, "binary.txt");
    ASSERT_TRUE(game.app().document().open(bin.path()));
    // Store and load again: every string comes back byte for byte.
    const WordList first = theWordList;
    TempFile copy("", "copy.txt");
    platform::Document& doc = game.app().document();
    ASSERT_TRUE(doc.open(bin.path()));
    std::filesystem::remove(copy.path());
    platform::setFileDialogHook(
        [&](auto, auto&) { return std::optional<std::string>(copy.path()); });
    ASSERT_TRUE(doc.saveAs());
    platform::setFileDialogHook({});
    ASSERT_TRUE(doc.open(copy.path()));
    for (int k = 1; k <= kWordCount; ++k) {
        EXPECT_EQ(theWordList[k].reading, first.entries[k].reading) << k;
        EXPECT_EQ(theWordList[k].english, first.entries[k].english) << k;
    }

    // 100 MB without a line end: one over-long kanji, reported once.
    TempFile huge("", "huge.txt");
    std::filesystem::resize_file(huge.path(), 100u << 20);
    messages.texts.clear();
    ASSERT_TRUE(doc.open(huge.path()));
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("異常Data"));
    EXPECT_EQ(messages.texts.size(), 1u);
}

} // namespace
