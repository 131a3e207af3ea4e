// The word list file: byte-exact load and store, line ends, short files, over-long kanji.
#include "platform/archive.h"
#include "support/test_support.h"

#include <sstream>
#include <tuple>

using namespace testing_support;
using platform::sjis;

namespace {

auto fieldsOf(const WordEntry& entry) {
    return std::tie(entry.kanji, entry.reading, entry.english);
}

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
    for (int k = 1; k <= kWordCount; ++k)
        EXPECT_EQ(fieldsOf(theWordList[k]), fieldsOf(before.entries[k])) << k;
    EXPECT_EQ(store(), bytes);
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WordListFile, WritesLfLfCrLfFiftyTimes) {
    theWordList[3] = {"a", "b", "c"};
    std::string expected;
    for (int k = 1; k <= kWordCount; ++k)
        expected += k == 3 ? "a\nb\nc\r\n" : "\n\n\r\n";
    EXPECT_EQ(store(), expected);
}

// Any line end ends a line, so files of other systems keep their words; a short file leaves
// the words it does not reach empty.
TEST_F(WordListFile, ReadsEveryLineEndAndShortFiles) {
    const struct {
        std::string bytes;
        int entry;
        const char *kanji, *reading, *english;
    } rows[] = {
        {"犬\r\nいぬ\r\ndog\r\n猫\r\nねこ\r\ncat\r\n", 2, "猫", "ねこ", "cat"},
        {"abc\rdef\rghi\r", 1, "abc", "def", "ghi"},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\nK", 3, "7", "8", "9"},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\nK", 4, "K", "", ""},
        {"1\n2\n3\n4\n5\n6\n7\n8\n9\nK", 50, "", "", ""},
        {"", 1, "", "", ""},
    };
    for (const auto& row : rows) {
        theWordList[row.entry] = {"old", "old", "old"};
        thePuzzle.listReloaded = 0;
        load(sjis(row.bytes));
        EXPECT_EQ(fieldsOf(theWordList[row.entry]),
                  std::make_tuple(sjis(row.kanji), sjis(row.reading), sjis(row.english)))
            << row.bytes;
        EXPECT_EQ(thePuzzle.listReloaded, 1);
    }
    EXPECT_TRUE(messages.texts.empty());
}

TEST_F(WordListFile, KanjiOfNineBytesIsReplacedAndReportedOnce) {
    load(wordListBytes({{"路面電車", "ろめんでんしゃ", "tram"},
                        {"路面電車x", "a", "b"},
                        {"123456789", "c", "d"}}));
    EXPECT_EQ(theWordList[1].kanji, sjis("路面電車"));
    EXPECT_EQ(fieldsOf(theWordList[2]), std::make_tuple(sjis("異常Data"), "a", "b"));
    EXPECT_EQ(theWordList[3].kanji, sjis("異常Data"));
    EXPECT_EQ(messages.texts, std::vector<std::string>{"読込みデータに異常があるょ～んｗ。"});
    EXPECT_EQ(messages.captions, std::vector<std::string>{"Torvex"});
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

} // namespace
