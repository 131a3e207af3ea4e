// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up: captions, the board before and after a word is set up, and a missing file.
#include "support/test_support.h"

using namespace app;
using namespace board;

using namespace testing_support;

namespace {

TEST(StartUp, TheCaptionNamesTheFileGivenAndItsWordOneIsSetUp) {
    TempFile file(wordListBytes({{"猫", "ねこ", "cat"}}), "animals.txt");
    const struct {
        std::vector<std::string> arguments;
        const char* caption;
        bool setUp;
    } rows[] = {{{"torvex"}, "トルベ[*] - Torvex", false},
                {{"torvex", file.path()}, "animals.txt[*] - Torvex", true}};
    for (const auto& row : rows) {
        RunningApp game(row.arguments);
        EXPECT_EQ(game.app().frame().windowTitle().toStdString(), row.caption);
        // The frame of one cell and its grid show either way; the pieces
        // and the story only with a word set up.
        EXPECT_EQ(game.pixel(270, 200), gfx::rgb(0, 0, 180));
        EXPECT_GT(game.count({165, 140, 1, 190}, gfx::rgb(255, 0, 0)), 0);
        EXPECT_EQ(countPixels(game.pixels(), {0, 345, 945, 379}, notWhite) > 0, row.setUp);
        EXPECT_EQ(countPixels(game.pixels(), {130, 0, 670, 120}, notWhite) > 0, row.setUp);
        EXPECT_TRUE(game.showsItsState());
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

} // namespace
