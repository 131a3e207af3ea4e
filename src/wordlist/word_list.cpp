// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/word_list.h"

#include "platform/message_box.h"
#include "platform/sjis.h"
#include "wordlist/word_list_player.h"

#include <algorithm>
#include <vector>

namespace wordlist {

WordList theWordList;

namespace {

using platform::LineEnd;
using platform::TextCheck;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A UTF-8 character takes at most three bytes for each Shift-JIS byte it becomes.
constexpr size_t kMaxKanjiUtf8Bytes = 3 * kMaxKanjiBytes;
constexpr int kProblemsListed = 8;

WordListPlayer* player = nullptr;

enum class Problem { None, KanjiTooLong, NoShiftJisForm, MixedEncodings, CutShort, NotText };

struct Decoded {
    std::string text; // Shift-JIS
    Problem problem = Problem::None;
};

bool isKanjiLine(int line) {
    return line % 3 == 0;
}

std::string& textOf(WordEntry& entry, int line) {
    switch (line % 3) {
    case 0:
        return entry.kanji;
    case 1:
        return entry.reading;
    }
    return entry.english;
}

bool isAscii(std::string_view bytes) {
    return std::ranges::all_of(bytes, [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// A Shift-JIS line that happens to be valid UTF-8 holds two-byte forms at most; kana and kanji
// in UTF-8 take three bytes, led by E0 or above.
bool looksLikeUtf8Kana(std::string_view bytes) {
    return platform::checkUtf8(bytes) == TextCheck::Valid &&
           std::ranges::any_of(bytes, [](char c) { return static_cast<unsigned char>(c) >= 0xE0; });
}

// UTF-8 only when no line is invalid UTF-8 (a character cut off at the end of the file's text
// excepted) and some line is not plain ASCII, or when the file starts with a byte-order mark.
// Shift-JIS kana and most kanji start with bytes that UTF-8 allows only inside a character, so
// a Shift-JIS list is practically never valid UTF-8; an all-ASCII file reads the same either way.
ListEncoding detectEncoding(bool byteOrderMark, const std::array<std::string, kLinesRead>& raw) {
    if (byteOrderMark)
        return ListEncoding::Utf8WithMark;
    bool nonAscii = false;
    for (int i = 0; i < kLinesRead; ++i) {
        if (isAscii(raw[i]))
            continue;
        const TextCheck check = platform::checkUtf8(raw[i]);
        const bool cutAtEnd = std::all_of(raw.begin() + i + 1, raw.end(),
                                          [](const std::string& line) { return line.empty(); });
        if (check == TextCheck::Invalid || (check == TextCheck::CutShort && !cutAtEnd))
            return ListEncoding::ShiftJis;
        nonAscii = true;
    }
    return nonAscii ? ListEncoding::Utf8 : ListEncoding::ShiftJis;
}

Decoded decodeShiftJis(std::string_view bytes) {
    if (platform::checkSjis(bytes) != TextCheck::Valid)
        return {std::string(bytes), Problem::NotText};
    return {std::string(bytes), looksLikeUtf8Kana(bytes) ? Problem::MixedEncodings : Problem::None};
}

// A line that is not UTF-8 is kept as its bytes, as a Shift-JIS line would be.
Decoded decodeUtf8(std::string_view bytes) {
    switch (platform::checkUtf8(bytes)) {
    case TextCheck::CutShort:
        return {std::string(bytes), Problem::CutShort};
    case TextCheck::Invalid:
        return {std::string(bytes), platform::checkSjis(bytes) == TextCheck::Valid
                                        ? Problem::MixedEncodings
                                        : Problem::NotText};
    case TextCheck::Valid:
        break;
    }
    bool marked = false;
    // 〓, the mark Japanese print puts where a character is missing.
    std::string text = platform::utf8ToSjisMarking(bytes, "\x81\xAC", marked);
    return {std::move(text), marked ? Problem::NoShiftJisForm : Problem::None};
}

// What one line of the file is to the game. The same bytes always give the same text, so a
// store can tell whether the text of a line is still the one read.
Decoded decodeLine(std::string_view bytes, int line, ListEncoding encoding) {
    static const std::string anomaly = platform::sjis("異常Data");
    const bool kanji = isKanjiLine(line);
    // An over-long kanji is not converted at all: a 100 MB line is not copied to be dropped.
    const bool surelyTooLong =
        bytes.size() > (encoding == ListEncoding::ShiftJis ? kMaxKanjiBytes : kMaxKanjiUtf8Bytes);
    if (kanji && surelyTooLong)
        return {anomaly, Problem::KanjiTooLong};
    // ASCII reads the same in both encodings.
    Decoded decoded = isAscii(bytes)                       ? Decoded{std::string(bytes)}
                      : encoding == ListEncoding::ShiftJis ? decodeShiftJis(bytes)
                                                           : decodeUtf8(bytes);
    if (kanji && decoded.problem == Problem::NoShiftJisForm)
        decoded.text = anomaly;
    if (kanji && decoded.text.size() > kMaxKanjiBytes)
        decoded = {anomaly,
                   decoded.problem == Problem::None ? Problem::KanjiTooLong : decoded.problem};
    return decoded;
}

std::string encodeLine(const std::string& text, ListEncoding encoding) {
    if (encoding == ListEncoding::ShiftJis)
        return text;
    // Bytes that are no Shift-JIS (kept from a line in neither encoding) stay as they are.
    return platform::sjisToUtf8(text).value_or(text);
}

// Only bytes that encoding the text again would not give back are kept.
bool mustKeepBytes(const std::string& bytes, const std::string& text, ListEncoding encoding) {
    return text != bytes || (encoding != ListEncoding::ShiftJis && !isAscii(bytes));
}

std::string problemText(Problem problem) {
    switch (problem) {
    case Problem::KanjiTooLong:
        return "漢字が 4 文字 (8 バイト) より長いので、ゲームでは「異常Data」になります。";
    case Problem::NoShiftJisForm:
        return "ゲームで使えない文字 (絵文字やめずらしい漢字) があるので、〓 で表示します。";
    case Problem::MixedEncodings:
        return "ほかの行と文字コードがちがいます (UTF-8 と Shift-JIS がまざっています)。";
    case Problem::CutShort:
        return "行の最後の文字が途中で切れています。";
    case Problem::NotText:
        return "UTF-8 でも Shift-JIS でもない文字があります。";
    case Problem::None:
        break;
    }
    return {};
}

std::string problemReport(const std::vector<std::pair<int, Problem>>& problems) {
    static const char* const fieldNames[] = {"漢字", "よみ", "English"};
    std::string text = "読込みデータに異常があるょ～んｗ。\n";
    const int listed = std::min(static_cast<int>(problems.size()), kProblemsListed);
    for (int i = 0; i < listed; ++i) {
        const auto [line, problem] = problems[static_cast<size_t>(i)];
        text += "\n" + std::to_string(line + 1) + " 行目 (" + std::to_string(line / 3 + 1) +
                " 番の" + fieldNames[line % 3] + "): " + problemText(problem);
    }
    if (problems.size() > kProblemsListed)
        text += "\nほかに " + std::to_string(problems.size() - kProblemsListed) + " か所あります。";
    return text +
           "\n\nファイルはそのままです。直さなかった行は、保存しても読んだとおりに書きもどします。";
}

// The end a line is written with: its own; for a line the file did not have, or a last line
// without an end when more follow, the one kind of end the file used throughout, else the
// program's own LF, LF, CR LF.
LineEnd endToWrite(const ListFile& file, int line, LineEnd previous, bool emptyLine) {
    LineEnd end = file.lines[line].end;
    if (end == LineEnd::Missing || (end == LineEnd::None && line + 1 < kLinesRead)) {
        std::optional<LineEnd> only;
        for (const FileLine& read : file.lines)
            if (read.end != LineEnd::Missing && read.end != LineEnd::None)
                only = !only || *only == read.end ? read.end : LineEnd::Missing;
        end = only && *only != LineEnd::Missing ? *only
                                                : (line % 3 == 2 ? LineEnd::CrLf : LineEnd::Lf);
    }
    // A lone CR followed by an empty line's LF would read back as one CR LF.
    if (previous == LineEnd::Cr && emptyLine && end == LineEnd::Lf)
        end = LineEnd::Cr;
    return end;
}

std::string_view endBytes(LineEnd end) {
    switch (end) {
    case LineEnd::Lf:
        return "\n";
    case LineEnd::CrLf:
        return "\r\n";
    case LineEnd::Cr:
        return "\r";
    default:
        return "";
    }
}

} // namespace

WordListPlayer* theWordListPlayer() {
    return player;
}

void setWordListPlayer(WordListPlayer* p) {
    player = p;
}

void LoadWordList(platform::Archive& archive) {
    // Every line is read before anything changes: a read that fails leaves the list as it was.
    ListFile file;
    std::array<std::string, kLinesRead> raw;
    for (int i = 0; i < kLinesRead; ++i)
        archive.ReadString(raw[i], file.lines[i].end);
    const bool byteOrderMark = raw[0].starts_with(kByteOrderMark);
    if (byteOrderMark)
        raw[0].erase(0, kByteOrderMark.size());
    file.encoding = detectEncoding(byteOrderMark, raw);

    std::array<WordEntry, kWordCount> words;
    std::vector<std::pair<int, Problem>> problems;
    for (int i = 0; i < kLinesRead; ++i) {
        Decoded decoded = decodeLine(raw[i], i, file.encoding);
        if (decoded.problem != Problem::None)
            problems.emplace_back(i, decoded.problem);
        if (mustKeepBytes(raw[i], decoded.text, file.encoding))
            file.lines[i].bytes = std::move(raw[i]);
        raw[i] = {};
        textOf(words[static_cast<size_t>(i / 3)], i) = std::move(decoded.text);
    }
    std::ranges::move(words, theWordList.entries.begin() + 1);
    theWordList.file = std::move(file);
    if (!problems.empty())
        platform::messageBox(problemReport(problems));
    if (player)
        player->listRead();
}

void StoreWordList(platform::Archive& archive) {
    const ListFile& file = theWordList.file;
    if (file.encoding == ListEncoding::Utf8WithMark)
        archive.WriteString(kByteOrderMark);
    LineEnd previous = LineEnd::Missing;
    for (int i = 0; i < kLinesRead; ++i) {
        const std::string& text = textOf(theWordList[i / 3 + 1], i);
        const std::optional<std::string>& read = file.lines[static_cast<size_t>(i)].bytes;
        const bool unchanged = read && decodeLine(*read, i, file.encoding).text == text;
        const std::string bytes = unchanged ? std::string() : encodeLine(text, file.encoding);
        const std::string& written = unchanged ? *read : bytes;
        archive.WriteString(written);
        previous = endToWrite(file, i, previous, written.empty());
        archive.WriteString(endBytes(previous));
    }
}

} // namespace wordlist
