// The word list file: byte-exact load and store, line ends, short files, over-long kanji.
#include "board/puzzle_state.h"
#include "platform/archive.h"
#include "platform/sjis.h"
#include "support/test_support.h"
#include "wordlist/word_list.h"

#include <gtest/gtest.h>
#include <sstream>

using namespace testing_support;
using platform::sjis;

namespace {

class WordListFile : public ::testing::Test {
  protected:
    void SetUp() override { resetProgramState(); }
    void TearDown() override { resetProgramState(); }

    static void load(const std::string& bytes) {
        std::istringstream in(bytes);
        platform::Archive archive = platform::Archive::loading(in);
        LoadWordList(archive);
    }
    static std::string store() {
        std::ostringstream out;
        platform::Archive archive = platform::Archive::storing(out);
        StoreWordList(archive);
        return out.str();
    }
    MessageRecorder messages;
};

TEST_F(WordListFile, StoreThenLoadGivesEveryByteBack) {
    // Bytes that are no round trip through Unicode, invalid Shift-JIS, NUL and a long line.
    std::string odd = std::string("\xED\x40\x87\x90\xFF\x80", 6) + std::string(1, '\0') + "%s%d";
    theWordList[1] = {sjis("犬"), sjis("いぬ"), "dog"};
    theWordList[2] = {std::string("\x95\x5C", 2), odd, std::string(1 << 20, 'x')};
    theWordList[50] = {sjis("歯"), "", "teeth"};
    const WordList before = theWordList;
    const std::string bytes = store();
    theWordList = WordList{};
    load(bytes);
    for (int k = 1; k <= kWordCount; ++k) {
        EXPECT_EQ(theWordList[k].kanji, before.entries[k].kanji) << k;
        EXPECT_EQ(theWordList[k].reading, before.entries[k].reading) << k;
        EXPECT_EQ(theWordList[k].english, before.entries[k].english) << k;
    }
    EXPECT_EQ(store(), bytes);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WordListFile, WritesLfLfCrLfFiftyTimes) {
    theWordList[3] = {"a", "b", "c"};
    const std::string bytes = store();
    std::string expected;
    for (int k = 1; k <= kWordCount; ++k)
        expected += k == 3 ? "a\nb\nc\r\n" : "\n\n\r\n";
    EXPECT_EQ(bytes, expected);
}

TEST_F(WordListFile, CrLfEverywhereReadsLikeTheProgramsOwnFormat) {
    const std::string own = wordListBytes({{"犬", "いぬ", "dog"}, {"猫", "ねこ", "cat"}});
    load(own);
    const WordList fromOwn = theWordList;
    std::string crlf;
    for (char c : own)
        crlf += c == '\n' && (crlf.empty() || crlf.back() != '\r') ? std::string("\r\n")
                                                                   : std::string(1, c);
    load(crlf);
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(theWordList[k].kanji, fromOwn.entries[k].kanji);
        EXPECT_EQ(theWordList[k].english, fromOwn.entries[k].english);
    }
    EXPECT_EQ(theWordList[2].reading, sjis("ねこ"));
}

TEST_F(WordListFile, LoneCrEndsALineSoOldMacFilesKeepTheirWords) {
    load("abc\rdef\rghi\r");
    EXPECT_EQ(theWordList[1].kanji, "abc");
    EXPECT_EQ(theWordList[1].reading, "def");
    EXPECT_EQ(theWordList[1].english, "ghi");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WordListFile, TenLinesFillThreeEntriesAndAKanji) {
    load("1\n2\n3\n4\n5\n6\n7\n8\n9\nK");
    EXPECT_EQ(theWordList[3].english, "9");
    EXPECT_EQ(theWordList[4].kanji, "K");
    EXPECT_EQ(theWordList[4].reading, "");
    EXPECT_EQ(theWordList[50].english, "");
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WordListFile, KanjiOfNineBytesIsReplacedAndReportedOnce) {
    load(wordListBytes({{"路面電車", "ろめんでんしゃ", "tram"},
                        {"路面電車x", "a", "b"},
                        {"123456789", "c", "d"}}));
    EXPECT_EQ(theWordList[1].kanji, sjis("路面電車"));
    EXPECT_EQ(theWordList[2].kanji, sjis("異常Data"));
    EXPECT_EQ(theWordList[2].reading, "a");
    EXPECT_EQ(theWordList[3].kanji, sjis("異常Data"));
    ASSERT_EQ(messages.texts.size(), 1u);
    EXPECT_EQ(messages.texts[0], "読込みデータに異常があるょ～んｗ。");
    EXPECT_EQ(messages.captions[0], "Torvex");
}

TEST_F(WordListFile, LoadingRestartsPlayButKeepsSlotsOutsideTheList) {
    theWordList[0].kanji = "zero";
    theWordList[77].kanji = "far";
    thePuzzle.solvedFlags[0] = 1;
    thePuzzle.solvedFlags[9] = 1;
    thePuzzle.currentEntry = 12;
    thePuzzle.difficulty = 3;
    load(wordListBytes({{"犬", "いぬ", "dog"}}));
    EXPECT_EQ(thePuzzle.solvedFlags[9], 0);
    EXPECT_EQ(thePuzzle.solvedFlags[0], 1);
    EXPECT_EQ(thePuzzle.currentEntry, 1);
    EXPECT_EQ(thePuzzle.listReloaded, 1);
    EXPECT_EQ(thePuzzle.difficulty, 3);
    EXPECT_EQ(theWordList[0].kanji, "zero");
    EXPECT_EQ(theWordList[77].kanji, "far");
}

TEST_F(WordListFile, EmptyFileEmptiesTheListLikeAnyShortFile) {
    theWordList[1] = {"a", "b", "c"};
    thePuzzle.solvedFlags[1] = 1;
    load("");
    EXPECT_EQ(theWordList[1].kanji, "");
    EXPECT_EQ(thePuzzle.solvedFlags[1], 0);
    EXPECT_EQ(thePuzzle.listReloaded, 1);
    EXPECT_TRUE(messages.texts.empty());
}

} // namespace
