// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's commands as the user reaches them, through real QActions, real popups and real
// key presses: the menu bar, its check marks and accelerator keys; new, open, save and the
// recently-used files, the question about unsaved changes, and the help page. (Saves that fail
// are the bad input tests'.)
#include "support/shell_support.h"

#include <QCloseEvent>
#include <QLineEdit>
#include <QShortcut>
#include <QTextBrowser>
#include <set>

using namespace app;
using namespace board;
using namespace wordlist;

using namespace testing_support;
using platform::SaveAnswer;
using platform::sjis;
namespace fs = std::filesystem;

namespace {

// A word list whose first word is `kanji`.
std::string listOf(const std::string& kanji) {
    return wordListBytes({{kanji, "よみ", "gloss"}});
}

class Commands : public ::testing::Test {
  protected:
    void SetUp() override { clearRecentFiles(); }
    void TearDown() override { clearRecentFiles(); }
    platform::FrameWindow& frame() { return game.app().frame(); }
    platform::Document& document() { return game.app().document(); }
    QMenu& popupOf(int id) { return *findCommand(frame(), id).popup; }
    void press(Qt::Key key) {
        QTest::keyClick(&frame(), key, Qt::ControlModifier);
        game.settle();
    }
    bool close() {
        QCloseEvent close;
        QApplication::sendEvent(&frame(), &close);
        return close.isAccepted();
    }
    // An edit of the open list that has not been saved.
    void editFirstWord() {
        theWordList[1].kanji = sjis("変");
        document().setModified(true);
    }
    // Texts of the recent files the File popup shows, looking one place past the four it may.
    std::vector<std::string> recentItems() {
        QMenu& file = popupOf(ID_FILE_OPEN);
        lookAt(file);
        std::vector<std::string> texts;
        for (int i = 0; i < 5; ++i)
            if (QAction* item = findCommand(file, ID_FILE_MRU_FILE1 + i).action;
                item && item->isEnabled())
                texts.push_back(item->text().toStdString());
        return texts;
    }

    RunningApp game;
    MessageRecorder messages;
};

// What the game looks like from outside, field by field: an item's command is told by the
// fields its click changes.
std::map<std::string, std::string> observed(RunningApp& game, const FileDialogScript& dialogs,
                                            const SaveQuestionScript& question,
                                            const MessageRecorder& messages,
                                            const std::string& modal) {
    platform::FrameWindow& frame = game.app().frame();
    std::string dialogKinds, checked;
    for (platform::FileDialogKind kind : dialogs.kinds)
        dialogKinds += kind == platform::FileDialogKind::Open ? "open" : "save";
    for (QMenu* popup : frame.menuBar()->findChildren<QMenu*>()) {
        lookAt(*popup);
        for (const QAction* item : popup->actions())
            checked += item->isChecked() ? item->text().toStdString() + ";" : "";
    }
    return {
        {"checked", checked},
        {"entry", std::to_string(thePuzzle.currentEntry)},
        {"face", thePuzzle.fontFace},
        {"level", std::to_string(thePuzzle.difficulty)},
        {"solved", std::to_string(thePuzzle.solvedFlags[1])},
        {"word", platform::sjisToUtf8Lossy(theWordList[1].kanji)},
        {"title", frame.windowTitle().toStdString()},
        {"dialogs", dialogKinds},
        {"asked", std::to_string(question.asked)},
        {"path", game.app().document().path() == game.listPath() ? "list" : "other"},
        {"file", fileBytes(game.listPath()).find(sjis("変")) == std::string::npos ? "old" : "new"},
        {"messages", std::to_string(messages.texts.size())},
        {"modal", modal},
        {"window", !frame.isVisible()    ? "closed"
                   : frame.inChildMode() ? "child"
                                         : "open"}};
}

// Every item of the menus, clicked on its own, and every accelerator key runs its own command: it
// changes exactly the fields that command changes, the check marks among them. An item left out
// of the table fails. A new list has only its key; the edit and pane keys have no handler.
TEST(Menus, EveryMenuItemAndKeyRunsItsOwnCommand) {
    std::map<std::string, std::string> effects = {
        {"key Ctrl+N", "asked=1 path=other title=トルベ[*] - Torvex"},
        {"key Ctrl+O", "asked=1 dialogs=open"},
        {"key Ctrl+S", "file=new"},
        {"データ読込み(&O) ", "asked=1 dialogs=open"},
        {"漢字入力データに名前を付けて保存(&A)", "dialogs=save"},
        {"漢字入力データの上書き保存(注意)(&S)", "file=new"},
        {"&1", "asked=1 entry=1 solved=0 word=山"}, // the list in play, read again from its file
        {"&2", "asked=1 entry=1 path=other solved=0 title=other.txt[*] - Torvex word=他"},
        {"ｱﾌﾟﾘｹｰｼｮﾝの終了(&X)", "asked=1 window=closed"},
        {"ＭＳ 明朝", "checked=ＭＳ 明朝;二歳; face=ＭＳ 明朝"},
        {"ＭＳ ゴシック", ""}, // already chosen
        {"一歳", "checked=ＭＳ ゴシック;一歳; level=1"},
        {"二歳", ""}, // already chosen
        {"三歳", "checked=ＭＳ ゴシック;三歳; level=3"},
        {"きろくを消す", "solved=0"},
        {"こどもモード", "window=child"},
        {"トルベの使い方。", "messages=1"},
        {"Torvex のﾊﾞｰｼﾞｮﾝ情報(&A)...", "modal=about"},
        {"　", ""}, // where the program is: greyed until the parent asks for it
        {"漢字入力(&i)", "modal=list"},
        {"　つぎへ(&n)＞＞　", "entry=3"},
        {"　＜＜もどる(&b)　", "entry=1"},
    };
    for (const char* inert : {"Ctrl+Z", "Alt+Backspace", "Ctrl+X", "Shift+Del", "Ctrl+C",
                              "Ctrl+Ins", "Ctrl+V", "Shift+Ins", "F6", "Shift+F6"})
        effects["key " + std::string(inert)] = "";
    std::set<std::string> clicked;
    for (const auto& effect : effects) {
        // Named, not bound: a lambda below captures it, which clang refuses for a binding.
        const std::string& text = effect.first;
        const auto& expected = effect.second;
        SCOPED_TRACE(text);
        clearRecentFiles();
        RunningApp game;
        TempFile other(listOf("他"), "other.txt");
        ASSERT_TRUE(game.app().document().open(other.path()));
        game.openWords({{"山", "やま", "m"}, {"川", "かわ", "r"}, {"木", "き", "t"}});
        OnNext();
        thePuzzle.solvedFlags[1] = 1;
        theWordList[1].kanji = sjis("変");
        game.app().document().setModified(true);
        FileDialogScript dialogs;
        SaveQuestionScript question(SaveAnswer::Discard);
        MessageRecorder messages;
        std::string modal;
        platform::setModalHook([&](QDialog& dialog) {
            modal = dialog.findChildren<QLineEdit*>().empty() ? "about" : "list";
            return 0;
        });
        const auto before = observed(game, dialogs, question, messages, modal);
        const std::function<void(const QWidget&)> clickIn = [&](const QWidget& container) {
            for (QAction* item : container.actions()) {
                const QString shown = item->text().section('\t', 0, 0);
                const std::string key =
                    (shown.startsWith('&') ? shown.left(2) : shown).toStdString();
                if (item->menu()) {
                    clickIn(*item->menu());
                    continue;
                }
                if (!item->isSeparator() && item->isVisible() && clicked.insert(key).second) {
                    EXPECT_TRUE(effects.contains(key)) << key;
                }
                if (key == text)
                    item->trigger();
            }
        };
        clickIn(*game.app().frame().menuBar());
        for (const QShortcut* shortcut : game.app().frame().findChildren<QShortcut*>()) {
            const std::string key = "key " + shortcut->key().toString().toStdString();
            if (clicked.insert(key).second) {
                EXPECT_TRUE(effects.contains(key)) << key;
            }
            if (key == text)
                QTest::keySequence(&game.app().frame(), shortcut->key());
        }
        game.settle();
        std::string changed;
        for (const auto& [field, value] : observed(game, dialogs, question, messages, modal))
            if (value != before.at(field))
                changed += (changed.empty() ? "" : " ") + field + "=" + value;
        EXPECT_EQ(changed, expected);
        failOnUnexpectedModals();
        game.app().document().setModified(false);
    }
    EXPECT_EQ(clicked.size(), effects.size());
}

// The four newest are listed; the chosen one opens and moves to the top; one that is gone is
// reported and leaves the list. One chosen while an untitled list is saved under a new name
// opens after the save, although the new name then heads the list.
TEST_F(Commands, TheRecentListShowsTheFourNewestAndOpensTheChosenOneOrReportsItGone) {
    std::vector<std::unique_ptr<TempFile>> lists;
    for (const char* kanji : {"一", "二", "三", "四", "五"}) {
        lists.push_back(std::make_unique<TempFile>(listOf(kanji)));
        ASSERT_TRUE(document().open(lists.back()->path()));
    }
    EXPECT_EQ(recentItems(),
              (std::vector<std::string>{"&1 " + lists[4]->path(), "&2 " + lists[3]->path(),
                                        "&3 " + lists[2]->path(), "&4 " + lists[1]->path()}));
    choose(frame(), ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(document().path(), lists[2]->path());
    EXPECT_EQ(theWordList[1].kanji, sjis("三"));
    std::filesystem::remove(lists[4]->path());
    choose(frame(), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(document().path(), lists[2]->path());
    EXPECT_EQ(platform::recentFiles(),
              (std::vector{lists[2]->path(), lists[3]->path(), lists[1]->path()}));
    press(Qt::Key_N);
    editFirstWord();
    const std::string named = (lists[0]->folder() / "named.txt").string();
    SaveQuestionScript question(SaveAnswer::Save);
    FileDialogScript dialogs({named});
    choose(frame(), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(fileBytes(named), listOf("変"));
    EXPECT_EQ(document().path(), lists[3]->path());
    EXPECT_EQ(theWordList[1].kanji, sjis("四"));
}

enum class Replace { Close, Exit, Open, Recent, New };

TEST_F(Commands, UnsavedEditsAreAskedAboutBeforeTheListIsClosedOrReplaced) {
    using enum Replace;
    using enum SaveAnswer;
    const std::pair<Replace, SaveAnswer> cases[] = {
        {Close, Save},   {Close, Discard}, {Close, Cancel}, {Exit, Cancel},    {Open, Save},
        {Open, Discard}, {Open, Cancel},   {Recent, Save},  {Recent, Discard}, {Recent, Cancel},
        {New, Save},     {New, Discard},   {New, Cancel},
    };
    for (const auto& [action, answer] : cases) {
        SCOPED_TRACE(::testing::Message()
                     << "action " << int(action) << ", answer " << int(answer));
        TempFile other(listOf("他")), edited(listOf("山"));
        ASSERT_TRUE(document().open(other.path()));
        ASSERT_TRUE(document().open(edited.path()));
        editFirstWord();
        SaveQuestionScript question(answer);
        FileDialogScript dialogs({other.path()});
        bool closed = false;
        if (action == Close) {
            closed = close();
        } else if (action == Exit) {
            choose(frame(), ID_APP_EXIT);
            closed = !frame().isVisible();
        } else if (action == New) {
            press(Qt::Key_N);
        } else {
            choose(frame(), action == Open ? ID_FILE_OPEN : ID_FILE_MRU_FILE1 + 1);
        }
        const bool cancelled = answer == Cancel;
        EXPECT_EQ(question.asked, 1);
        EXPECT_EQ(fileBytes(edited.path()), listOf(answer == Save ? "変" : "山"));
        if (action == Close || action == Exit) {
            EXPECT_EQ(closed, !cancelled);
        } else {
            EXPECT_EQ(document().path(), cancelled       ? edited.path()
                                         : action == New ? ""
                                                         : other.path());
            EXPECT_EQ(frame().isWindowModified(), cancelled); // the title's asterisk
        }
        const bool read = !cancelled && (action == Open || action == Recent);
        EXPECT_EQ(theWordList[1].kanji, sjis(read ? "他" : "変"));
        document().setModified(false);
    }
    // Answered Save, a save that does not happen (no name given for a new list) keeps the window
    // and the edit.
    press(Qt::Key_N);
    editFirstWord();
    SaveQuestionScript question(Save);
    FileDialogScript dialogs;
    choose(frame(), ID_APP_EXIT);
    EXPECT_TRUE(frame().isVisible());
    EXPECT_TRUE(frame().isWindowModified());
}

// The help is read from the folder of start-up, not the current one: the game starts in a
// folder with quotes in its name here, but the help is asked for from the test's own folder. The
// page shows in the game's own window, its text round a missing picture included; a page that
// cannot be read is told with its full path.
TEST(Help, ShowsThePageOfTheStartFolderInItsOwnWindowOrSaysWhyNot) {
    for (const bool hasPage : {true, false}) {
        SCOPED_TRACE(hasPage);
        TempFolder scratch;
        const fs::path folder = scratch.path() / "#1 ?with \"double\" and 'single' quotes";
        const fs::path page = folder / "読んでね。.html";
        fs::create_directories(folder);
        if (hasPage)
            std::ofstream(page) << "<p>かえる<img src=\"help/gone.png\">の本</p>";
        const auto game = [&] {
            CurrentFolder current(folder);
            return std::make_unique<RunningApp>();
        }();
        MessageRecorder messages;
        choose(game->app().frame(), ID_HELP_USAGE);
        QTextBrowser* shown = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* browser = qobject_cast<QTextBrowser*>(window);
                browser && browser->isVisible())
                shown = browser;
        ASSERT_EQ(shown != nullptr, hasPage);
        ASSERT_EQ(messages.texts.size(), hasPage ? 0u : 1u);
        if (hasPage)
            EXPECT_TRUE(shown->toPlainText().startsWith("かえる") &&
                        shown->toPlainText().endsWith("の本"));
        else
            EXPECT_NE(messages.texts[0].find(page.string()), std::string::npos);
        delete shown;
    }
}

} // namespace
