// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The frame's commands as the user reaches them, through real QActions, real popups and real
// key presses: the menu bar, its check marks and accelerator keys; new, open, save and the
// recently-used files, the question about unsaved changes, and saves that fail; help, about and
// the path message.
#include "app/commands.h"
#include "platform/modal.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <sys/resource.h>

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

// The update that runs as popups open must leave the bar's own items as they were built; the
// recent files' placeholder stands greyed while no file was used; child mode ends the settings.
TEST_F(Commands, PopupsBringTheirItemsUpToDateAndLeaveTheBarAsBuilt) {
    for (QMenu* popup : frame().menuBar()->findChildren<QMenu*>())
        lookAt(*popup);
    for (const auto& [id, enabled] :
         {std::pair(ID_SHOW_PATH, false), std::pair(ID_WORD_LIST, true),
          std::pair(ID_FILE_MRU_FILE1, false), std::pair(ID_FILE_SAVE, true)})
        EXPECT_EQ(findCommand(frame(), id).action->isEnabled(), enabled) << id;
    QMenu& settings = *qobject_cast<QMenu*>(popupOf(ID_FONT_GOTHIC).parent());
    EXPECT_EQ(platform::commandIdOf(*settings.actions().back()), ID_CHILD_MODE);
}

TEST_F(Commands, ExactlyOneFaceAndOneLevelCarryTheCheckAfterEachChoice) {
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
            EXPECT_EQ(findCommand(frame(), id).action->isChecked(), id == c.face || id == c.level)
                << id;
    }
}

// Only Ctrl+O of these keys does anything: the edit keys and the pane keys reach commands
// without a handler.
TEST_F(Commands, AcceleratorsReachTheirCommandsAndTheEditAndPaneKeysChangeNothing) {
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
        EXPECT_EQ(document().path(), game.listPath());
        EXPECT_EQ(theWordList[2].kanji, sjis("川"));
        EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
        EXPECT_EQ(game.pixels(), board);
        EXPECT_TRUE(messages.texts.empty());
    }
}

// New keeps the words and marks but drops the name: the next save asks for one, and a saved
// list closes without a question.
TEST_F(Commands, NewKeepsWordsAndMarksAndTheNextSaveAsksForAName) {
    game.openWords({{"山", "やま", "mountain"}, {"川", "かわ", "river"}});
    thePuzzle.solvedFlags[2] = 1;
    press(Qt::Key_N);
    EXPECT_EQ(theWordList[2].kanji, sjis("川"));
    EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
    EXPECT_EQ(frame().windowTitle().toStdString(), "トルベ[*] - Torvex");

    editFirstWord();
    TempFile target("", "saved.txt");
    FileDialogScript dialogs({target.path()});
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.kinds, std::vector{platform::FileDialogKind::Save});
    EXPECT_EQ(fileBytes(target.path()),
              wordListBytes({{"変", "やま", "mountain"}, {"川", "かわ", "river"}}));
    EXPECT_EQ(document().path(), target.path());
    EXPECT_TRUE(close()); // a question now would fail the test and cancel the close
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

// While it lives, `resource` is limited to `amount` more than is used now (files: bytes): a
// write or an allocation beyond fails instead of killing the test.
class ResourceLimit {
  public:
    ResourceLimit(int resource, rlim_t amount)
        : resource_(resource), previousHandler_(std::signal(SIGXFSZ, SIG_IGN)) {
        getrlimit(resource_, &old_);
        rlim_t used = 0;
        if (resource == RLIMIT_AS)
            std::ifstream("/proc/self/statm") >> used;
        const rlimit limit{used * static_cast<rlim_t>(getpagesize()) + amount, old_.rlim_max};
        setrlimit(resource_, &limit);
    }
    ~ResourceLimit() {
        setrlimit(resource_, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    int resource_;
    void (*previousHandler_)(int);
    rlimit old_{};
};

TEST_F(Commands, ASaveThatFailsIsReportedAndLeavesTheOldFileByteForByte) {
    TempFile list(listOf("山"));
    ASSERT_TRUE(document().open(list.path()));
    editFirstWord();
    // A gloss of a megabyte makes the new file far larger than the limit below.
    theWordList[1].english = std::string(1 << 20, 'x');
    {
        ResourceLimit limit(RLIMIT_FSIZE, 64 * 1024);
        press(Qt::Key_S);
    }
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(list.path()), std::string::npos);
    EXPECT_EQ(fileBytes(list.path()), listOf("山"));
    EXPECT_EQ(document().path(), list.path());
    EXPECT_TRUE(document().modified());
    // Nothing half-written is left beside the list.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(list.folder()), {}), 1);
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
        if (action == Close || action == Exit)
            EXPECT_EQ(closed, !cancelled);
        else
            EXPECT_EQ(document().path(), cancelled       ? edited.path()
                                         : action == New ? ""
                                                         : other.path());
        const bool read = !cancelled && (action == Open || action == Recent);
        EXPECT_EQ(theWordList[1].kanji, sjis(read ? "他" : "変"));
        document().setModified(false);
    }
}

// Through the open command a UTF-8 list is read whole, to its 150th line, play starts again with
// no word solved, and a save writes the edited word back in UTF-8 with its mark.
TEST_F(Commands, AUtf8ListOpensWholeRestartsPlayAndIsSavedInUtf8) {
    std::string bytes = "\xEF\xBB\xBF";
    for (int k = 1; k <= kWordCount; ++k)
        bytes += (k == 1 ? "山" : "川") + std::string("\nかわ\n") + (k == 50 ? "last" : "") + "\n";
    TempFile list(bytes);
    theWordList[0].kanji = "zero";
    theWordList[77].kanji = "far";
    for (int k : {0, 9, 50})
        thePuzzle.solvedFlags[k] = 1;
    thePuzzle.currentEntry = 12;
    FileDialogScript dialogs({list.path()});
    choose(frame(), ID_FILE_OPEN);
    EXPECT_EQ(theWordList[50].english, "last");
    EXPECT_EQ(
        std::tie(thePuzzle.solvedFlags[0], thePuzzle.solvedFlags[9], thePuzzle.solvedFlags[50]),
        std::make_tuple(1, 0, 0));
    EXPECT_EQ(thePuzzle.currentEntry, 1);
    EXPECT_EQ(std::tie(theWordList[0].kanji, theWordList[77].kanji),
              std::make_tuple("zero", "far"));
    editFirstWord();
    EXPECT_TRUE(frame().isWindowModified());
    press(Qt::Key_S);
    EXPECT_FALSE(frame().isWindowModified());
    EXPECT_EQ(fileBytes(list.path()), "\xEF\xBB\xBF変" + bytes.substr(6));
    EXPECT_TRUE(messages.texts.empty());
}

// A list is held once while it is read: 40 MB without a line end open in 100 MB more memory,
// and a file too large for the memory left is reported like any unreadable one.
TEST_F(Commands, AHugeListIsHeldOnceAndOneTooLargeForMemoryIsReported) {
#ifdef TORVEX_SANITIZED
    GTEST_SKIP() << "sanitizer runtimes do not throw std::bad_alloc";
#endif
    game.openWords({{"山", "やま", "mountain"}});
    TempFile big(""), huge("");
    std::filesystem::resize_file(big.path(), 40 << 20);
    std::filesystem::resize_file(huge.path(), 1ull << 30);
    {
        ResourceLimit limit(RLIMIT_AS, 100 << 20);
        EXPECT_FALSE(document().open(huge.path()));
        EXPECT_TRUE(document().open(big.path()));
    }
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[0].find("メモリー"), std::string::npos) << messages.texts[0];
    EXPECT_EQ(theWordList[1].kanji, sjis("異常Data"));
}

// Qt's own dialogs speak Japanese like the game: the save question and the file dialog.
TEST_F(Commands, TheSaveQuestionAndTheFileDialogAreInJapanese) {
    // The visible buttons of the dialog that opens next, in order of their texts; the dialog is
    // then closed.
    const auto buttonsOfNextDialog = [](QStringList& texts) {
        QTimer::singleShot(0, [&texts] {
            QWidget* dialog = QApplication::activeModalWidget();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isVisible())
                    texts << button->text();
            texts.sort();
            static_cast<QDialog*>(dialog)->reject();
        });
    };
    QStringList question, open;
    platform::setSaveQuestionHook({}); // the real dialogs, closed by the timer above
    platform::setFileDialogHook({});
    editFirstWord();
    buttonsOfNextDialog(question);
    EXPECT_FALSE(close());
    buttonsOfNextDialog(open);
    platform::askFileName(platform::FileDialogKind::Open, "");
    EXPECT_EQ(question, QStringList({"キャンセル", "保存", "変更を破棄"}));
    EXPECT_EQ(open, QStringList({"キャンセル", "開く(&O)"}));
    document().setModified(false);
    failOnUnexpectedFileDialogs();
}

// The help is read from the folder of start-up, not the current one: the game starts in
// `folder` here, but the help is asked for from the test's own folder. The page shows in the
// game's own window, its text round a missing picture included; a page that cannot be read is
// told with its full path.
TEST(Help, ShowsThePageOfTheStartFolderInItsOwnWindowOrSaysWhyNot) {
    const std::string longName(120, 'L');
    const struct {
        fs::path folder;
        bool hasPage;
    } cases[] = {
        {"#1 ?with \"double\" and 'single' quotes", true},
        {fs::path(longName) / longName / longName, true},
        {"no help at all", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.folder.string());
        TempFolder scratch;
        const fs::path folder = scratch.path() / c.folder;
        const fs::path page = folder / "読んでね。.html";
        fs::create_directories(folder);
        if (c.hasPage)
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
        if (c.hasPage) {
            ASSERT_TRUE(shown);
            EXPECT_TRUE(shown->toPlainText().startsWith("かえる"));
            EXPECT_TRUE(shown->toPlainText().endsWith("の本"));
            EXPECT_TRUE(messages.texts.empty());
            delete shown;
        } else {
            EXPECT_FALSE(shown);
            ASSERT_EQ(messages.texts.size(), 1u);
            EXPECT_NE(messages.texts[0].find(page.string()), std::string::npos);
        }
    }
}

// The about box shows the icon left of its text, centred on the window, and closes with its one
// button; the path message tells the program file's full path.
TEST_F(Commands, AboutAndShowPathTellWhatAndWhereTheProgramIs) {
    const QImage board = game.pixels().copy();
    int shown = 0;
    platform::setModalHook([&](QDialog& dialog) {
        ++shown;
        auto labels = dialog.findChildren<QLabel*>();
        std::ranges::sort(labels, {}, [](const QLabel* label) { return label->x(); });
        std::vector<std::string> texts; // from left to right
        for (const QLabel* label : labels)
            texts.push_back(label->pixmap().isNull() ? label->text().toStdString() : "<icon>");
        texts.resize(2);
        EXPECT_EQ(texts[0], "<icon>");
        EXPECT_FALSE(texts[1].empty());
        const QPoint offset = dialog.frameGeometry().center() - frame().frameGeometry().center();
        EXPECT_LE(offset.manhattanLength(), 2) << offset.x() << "," << offset.y();
        const auto buttons = dialog.findChildren<QPushButton*>();
        EXPECT_EQ(buttons.size(), 1);
        EXPECT_TRUE(buttons.front()->isDefault());
        QTest::mouseClick(buttons.front(), Qt::LeftButton);
        EXPECT_EQ(dialog.result(), QDialog::Accepted);
        return dialog.result();
    });
    choose(frame(), ID_APP_ABOUT);
    failOnUnexpectedModals();
    EXPECT_EQ(shown, 1);
    game.settle();
    EXPECT_EQ(game.pixels(), board);
    frame().sendCommand(ID_SHOW_PATH);
    const std::string path = QCoreApplication::applicationFilePath().toStdString();
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_NE(messages.texts[0].find(path), std::string::npos);
}

} // namespace
