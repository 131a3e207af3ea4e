// The main frame's menu bar, check marks and accelerator keys, driven through real QActions,
// real popups and real key presses.
#include "app/commands.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QTest>

using namespace testing_support;

namespace {

// "-" for a separator, "[title]" for a popup, otherwise "text #id", greyed ones marked.
std::vector<std::string> describe(const QWidget& container) {
    std::vector<std::string> items;
    for (const QAction* action : container.actions()) {
        if (action->isSeparator())
            items.push_back("-");
        else if (action->menu())
            items.push_back("[" + action->text().toStdString() + "]");
        else if (action->isVisible())
            items.push_back(action->text().toStdString() + " #" +
                            std::to_string(platform::commandIdOf(*action)) +
                            (action->isEnabled() ? "" : " (greyed)"));
    }
    return items;
}

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

// The update that runs as popups open must leave the bar's own items as they were built.
TEST_F(Menus, BarAndPopupsHoldTheirItemsInOrderAfterEveryPopupWasOpened) {
    QMenu& faces = popupOf(ID_FONT_GOTHIC);
    QMenu& settings = *qobject_cast<QMenu*>(faces.parent());
    for (QMenu* popup : frame().menuBar()->findChildren<QMenu*>())
        lookAt(*popup);
    const std::vector<std::pair<const QWidget*, std::vector<std::string>>> expected = {
        {frame().menuBar(),
         {"[ﾌｧｲﾙ(&F)]", "[ﾍﾙﾌﾟ(&H)]", "-", "　 #32771 (greyed)", "-", "漢字入力(&i) #32772", "-",
          "　つぎへ(&n)＞＞　 #32774", "-", "　＜＜もどる(&b)　 #32778", "-", "[　設定(&S)]", "-"}},
        {&popupOf(ID_FILE_OPEN),
         {"データ読込み(&O) \tCtrl+O #57601", "漢字入力データに名前を付けて保存(&A) #57604",
          "漢字入力データの上書き保存(注意)(&S)\tCtrl+S #57603", "-",
          "最近使ったﾌｧｲﾙ #57616 (greyed)", "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) #57665"}},
        {&popupOf(ID_HELP_USAGE),
         {"トルベの使い方。 #32784", "Torvex のﾊﾞｰｼﾞｮﾝ情報(&A)... #57664"}},
        {&settings, {"[ふぉんと種類]", "[難易度]"}},
        {&faces, {"ＭＳ ゴシック #32779", "ＭＳ 明朝 #32780"}},
        {&popupOf(ID_LEVEL_1), {"一歳 #32781", "二歳 #32782", "三歳 #32783"}},
    };
    for (const auto& [container, items] : expected)
        EXPECT_EQ(describe(*container), items);
}

TEST_F(Menus, ExactlyOneFaceAndOneLevelCarryTheCheckAfterEachChoice) {
    const struct {
        std::vector<int> chosen;
        int face, level;
    } cases[] = {
        {{}, ID_FONT_GOTHIC, ID_LEVEL_2},
        {{ID_FONT_MINCHO, ID_FONT_MINCHO}, ID_FONT_MINCHO, ID_LEVEL_2},
        {{ID_FONT_MINCHO, ID_FONT_GOTHIC}, ID_FONT_GOTHIC, ID_LEVEL_2},
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

TEST_F(Menus, SettingsSetTheWordOnTheBoardUpAgainAtOnce) {
    game.openWords({{"山", "やま", "mountain"}});
    const QImage before = game.pixels().copy();
    choose(frame(), ID_LEVEL_3);
    choose(frame(), ID_FONT_MINCHO);
    game.settle();
    EXPECT_EQ(thePuzzle.difficulty, 3);
    EXPECT_EQ(thePuzzle.fontFace, "ＭＳ 明朝");
    EXPECT_NE(game.pixels(), before);
    EXPECT_TRUE(game.showsItsState());
}

TEST_F(Menus, ItemsOnTheBarActAtOnceWhenClickedAndTheBlankOneCannotBeChosen) {
    QMenuBar& bar = *frame().menuBar();
    const auto click = [&](int id) {
        QAction* item = findCommand(frame(), id).action;
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(item).center());
        game.settle();
    };
    click(ID_NEXT_WORD);
    click(ID_NEXT_WORD);
    EXPECT_EQ(thePuzzle.currentEntry, 3);
    click(ID_PREV_WORD);
    EXPECT_EQ(thePuzzle.currentEntry, 2);
    click(ID_SHOW_PATH);
    EXPECT_TRUE(messages.texts.empty());
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
        EXPECT_EQ(dialogs.kinds,
                  keys == std::string("Ctrl+O") ? Kinds{platform::FileDialogKind::Open} : Kinds{});
        EXPECT_EQ(game.app().document().path(), game.listPath());
        EXPECT_EQ(theWordList[2].kanji, platform::sjis("川"));
        EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
        EXPECT_EQ(game.pixels(), board);
        EXPECT_TRUE(messages.texts.empty());
    }
}

} // namespace
