// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The file commands as the user reaches them: new, open, save and the recently-used files, the
// question about unsaved changes, and saves that fail.
#include "app/commands.h"
#include "support/shell_support.h"
#include "support/test_support.h"

#include <QCloseEvent>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <csignal>
#include <fstream>
#include <sys/resource.h>

using namespace testing_support;
using platform::SaveAnswer;
using platform::sjis;

namespace {

// A word list whose first word is `kanji`.
std::string listOf(const std::string& kanji) {
    return wordListBytes({{kanji, "よみ", "gloss"}});
}

class FileCommands : public ::testing::Test {
  protected:
    void SetUp() override { clearRecentFiles(); }
    void TearDown() override { clearRecentFiles(); }
    platform::FrameWindow& frame() { return game.app().frame(); }
    platform::Document& document() { return game.app().document(); }
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
        QMenu& file = *findCommand(frame(), ID_FILE_OPEN).popup;
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

// New keeps the words and marks but drops the name: the next save asks for one, and a saved
// list closes without a question.
TEST_F(FileCommands, NewKeepsWordsAndMarksAndTheNextSaveAsksForAName) {
    game.openWords({{"山", "やま", "mountain"}, {"川", "かわ", "river"}});
    thePuzzle.solvedFlags[2] = 1;
    press(Qt::Key_N);
    EXPECT_EQ(theWordList[2].kanji, sjis("川"));
    EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
    EXPECT_EQ(frame().windowTitle().toStdString(), "トルベ - Torvex");

    editFirstWord();
    TempFile target("", "saved.txt");
    FileDialogScript dialogs({target.path()});
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.kinds, std::vector{platform::FileDialogKind::Save});
    EXPECT_EQ(fileBytes(target.path()),
              wordListBytes({{"変", "やま", "mountain"}, {"川", "かわ", "river"}}));
    EXPECT_EQ(document().path(), target.path());
    SaveQuestionScript question(SaveAnswer::Cancel);
    EXPECT_TRUE(close());
    EXPECT_EQ(question.asked, 0);
}

TEST_F(FileCommands, TheRecentListShowsTheFourNewestAndOpensTheChosenOne) {
    EXPECT_TRUE(recentItems().empty());
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
    EXPECT_EQ(platform::recentFiles().front(), lists[2]->path());
}

TEST_F(FileCommands, ARecentFileThatIsGoneIsReportedAndLeavesTheList) {
    TempFile gone(listOf("一")), kept(listOf("二"));
    ASSERT_TRUE(document().open(gone.path()));
    ASSERT_TRUE(document().open(kept.path()));
    std::filesystem::remove(gone.path());
    choose(frame(), ID_FILE_MRU_FILE1 + 1);
    EXPECT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(document().path(), kept.path());
    EXPECT_EQ(platform::recentFiles(), std::vector{kept.path()});
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

TEST_F(FileCommands, ASaveThatFailsIsReportedAndLeavesTheOldFileByteForByte) {
    TempFile list(listOf("山"));
    ASSERT_TRUE(document().open(list.path()));
    editFirstWord();
    // A gloss of a megabyte makes the new file far larger than the limit below.
    theWordList[1].english = std::string(1 << 20, 'x');
    {
        ResourceLimit limit(RLIMIT_FSIZE, 64 * 1024);
        press(Qt::Key_S);
    }
    {
        FileDialogScript dialogs({(list.folder() / "missing/words.txt").string()});
        choose(frame(), ID_FILE_SAVE_AS);
    }
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[0].find(list.path()), std::string::npos);
    EXPECT_NE(messages.texts[1].find("missing/words.txt"), std::string::npos);
    EXPECT_EQ(fileBytes(list.path()), listOf("山"));
    EXPECT_EQ(document().path(), list.path());
    EXPECT_TRUE(document().modified());
    // Nothing half-written is left beside the list.
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(list.folder()), {}), 1);
}

enum class Replace { Close, Exit, Open, Recent, New };

TEST_F(FileCommands, UnsavedEditsAreAskedAboutBeforeTheListIsClosedOrReplaced) {
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

TEST_F(FileCommands, ARecentFileChosenWhileUntitledOpensAfterSavingUnderANewName) {
    TempFile second(listOf("二")), first(listOf("一"));
    ASSERT_TRUE(document().open(second.path()));
    ASSERT_TRUE(document().open(first.path()));
    press(Qt::Key_N);
    editFirstWord();
    const std::string named = (first.folder() / "named.txt").string();
    SaveQuestionScript question(SaveAnswer::Save);
    FileDialogScript dialogs({named});
    choose(frame(), ID_FILE_MRU_FILE1 + 1); // the menu lists first, second
    EXPECT_EQ(fileBytes(named), listOf("変"));
    EXPECT_EQ(document().path(), second.path());
    EXPECT_EQ(theWordList[1].kanji, sjis("二"));
}

// Through the open command a UTF-8 list is read whole, to its 150th line, play starts again with
// no word solved, and a save writes the edited word back in UTF-8 with its mark.
TEST_F(FileCommands, AUtf8ListOpensWholeRestartsPlayAndIsSavedInUtf8) {
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
    press(Qt::Key_S);
    EXPECT_EQ(fileBytes(list.path()), "\xEF\xBB\xBF変" + bytes.substr(6));
    EXPECT_TRUE(messages.texts.empty());
}

// A list is held once while it is read: 40 MB without a line end open in 100 MB more memory,
// and a file too large for the memory left is reported like any unreadable one.
TEST_F(FileCommands, AHugeListIsHeldOnceAndOneTooLargeForMemoryIsReported) {
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
TEST_F(FileCommands, TheSaveQuestionAndTheFileDialogAreInJapanese) {
    // The visible buttons of the dialog that opens next, which is then closed.
    const auto buttonsOfNextDialog = [](QStringList& texts) {
        QTimer::singleShot(0, [&texts] {
            QWidget* dialog = QApplication::activeModalWidget();
            for (const QPushButton* button : dialog->findChildren<QPushButton*>())
                if (button->isVisible())
                    texts << button->text();
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
    question.sort();
    open.sort();
    EXPECT_EQ(question, QStringList({"キャンセル", "保存", "変更を破棄"}));
    EXPECT_EQ(open, QStringList({"キャンセル", "開く(&O)"}));
    document().setModified(false);
    failOnUnexpectedFileDialogs();
}

} // namespace
