// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The word list file in both encodings: the same words from Shift-JIS and UTF-8 however the lines
// end, stores that give back the file read, and what is wrong with a file told in one message.
#include "platform/archive.h"
#include "support/test_support.h"

#include <sstream>

using namespace wordlist;

using namespace testing_support;
using platform::sjis;

namespace {

const std::vector<std::vector<std::string>> kWords = {
    {"犬", "いぬ", "dog"}, {"路面電車", "ろめんでんしゃ", "tram"}, {"表", "ひょう", "table"}};

// kWords as a file: Shift-JIS or UTF-8 (with its mark), each line ended as `ends` says.
std::string listFile(bool utf8, const std::array<const char*, 3>& ends, const char* mark = "") {
    std::string bytes = mark;
    for (size_t line = 0; line < 150; ++line) {
        const size_t k = line / 3;
        const std::string text = k < kWords.size() ? kWords[k][line % 3] : "";
        bytes += (utf8 ? text : sjis(text)) + ends[line % 3];
    }
    return bytes;
}

class WordListFile : public ::testing::Test {
  protected:
    void SetUp() override { resetProgramState(); }
    void TearDown() override { resetProgramState(); }

    // Loads the bytes; gives every slot's texts, one slot a line.
    static std::string load(std::string bytes) {
        std::istringstream in(std::move(bytes));
        platform::Archive archive = platform::Archive::loading(in);
        LoadWordList(archive);
        std::string words;
        for (const WordEntry& e : theWordList.entries)
            words += e.kanji + '|' + e.reading + '|' + e.english + '\n';
        return words;
    }
    static std::string store() {
        std::ostringstream out;
        platform::Archive archive = platform::Archive::storing(out);
        StoreWordList(archive);
        return out.str();
    }
    MessageRecorder messages;
};

// Loaded, each form gives the words of the Shift-JIS file; stored, each gives back its bytes.
TEST_F(WordListFile, EveryEncodingAndLineEndReadsAsTheShiftJisTwinAndStoresBackItsBytes) {
    const auto twin = load(listFile(false, {"\n", "\n", "\r\n"}));
    const struct {
        const char* what;
        std::string bytes;
        ListEncoding encoding;
    } rows[] = {
        {"Shift-JIS", listFile(false, {"\n", "\n", "\r\n"}), ListEncoding::ShiftJis},
        {"Shift-JIS, CR only", listFile(false, {"\r", "\r", "\r"}), ListEncoding::ShiftJis},
        {"UTF-8", listFile(true, {"\n", "\n", "\r\n"}), ListEncoding::Utf8},
        {"UTF-8, LF only", listFile(true, {"\n", "\n", "\n"}), ListEncoding::Utf8},
        {"UTF-8, CR LF", listFile(true, {"\r\n", "\r\n", "\r\n"}), ListEncoding::Utf8},
        {"UTF-8 with its mark", listFile(true, {"\n", "\r", "\r\n"}, "\xEF\xBB\xBF"),
         ListEncoding::Utf8WithMark},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(load(row.bytes), twin) << row.what;
        EXPECT_EQ(theWordList.file.encoding, row.encoding) << row.what;
        EXPECT_EQ(store(), row.bytes) << row.what;
        // An edited line is written in the file's own encoding, the rest as they were read.
        const bool shiftJis = row.encoding == ListEncoding::ShiftJis;
        std::string edited = row.bytes;
        edited.replace(edited.find(shiftJis ? sjis("犬") : "犬"), shiftJis ? 2 : 3,
                       shiftJis ? sjis("猫") : "猫");
        theWordList[1].kanji = sjis("猫");
        EXPECT_EQ(store(), edited) << row.what;
    }
    EXPECT_TRUE(messages.texts.empty());
}

// A short file is filled out to its 150 lines with the one kind of end it used throughout, else
// with the program's own; a lone CR before an empty line stays a CR, or the two would read back as
// one CR LF.
TEST_F(WordListFile, AShortFileIsFilledOutWithTheEndsItUsed) {
    const auto times = [](int n, const std::string& text) {
        std::string all;
        while (n-- > 0)
            all += text;
        return all;
    };
    const std::pair<std::string, std::string> rows[] = {
        {"a\r\nb\r\n", "a\r\nb\r\n" + times(148, "\r\n")},
        {"a\rb", "a\rb\r" + times(148, "\r")},
        {"a\nb\nc\r\nd\r", "a\nb\nc\r\nd\r\r\r\n" + times(48, "\n\n\r\n")},
    };
    for (const auto& [read, stored] : rows) {
        load(read);
        EXPECT_EQ(store(), stored) << read;
    }
}

// The same text in each field of a word: only the kanji is held to four characters and becomes
// 異常Data; a character with no Shift-JIS form is 〓 in the others; the message names the field.
TEST_F(WordListFile, EachFieldIsCheckedOnItsOwn) {
    const struct {
        int field;
        const char *text, *word, *told;
    } rows[] = {
        {0, "路面電車線", "異常Data|やま|m", "1 行目 (1 番の漢字)"},
        {1, "路面電車線", "山|路面電車線|m", nullptr},
        {2, "路面電車線", "山|やま|路面電車線", nullptr},
        {0, "🐶", "異常Data|やま|m", "1 行目 (1 番の漢字)"},
        {1, "🐶", "山|〓|m", "2 行目 (1 番のよみ)"},
        {2, "🐶", "山|やま|〓", "3 行目 (1 番のEnglish)"},
    };
    for (const auto& row : rows) {
        std::string lines[] = {"山", "やま", "m"};
        lines[row.field] = row.text;
        messages.texts.clear();
        load(lines[0] + "\n" + lines[1] + "\n" + lines[2] + "\r\n");
        const WordEntry& word = theWordList[1];
        EXPECT_EQ(word.kanji + "|" + word.reading + "|" + word.english, sjis(row.word));
        ASSERT_EQ(messages.texts.size(), row.told ? 1u : 0u) << row.word;
        if (row.told) {
            EXPECT_NE(messages.texts[0].find(row.told), std::string::npos) << messages.texts[0];
        }
    }
}

// Each file is wrong somewhere (or, for the mark alone and a short file, not at all): one
// message names the line, nothing crashes, and a store gives back every byte that was read.
TEST_F(WordListFile, BadFilesAreToldByLineAndStoreBackTheBytesRead) {
    const std::string anomaly = sjis("異常Data");
    const struct {
        const char* what;
        std::string bytes;
        const char* toldLine; // nullptr: no message
        std::string kanji1;
    } rows[] = {
        {"mark only", "\xEF\xBB\xBF", nullptr, ""},
        {"short, no end", "犬\nいぬ", nullptr, sjis("犬")},
        {"mark, then Shift-JIS", "\xEF\xBB\xBF" + sjis("犬\nいぬ\n") + "dog", "1 行目", sjis("犬")},
        {"UTF-8 cut inside its last character", "犬\nいぬ\n\xE7\x8A", "3 行目", sjis("犬")},
        {"overlong UTF-8 among UTF-8", "犬\n\xC0\xAF\n", "1 行目", "\xE7\x8A\xAC"},
        {"surrogate", "\xED\xA0\x80\n", "1 行目", "\xED\xA0\x80"},
        {"five kanji in Shift-JIS", sjis("路面電車線\n\n\n犬x\n"), "1 行目", anomaly},
        {"Shift-JIS, then UTF-8 lines", sjis("犬\nいぬ\n") + "dog\n猫\n", "4 行目", sjis("犬")},
        {"UTF-8, CR only, with an emoji", "犬\rいぬ🐶\r", "2 行目", sjis("犬")},
        {"neither encoding", "\xFF\xFE\n\x81\n\xFF", "1 行目", "\xFF\xFE"},
    };
    for (const auto& row : rows) {
        messages.texts.clear();
        load(row.bytes);
        EXPECT_EQ(theWordList[1].kanji, row.kanji1) << row.what;
        ASSERT_EQ(messages.texts.size(), row.toldLine ? 1u : 0u) << row.what;
        if (row.toldLine) {
            EXPECT_NE(messages.texts[0].find(row.toldLine), std::string::npos)
                << row.what << ": " << messages.texts[0];
        }
        EXPECT_TRUE(store().starts_with(row.bytes)) << row.what;
    }
}

} // namespace
