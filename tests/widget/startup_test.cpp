// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: captions, a missing file, and a huge one.
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

// A file of any size without a line end is one over-long kanji.
TEST(BadFiles, AHugeFileWithoutALineEndLoadsAsOneOverLongKanji) {
    RunningApp game;
    MessageRecorder messages;
    TempFile huge("", "huge.txt");
    std::filesystem::resize_file(huge.path(), 100u << 20);
    ASSERT_TRUE(game.app().document().open(huge.path()));
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("異常Data"));
    EXPECT_EQ(messages.texts.size(), 1u);
}

} // namespace
