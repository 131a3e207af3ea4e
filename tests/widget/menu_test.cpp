// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The main frame's menu bar, check marks and accelerator keys, driven through real QActions,
// real popups and real key presses.
#include "app/commands.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QTest>

using namespace testing_support;

namespace {

class Menus : public ::testing::Test {
  protected:
    void SetUp() override { clearRecentFiles(); }
    void TearDown() override { clearRecentFiles(); }
    platform::FrameWindow& frame() { return game.app().frame(); }
    QMenu& popupOf(int id) { return *findCommand(frame(), id).popup; }
    bool checked(int id) { return findCommand(frame(), id).action->isChecked(); }

    RunningApp game;
    MessageRecorder messages;
};

// The update that runs as popups open must leave the bar's own items as they were built; the
// recent files' placeholder stands greyed while no file was used; child mode ends the settings.
TEST_F(Menus, PopupsBringTheirItemsUpToDateAndLeaveTheBarAsBuilt) {
    for (QMenu* popup : frame().menuBar()->findChildren<QMenu*>())
        lookAt(*popup);
    EXPECT_FALSE(findCommand(frame(), ID_SHOW_PATH).action->isEnabled());
    EXPECT_TRUE(findCommand(frame(), ID_WORD_LIST).action->isEnabled());
    EXPECT_FALSE(findCommand(frame(), ID_FILE_MRU_FILE1).action->isEnabled());
    EXPECT_TRUE(findCommand(frame(), ID_FILE_SAVE).action->isEnabled());
    QMenu& settings = *qobject_cast<QMenu*>(popupOf(ID_FONT_GOTHIC).parent());
    EXPECT_EQ(platform::commandIdOf(*settings.actions().back()), ID_CHILD_MODE);
}

TEST_F(Menus, ExactlyOneFaceAndOneLevelCarryTheCheckAfterEachChoice) {
    game.openWords({{"山", "やま", "mountain"}});
    const struct {
        std::vector<int> chosen;
        int face, level;
    } cases[] = {
        {{}, ID_FONT_GOTHIC, ID_LEVEL_2},
        {{ID_FONT_MINCHO, ID_FONT_MINCHO}, ID_FONT_MINCHO, ID_LEVEL_2},
        {{ID_LEVEL_3, ID_LEVEL_3}, ID_FONT_GOTHIC, ID_LEVEL_3},
        {{ID_LEVEL_3, ID_FONT_MINCHO, ID_LEVEL_1}, ID_FONT_MINCHO, ID_LEVEL_1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.chosen.size());
        thePuzzle.fontFace = "ＭＳ ゴシック";
        thePuzzle.difficulty = 2;
        for (int id : c.chosen)
            choose(frame(), id);
        lookAt(popupOf(ID_FONT_GOTHIC));
        lookAt(popupOf(ID_LEVEL_1));
        for (int id : {ID_FONT_GOTHIC, ID_FONT_MINCHO, ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3})
            EXPECT_EQ(checked(id), id == c.face || id == c.level) << id;
    }
}

// Only Ctrl+O of these keys does anything: the edit keys and the pane keys reach commands
// without a handler.
TEST_F(Menus, AcceleratorsReachTheirCommandsAndTheEditAndPaneKeysChangeNothing) {
    game.openWords({{"山", "やま", "mountain"}, {"川", "かわ", "river"}});
    thePuzzle.solvedFlags[2] = 1;
    const QImage board = game.pixels().copy();
    for (const char* keys : {"Ctrl+O", "Ctrl+Z", "Alt+Backspace", "Ctrl+X", "Shift+Del", "Ctrl+C",
                             "Ctrl+Ins", "Ctrl+V", "Shift+Ins", "F6", "Shift+F6"}) {
        SCOPED_TRACE(keys);
        FileDialogScript dialogs; // every dialog cancelled
        QTest::keySequence(&frame(), QKeySequence(keys));
        game.settle();
        using Kinds = std::vector<platform::FileDialogKind>;
        EXPECT_EQ(dialogs.kinds, std::string_view(keys) == "Ctrl+O"
                                     ? Kinds{platform::FileDialogKind::Open}
                                     : Kinds{});
        EXPECT_EQ(game.app().document().path(), game.listPath());
        EXPECT_EQ(theWordList[2].kanji, platform::sjis("川"));
        EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
        EXPECT_EQ(game.pixels(), board);
        EXPECT_TRUE(messages.texts.empty());
    }
}

} // namespace
