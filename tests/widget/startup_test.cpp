// Start-up and opening word list files: captions, bad files, and what a failed open keeps.
#include "support/test_support.h"

using namespace testing_support;

namespace {

TEST(StartUp, TheCaptionNamesTheFileGivenAndItsWordOneIsSetUp) {
    TempFile file(wordListBytes({{"猫", "ねこ", "cat"}}), "animals.txt");
    const struct {
        std::vector<std::string> arguments;
        const char *caption, *reading;
        int pieceY; // -100: no piece set up
    } rows[] = {{{"torvex"}, "トルベ - Torvex", "", -100},
                {{"torvex", file.path()}, "animals.txt - Torvex", "ねこ", 380}};
    for (const auto& row : rows) {
        RunningApp game(row.arguments);
        EXPECT_EQ(game.app().frame().windowTitle().toStdString(), row.caption);
        EXPECT_EQ(thePuzzle.listReloaded, 0);
        EXPECT_EQ(thePuzzle.pieceY[1][1], row.pieceY) << row.caption;
        EXPECT_EQ(thePuzzle.captionText, platform::sjis(row.reading));
    }
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
    TempFolder base;
    std::filesystem::path deep = base.path();
    while (deep.string().size() < 320)
        deep /= "a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    CurrentFolder current(deep);
    RunningApp game;
    EXPECT_EQ(thePuzzle.workingDirectory, deep.string());
}

// A file that cannot be read is reported, and the list, the marks and the document's name stay
// as they were; a file of any size without a line end is one over-long kanji.
TEST(BadFiles, UnreadableFilesChangeNothingAndHugeOnesLoad) {
    RunningApp game;
    game.openWords({{"犬", "いぬ", "dog"}});
    thePuzzle.solvedFlags[1] = 1;
    MessageRecorder messages;
    for (const std::string path : {"/nonexistent/x.txt", "/proc/self/mem", "/tmp"}) {
        messages.texts.clear();
        EXPECT_FALSE(game.app().document().open(path)) << path;
        EXPECT_EQ(messages.texts.size(), 1u) << path;
        EXPECT_EQ(theWordList[1].kanji, platform::sjis("犬"));
        EXPECT_EQ(game.app().document().path(), game.listPath());
        EXPECT_EQ(thePuzzle.solvedFlags[1], 1) << path;
    }
    TempFile huge("", "huge.txt");
    std::filesystem::resize_file(huge.path(), 100u << 20);
    messages.texts.clear();
    ASSERT_TRUE(game.app().document().open(huge.path()));
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("異常Data"));
    EXPECT_EQ(messages.texts.size(), 1u);
}

} // namespace
