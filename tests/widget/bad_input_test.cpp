// Bad inputs through the running game: list files that are no files or change while they are
// read, words whose names cannot be file names, a 300-byte working directory, texts of 1,000
// bytes and of a megabyte in the editor, saves that cannot be written, and a save cut off by the
// process being killed.
#include "app/commands.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "platform/modal.h"
#include "platform/resources.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "rewards/word_sound.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "support/shell_support.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <QDialog>
#include <QPushButton>
#include <gtest/gtest.h>

#include <atomic>
#include <csignal>
#include <fstream>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;
using namespace std::string_literals;
using namespace testing_support;
using rewards_support::ScratchFolder;
using rewards_support::solveCurrentWord;

constexpr gfx::Rgb kGreen = gfx::rgb(0, 128, 0);

std::string greenBitmap() {
    return hardening::bitmapFileBytes(300, 300, QColor::fromRgb(kGreen));
}

bool everyKanjiFits() {
    for (int k = 1; k <= kWordCount; ++k)
        if (theWordList[k].kanji.size() > kMaxKanjiBytes)
            return false;
    return true;
}

class BadInput : public ::testing::Test {
  protected:
    ~BadInput() override { testing_support::failOnUnexpectedModals(); }
    platform::Document& document() { return game.app().document(); }
    // Opens a list of the given entries (kanji, reading, English as Shift-JIS bytes).
    void openBytes(const std::vector<WordEntry>& entries) {
        std::string bytes;
        for (int k = 0; k < kWordCount; ++k) {
            const WordEntry e = k < int(entries.size()) ? entries[k] : WordEntry{};
            bytes += e.kanji + "\n" + e.reading + "\n" + e.english + "\r\n";
        }
        folder.write("words.txt", bytes);
        ASSERT_TRUE(document().open(folder.path() + "/words.txt"));
        game.settle();
        messages.texts.clear();
    }
    // 漢字入力, answered by pressing `button` without touching a field.
    void pressInEditor(const char* button) {
        platform::setModalHook([button](QDialog& dialog) {
            dialog.findChild<QPushButton*>(button)->click();
            return dialog.result();
        });
        game.app().frame().sendCommand(ID_WORD_LIST);
        testing_support::failOnUnexpectedModals();
    }

    RunningApp game;
    ScratchFolder folder;
    MessageRecorder messages;
};

// Reading a named pipe would wait for a writer forever; reading a device may never end.
TEST_F(BadInput, SomethingThatIsNoFileIsRefusedWithoutBeingRead) {
    openBytes({{platform::sjis("犬"), "", ""}});
    const hardening::NamedPipe pipe(folder.path() + "/pipe.txt", 2s);
    for (const std::string& path : {pipe.path(), "/dev/null"s}) {
        messages.texts.clear();
        EXPECT_FALSE(document().open(path)) << path;
        EXPECT_EQ(messages.texts.size(), 1u) << path;
        EXPECT_EQ(theWordList[1].kanji, platform::sjis("犬")) << path;
        EXPECT_EQ(document().path(), folder.path() + "/words.txt");
    }
    EXPECT_FALSE(pipe.rescued());
}

// Another program empties and rewrites the file while the game reads it: each open reads some
// of it or reports a failure, and what was read is a well-formed list.
TEST_F(BadInput, AFileEmptiedAndRewrittenWhileReadLoadsOrIsReported) {
    const std::string path = folder.path() + "/changing.txt";
    const std::string full =
        wordListBytes({{"山", std::string(100000, 'r'), std::string(100000, 'e')}}) +
        std::string(4 << 20, 'x');
    std::ofstream(path, std::ios::binary) << full;
    std::atomic<bool> done = false;
    std::thread writer([&] {
        while (!done) {
            std::error_code ignored;
            fs::resize_file(path, 0, ignored);
            std::ofstream(path, std::ios::binary | std::ios::app) << full;
        }
    });
    for (int i = 0; i < 20; ++i) {
        messages.texts.clear();
        document().open(path);
        EXPECT_LE(messages.texts.size(), 1u);
        EXPECT_TRUE(everyKanjiFits());
    }
    done = true;
    writer.join();
}

// Names with a separator, a NUL or bytes that are no Shift-JIS lead to no file: nothing of what
// lies in the folders is shown, however the name would read when decoded loosely.
TEST_F(BadInput, WordsWhoseNamesCannotBeFilesPlayThroughWithoutAPicture) {
    thePuzzle.difficulty = 1;
    const std::vector<WordEntry> words = {
        {"a/b", "", ""}, {"a\0b"s, "", ""}, {"\xFF\xFF", "", ""}, {"\x82", "", ""}};
    openBytes(words);
    for (const char* near : {"bmp/a/b.bmp", "bmp/a.bmp", "bmp/\uFFFD\uFFFD.bmp", "bmp/\uFFFD.bmp"})
        folder.write(near, greenBitmap());
    for (int entry = 1; entry <= int(words.size()); ++entry) {
        thePuzzle.currentEntry = entry;
        RebuildPuzzle();
        game.move(600, 300);
        pressInEditor("cancel");
        game.move(600, 301);
        solveCurrentWord(game);
        EXPECT_EQ(thePuzzle.solvedNow, 1) << entry;
        EXPECT_NE(game.pixel(200, 600), kGreen) << entry;
    }
}

TEST_F(BadInput, PictureAndSoundAreFoundBelowA300ByteWorkingDirectory) {
    platform::openAudio();
    openBytes({{platform::sjis("山"), "", ""}});
    const fs::path deep = hardening::enterDeepFolder(300);
    ASSERT_GE(deep.string().size(), 300u);
    fs::create_directories(deep / "bmp");
    fs::create_directories(deep / "wav");
    std::ofstream(deep / fs::u8path("bmp/山.bmp"), std::ios::binary) << greenBitmap();
    std::ofstream(deep / fs::u8path("wav/山.wav"), std::ios::binary)
        << platform::loadResourceWave(kFallbackWaveId);
    thePuzzle.solvedFlags[1] = 1;
    thePuzzle.firstSolve = 0;
    RebuildPuzzle();
    // The word's own sound is found and plays on after the click.
    solveCurrentWord(game);
    EXPECT_TRUE(platform::audioBusy());
    EXPECT_EQ(game.pixel(200, 600), kGreen);
}

// A text is shown whole in its edit, so OK without a change gives every byte back, however long.
TEST_F(BadInput, TextsOfAThousandBytesAndOfAMegabyteSurviveTheEditorsOk) {
    std::string kana;
    for (int i = 0; i < 500; ++i)
        kana += platform::sjis("あ");
    const std::vector<WordEntry> words = {
        {platform::sjis("山"), kana, std::string(1000, 'g')},
        {platform::sjis("川"), std::string(1 << 20, 'r'), std::string(1 << 20, 'e')}};
    openBytes(words);
    for (int entry = 1; entry <= 2; ++entry) {
        thePuzzle.currentEntry = entry;
        pressInEditor("ok");
        game.move(600, 300 + entry);
        EXPECT_EQ(theWordList[entry].reading, words[entry - 1].reading) << entry;
        EXPECT_EQ(theWordList[entry].english, words[entry - 1].english) << entry;
        EXPECT_TRUE(messages.texts.empty());
    }
}

TEST_F(BadInput, ASaveWhereNoFileCanBeMadeIsReportedAndKeepsTheDocument) {
    openBytes({{platform::sjis("山"), "", ""}});
    const std::string before = fileBytes(document().path());
    FileDialogScript dialogs({"/proc/torvex-words.txt", "/nonexistent/words.txt"});
    for (int i = 0; i < 2; ++i)
        game.app().frame().sendCommand(ID_FILE_SAVE_AS);
    EXPECT_EQ(messages.texts.size(), 2u);
    EXPECT_EQ(document().path(), folder.path() + "/words.txt");
    EXPECT_FALSE(fs::exists("/proc/torvex-words.txt"));
    EXPECT_EQ(fileBytes(document().path()), before);
}

// The save is cut off where the operating system kills the process: when the new file grows past
// a limit. The old file stays whole and nothing half-written is left beside it.
TEST_F(BadInput, AProcessKilledWhileSavingLeavesTheOldFileWhole) {
    openBytes({{platform::sjis("山"), platform::sjis("やま"), "mountain"}});
    const std::string before = fileBytes(document().path());
    theWordList[1].english = std::string(1 << 20, 'x');
    const pid_t child = fork();
    if (child == 0) {
        const rlimit noCore{0, 0}, limit{64 * 1024, RLIM_INFINITY};
        setrlimit(RLIMIT_CORE, &noCore);
        std::signal(SIGXFSZ, SIG_DFL);
        setrlimit(RLIMIT_FSIZE, &limit);
        document().save();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ) << status;
    EXPECT_EQ(fileBytes(document().path()), before);
    EXPECT_EQ(std::distance(fs::directory_iterator(folder.path()), {}), 1);
}

} // namespace
