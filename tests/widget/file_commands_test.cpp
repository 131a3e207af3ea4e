// The file commands as the user reaches them: new, open, save and the recently-used files, the
// question about unsaved changes, and saves that fail.
#include "app/commands.h"
#include "board/puzzle_state.h"
#include "platform/document.h"
#include "platform/sjis.h"
#include "support/shell_support.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QCloseEvent>
#include <QTest>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/resource.h>

using namespace testing_support;
using platform::FileDialogKind;
using platform::SaveAnswer;

namespace {

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

std::string besideFile(const TempFile& file, const std::string& name) {
    return (std::filesystem::path(file.path()).parent_path() / name).string();
}

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
    // Texts of the recent files the File popup shows.
    std::vector<std::string> recentItems() {
        QMenu& file = *findCommand(frame(), ID_FILE_OPEN).popup;
        lookAt(file);
        std::vector<std::string> texts;
        for (int i = 0; i < 4; ++i)
            if (QAction* item = findCommand(file, ID_FILE_MRU_FILE1 + i).action;
                item && item->isEnabled())
                texts.push_back(item->text().toStdString());
        return texts;
    }
    // An edit of the open list that has not been saved.
    void editFirstWord() {
        theWordList[1].kanji = platform::sjis("変");
        document().setModified(true);
    }

    RunningApp game;
    MessageRecorder messages;
};

TEST_F(FileCommands, NewKeepsWordsAndMarksDropsTheNameAndTheNextSaveAsksForOne) {
    TempFile list(wordListBytes({{"山", "やま", "mountain"}, {"川", "かわ", "river"}}));
    ASSERT_TRUE(document().open(list.path()));
    thePuzzle.solvedFlags[2] = 1;
    press(Qt::Key_N);
    EXPECT_EQ(theWordList[2].kanji, platform::sjis("川"));
    EXPECT_EQ(thePuzzle.solvedFlags[2], 1);
    EXPECT_EQ(frame().windowTitle().toStdString(), "トルベ - Torvex");

    const std::string saved = besideFile(list, "saved.txt");
    FileDialogScript dialogs({saved});
    press(Qt::Key_S);
    EXPECT_EQ(dialogs.kinds, std::vector{FileDialogKind::Save});
    EXPECT_EQ(fileBytes(saved), fileBytes(list.path()));
    EXPECT_EQ(document().path(), saved);
}

TEST_F(FileCommands, TheRecentListShowsTheFourNewestAndOpensTheChosenOne) {
    EXPECT_TRUE(recentItems().empty());
    std::vector<std::unique_ptr<TempFile>> lists;
    for (const char* kanji : {"一", "二", "三", "四", "五"}) {
        lists.push_back(std::make_unique<TempFile>(listOf(kanji)));
        ASSERT_TRUE(document().open(lists.back()->path()));
    }
    const std::vector<std::string> expected = {"&1 " + lists[4]->path(), "&2 " + lists[3]->path(),
                                               "&3 " + lists[2]->path(), "&4 " + lists[1]->path()};
    EXPECT_EQ(recentItems(), expected);
    EXPECT_FALSE(findCommand(frame(), ID_FILE_MRU_FILE1).action->text().startsWith("最近"));

    choose(frame(), ID_FILE_MRU_FILE1 + 2);
    EXPECT_EQ(document().path(), lists[2]->path());
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("三"));
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

// While it lives, no file may grow past `bytes`; a write beyond fails instead of killing us.
class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &old_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit{bytes, old_.rlim_max};
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &old_);
        std::signal(SIGXFSZ, previousHandler_);
    }

  private:
    rlimit old_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(FileCommands, ASaveThatFailsIsReportedAndLeavesTheOldFileByteForByte) {
    TempFile list(listOf("山"));
    const std::string old = fileBytes(list.path());
    ASSERT_TRUE(document().open(list.path()));
    editFirstWord();
    // A gloss of a megabyte makes the new file far larger than the limit below.
    theWordList[1].english = std::string(1 << 20, 'x');
    {
        FileSizeLimit limit(64 * 1024);
        press(Qt::Key_S);
    }
    {
        FileDialogScript dialogs({besideFile(list, "missing/words.txt")});
        choose(frame(), ID_FILE_SAVE_AS);
    }
    ASSERT_EQ(messages.texts.size(), 2u);
    EXPECT_NE(messages.texts[0].find(list.path()), std::string::npos);
    EXPECT_NE(messages.texts[1].find("missing/words.txt"), std::string::npos);
    EXPECT_EQ(fileBytes(list.path()), old);
    EXPECT_EQ(document().path(), list.path());
    EXPECT_TRUE(document().modified());
    // Nothing half-written is left beside the list.
    const auto folder = std::filesystem::path(list.path()).parent_path();
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder), {}), 1);
}

TEST_F(FileCommands, SavingClearsTheModifiedMarkSoClosingAsksNothing) {
    TempFile list(listOf("山"));
    ASSERT_TRUE(document().open(list.path()));
    editFirstWord();
    press(Qt::Key_S);
    EXPECT_EQ(fileBytes(list.path()), listOf("変"));
    SaveQuestionScript question(SaveAnswer::Cancel);
    QCloseEvent close;
    QApplication::sendEvent(&frame(), &close);
    EXPECT_TRUE(close.isAccepted());
    EXPECT_EQ(question.asked, 0);
}

enum class Replace { Close, Open, Recent, New };

TEST_F(FileCommands, UnsavedEditsAreAskedAboutBeforeTheListIsClosedOrReplaced) {
    struct Case {
        const char* name;
        Replace action;
        SaveAnswer answer;
    };
    const Case cases[] = {
        {"close, save", Replace::Close, SaveAnswer::Save},
        {"close, discard", Replace::Close, SaveAnswer::Discard},
        {"close, cancel", Replace::Close, SaveAnswer::Cancel},
        {"open, save", Replace::Open, SaveAnswer::Save},
        {"open, discard", Replace::Open, SaveAnswer::Discard},
        {"open, cancel", Replace::Open, SaveAnswer::Cancel},
        {"recent, save", Replace::Recent, SaveAnswer::Save},
        {"recent, discard", Replace::Recent, SaveAnswer::Discard},
        {"recent, cancel", Replace::Recent, SaveAnswer::Cancel},
        {"new, save", Replace::New, SaveAnswer::Save},
        {"new, discard", Replace::New, SaveAnswer::Discard},
        {"new, cancel", Replace::New, SaveAnswer::Cancel},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        TempFile other(listOf("他")), edited(listOf("山"));
        ASSERT_TRUE(document().open(other.path()));
        ASSERT_TRUE(document().open(edited.path()));
        editFirstWord();
        SaveQuestionScript question(c.answer);
        FileDialogScript dialogs({other.path()});
        bool closed = false;
        switch (c.action) {
        case Replace::Close: {
            QCloseEvent close;
            QApplication::sendEvent(&frame(), &close);
            closed = close.isAccepted();
            break;
        }
        case Replace::Open:
            choose(frame(), ID_FILE_OPEN);
            break;
        case Replace::Recent:
            choose(frame(), ID_FILE_MRU_FILE1 + 1);
            break;
        case Replace::New:
            press(Qt::Key_N);
            break;
        }
        const bool cancelled = c.answer == SaveAnswer::Cancel;
        EXPECT_EQ(question.asked, 1);
        EXPECT_EQ(fileBytes(edited.path()), listOf(c.answer == SaveAnswer::Save ? "変" : "山"));
        if (c.action == Replace::Close) {
            EXPECT_EQ(closed, !cancelled);
        } else {
            const std::string replaced = c.action == Replace::New ? "" : other.path();
            EXPECT_EQ(document().path(), cancelled ? edited.path() : replaced);
        }
        const bool read = !cancelled && (c.action == Replace::Open || c.action == Replace::Recent);
        EXPECT_EQ(theWordList[1].kanji, platform::sjis(read ? "他" : "変"));
        document().setModified(false);
    }
}

TEST_F(FileCommands, ARecentFileChosenWhileUntitledOpensAfterSavingUnderANewName) {
    TempFile second(listOf("二")), first(listOf("一"));
    ASSERT_TRUE(document().open(second.path()));
    ASSERT_TRUE(document().open(first.path()));
    press(Qt::Key_N);
    editFirstWord();
    const std::string named = besideFile(first, "named.txt");
    SaveQuestionScript question(SaveAnswer::Save);
    FileDialogScript dialogs({named});
    choose(frame(), ID_FILE_MRU_FILE1 + 1); // the menu lists first, second
    EXPECT_EQ(fileBytes(named), listOf("変"));
    EXPECT_EQ(document().path(), second.path());
    EXPECT_EQ(theWordList[1].kanji, platform::sjis("二"));
}

TEST_F(FileCommands, ExitAsksAboutUnsavedEditsAndCancelKeepsTheWindow) {
    TempFile list(listOf("山"));
    ASSERT_TRUE(document().open(list.path()));
    editFirstWord();
    SaveQuestionScript question(SaveAnswer::Cancel);
    choose(frame(), ID_APP_EXIT);
    EXPECT_EQ(question.asked, 1);
    EXPECT_TRUE(frame().isVisible());
}

} // namespace
