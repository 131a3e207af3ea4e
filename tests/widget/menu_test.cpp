// The main frame's menu bar, check marks and accelerator keys, driven through real QActions,
// real popups and real key presses.
#include "app/commands.h"
#include "board/puzzle_state.h"
#include "platform/sjis.h"
#include "support/shell_support.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QTest>
#include <gtest/gtest.h>

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

QMenu* popupTitled(const QWidget& container, const QString& title) {
    for (const QAction* action : container.actions())
        if (action->menu() && action->text() == title)
            return action->menu();
    return nullptr;
}

class Menus : public ::testing::Test {
  protected:
    void SetUp() override { clearRecentFiles(); }
    void TearDown() override { clearRecentFiles(); }
    platform::FrameWindow& frame() { return game.app().frame(); }
    bool checked(int id) { return findCommand(frame(), id).action->isChecked(); }

    RunningApp game;
    MessageRecorder messages;
};

TEST_F(Menus, BarAndPopupsHoldTheirItemsInOrderAfterEveryPopupWasOpened) {
    QMenuBar& bar = *frame().menuBar();
    QMenu* file = popupTitled(bar, "ﾌｧｲﾙ(&F)");
    QMenu* help = popupTitled(bar, "ﾍﾙﾌﾟ(&H)");
    QMenu* settings = popupTitled(bar, "　設定(&S)");
    ASSERT_TRUE(file && help && settings);
    QMenu* faces = popupTitled(*settings, "ふぉんと種類");
    QMenu* levels = popupTitled(*settings, "難易度");
    ASSERT_TRUE(faces && levels);
    // The update that runs as popups open must leave the bar's own items as they were built.
    for (QMenu* popup : {file, help, settings, faces, levels})
        lookAt(*popup);

    const std::vector<std::pair<const QWidget*, std::vector<std::string>>> expected = {
        {&bar,
         {"[ﾌｧｲﾙ(&F)]", "[ﾍﾙﾌﾟ(&H)]", "-", "　 #32771 (greyed)", "-", "漢字入力(&i) #32772", "-",
          "　つぎへ(&n)＞＞　 #32774", "-", "　＜＜もどる(&b)　 #32778", "-", "[　設定(&S)]", "-"}},
        {file,
         {"データ読込み(&O) \tCtrl+O #57601", "漢字入力データに名前を付けて保存(&A) #57604",
          "漢字入力データの上書き保存(注意)(&S)\tCtrl+S #57603", "-",
          "最近使ったﾌｧｲﾙ #57616 (greyed)", "-", "ｱﾌﾟﾘｹｰｼｮﾝの終了(&X) #57665"}},
        {help, {"トルベの使い方。 #32784", "Torvex のﾊﾞｰｼﾞｮﾝ情報(&A)... #57664"}},
        {settings, {"[ふぉんと種類]", "[難易度]"}},
        {faces, {"ＭＳ ゴシック #32779", "ＭＳ 明朝 #32780"}},
        {levels, {"一歳 #32781", "二歳 #32782", "三歳 #32783"}},
    };
    for (const auto& [container, items] : expected)
        EXPECT_EQ(describe(*container), items);
}

TEST_F(Menus, ExactlyOneFaceAndOneLevelCarryTheCheckAfterEachChoice) {
    struct Case {
        const char* name;
        std::vector<int> chosen;
        int face;
        int level;
    };
    const Case cases[] = {
        {"at start", {}, ID_FONT_GOTHIC, ID_LEVEL_2},
        {"mincho", {ID_FONT_MINCHO}, ID_FONT_MINCHO, ID_LEVEL_2},
        {"mincho twice", {ID_FONT_MINCHO, ID_FONT_MINCHO}, ID_FONT_MINCHO, ID_LEVEL_2},
        {"back to gothic", {ID_FONT_MINCHO, ID_FONT_GOTHIC}, ID_FONT_GOTHIC, ID_LEVEL_2},
        {"level one", {ID_LEVEL_1}, ID_FONT_GOTHIC, ID_LEVEL_1},
        {"level three twice", {ID_LEVEL_3, ID_LEVEL_3}, ID_FONT_GOTHIC, ID_LEVEL_3},
        {"both", {ID_LEVEL_3, ID_FONT_MINCHO, ID_LEVEL_1}, ID_FONT_MINCHO, ID_LEVEL_1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        thePuzzle.fontFace = "ＭＳ ゴシック";
        thePuzzle.difficulty = 2;
        for (int id : c.chosen)
            choose(frame(), id);
        lookAt(*findCommand(frame(), ID_FONT_GOTHIC).popup);
        lookAt(*findCommand(frame(), ID_LEVEL_1).popup);
        for (int id : {ID_FONT_GOTHIC, ID_FONT_MINCHO})
            EXPECT_EQ(checked(id), id == c.face) << id;
        for (int id : {ID_LEVEL_1, ID_LEVEL_2, ID_LEVEL_3})
            EXPECT_EQ(checked(id), id == c.level) << id;
    }
}

TEST_F(Menus, SettingsChangeNothingOnTheBoardUntilTheNextSetUp) {
    TempFile list(wordListBytes({{"山", "やま", "mountain"}}));
    ASSERT_TRUE(game.app().document().open(list.path()));
    game.settle();
    const QImage before = game.pixels().copy();
    choose(frame(), ID_LEVEL_3);
    choose(frame(), ID_FONT_MINCHO);
    game.settle();
    EXPECT_EQ(thePuzzle.difficulty, 3);
    EXPECT_EQ(thePuzzle.fontFace, "ＭＳ 明朝");
    EXPECT_EQ(game.pixels(), before);
}

TEST_F(Menus, ItemsOnTheBarActAtOnceWhenClickedAndTheBlankOneCannotBeChosen) {
    QMenuBar& bar = *frame().menuBar();
    const auto click = [&](int id) {
        QAction* item = findCommand(frame(), id).action;
        QTest::mouseClick(&bar, Qt::LeftButton, {}, bar.actionGeometry(item).center());
        game.settle();
    };
    click(ID_NEXT_WORD);
    EXPECT_EQ(thePuzzle.currentEntry, 2);
    click(ID_PREV_WORD);
    click(ID_PREV_WORD);
    EXPECT_EQ(thePuzzle.currentEntry, 50);
    click(ID_SHOW_PATH);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(Menus, AcceleratorsReachTheirCommandsAndTheEditAndPaneKeysChangeNothing) {
    TempFile list(wordListBytes({{"山", "やま", "mountain"}, {"川", "かわ", "river"}}));
    ASSERT_TRUE(game.app().document().open(list.path()));
    thePuzzle.solvedFlags[2] = 1;
    game.settle();
    const QImage board = game.pixels().copy();
    struct Case {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        std::vector<platform::FileDialogKind> asked;
    };
    const Case cases[] = {
        {Qt::Key_O, Qt::ControlModifier, {platform::FileDialogKind::Open}},
        {Qt::Key_Z, Qt::ControlModifier, {}},
        {Qt::Key_Backspace, Qt::AltModifier, {}},
        {Qt::Key_X, Qt::ControlModifier, {}},
        {Qt::Key_Delete, Qt::ShiftModifier, {}},
        {Qt::Key_C, Qt::ControlModifier, {}},
        {Qt::Key_Insert, Qt::ControlModifier, {}},
        {Qt::Key_V, Qt::ControlModifier, {}},
        {Qt::Key_Insert, Qt::ShiftModifier, {}},
        {Qt::Key_F6, Qt::NoModifier, {}},
        {Qt::Key_F6, Qt::ShiftModifier, {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QKeySequence(c.key | c.modifiers).toString().toStdString());
        FileDialogScript dialogs; // every dialog cancelled
        QTest::keyClick(&frame(), c.key, c.modifiers);
        game.settle();
        EXPECT_EQ(dialogs.kinds, c.asked);
        EXPECT_EQ(game.app().document().path(), list.path());
        EXPECT_EQ(theWordList[2].kanji, platform::sjis("川"));
        EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
        EXPECT_EQ(game.pixels(), board);
        EXPECT_TRUE(messages.texts.empty());
    }
}

} // namespace
