// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/entry_editor.h"

#include "gfx/fonts.h"
#include "platform/form_dialog.h"
#include "platform/recorder.h"
#include "platform/sjis.h"
#include "wordlist/word_files.h"
#include "wordlist/word_list.h"

#include <algorithm>
#include <charconv>
#include <filesystem>

namespace wordlist {

namespace {

using platform::DialogRect;

constexpr int kLowestSlot = 0;
constexpr int kHighestSlot = kSlotCount - 1;

// A typed or pasted text may carry line breaks into a single-line edit; one saved line break
// would shift every later entry of the file.
bool hasControlCharacter(std::string_view utf8) {
    for (size_t i = 0; i < utf8.size(); ++i) {
        const auto byte = static_cast<unsigned char>(utf8[i]);
        const bool c1 =
            byte == 0xC2 && i + 1 < utf8.size() && static_cast<unsigned char>(utf8[i + 1]) <= 0x9F;
        if (byte < 0x20 || byte == 0x7F || c1)
            return true;
    }
    return false;
}

// Decoding Shift-JIS is no round trip (ED40 comes back as FA5C, invalid bytes are lost), so a
// text left as it was shown keeps the original bytes exactly.
std::optional<EntryProblem> takeText(EntryField field, const std::string& edited,
                                     const std::string& original, std::string& bytes) {
    if (edited == platform::sjisToUtf8Lossy(original)) {
        bytes = original;
        return std::nullopt;
    }
    if (hasControlCharacter(edited))
        return EntryProblem{field, "改行などの制御文字は入力できません。"};
    auto encoded = platform::utf8ToSjis(edited);
    if (!encoded)
        return EntryProblem{field, "使えない文字 (Shift-JIS にない文字) が入っています。"};
    bytes = std::move(*encoded);
    return std::nullopt;
}

std::optional<EntryProblem> takeKanji(const std::string& edited, const std::string& original,
                                      std::string& bytes) {
    if (auto problem = takeText(EntryField::Kanji, edited, original, bytes))
        return problem;
    if (bytes.size() > kMaxKanjiBytes)
        return EntryProblem{EntryField::Kanji,
                            "漢字は 8 バイト (全角 4 文字) 以内で入力してください。"};
    return std::nullopt;
}

// The number may be typed with the input method on (full-width digits and signs), with an
// optional sign and spaces round it.
std::optional<EntryProblem> takeNumber(std::string_view edited, int& number) {
    const std::string narrow = platform::narrowWidth(edited);
    const auto first = narrow.find_first_not_of(' ');
    const auto last = narrow.find_last_not_of(' ');
    if (first == std::string::npos)
        return EntryProblem{EntryField::Number, "整数を入力してください。"};
    const char* begin = narrow.data() + first;
    const char* end = narrow.data() + last + 1;
    if (*begin == '+' && end - begin > 1 && begin[1] != '-')
        ++begin;
    long long value = 0;
    const auto [stop, error] = std::from_chars(begin, end, value);
    if (stop != end || error == std::errc::invalid_argument)
        return EntryProblem{EntryField::Number, "整数を入力してください。"};
    if (error == std::errc::result_out_of_range || value < kLowestSlot || value > kHighestSlot)
        return EntryProblem{EntryField::Number, "0 から 100 までの整数を入力してください。"};
    number = static_cast<int>(value);
    return std::nullopt;
}

// Shift-JIS bytes of a text, stopping once past the limit. A character with no Shift-JIS form
// counts one byte: it stands for a byte of the word list that could not be read.
std::size_t shiftJisLength(const std::string& utf8, std::size_t limit) {
    std::size_t bytes = 0;
    for (std::size_t i = 0; i < utf8.size() && bytes <= limit;) {
        std::size_t length = 1;
        while (i + length < utf8.size() &&
               (static_cast<unsigned char>(utf8[i + length]) & 0xC0) == 0x80)
            ++length;
        const auto encoded = platform::utf8ToSjis(std::string_view(utf8).substr(i, length));
        bytes += encoded ? encoded->size() : 1;
        i += length;
    }
    return bytes;
}

// The dialog as laid out in dialog units; the fields in tab order.
// clang-format off
struct FieldLayout {
    EntryField field;
    const char* label;
    DialogRect labelRect, editRect;
    const char* name;
    std::string EntryTexts::*text;
};
const FieldLayout kFields[] = {
    {EntryField::Kanji, "漢字 (&K)", {19, 18, 40, 20}, {69, 15, 110, 26}, "kanji", &EntryTexts::kanji},
    {EntryField::Reading, "よみ (&Y)", {18, 48, 40, 20}, {69, 45, 110, 26}, "reading", &EntryTexts::reading},
    {EntryField::English, "Ｅｎｇｌｉｓｈ (&E)", {18, 79, 38, 20}, {69, 75, 110, 26}, "english", &EntryTexts::english},
    {EntryField::Number, "Ｎｏ．(&N)", {18, 111, 30, 20}, {53, 108, 52, 26}, "number", &EntryTexts::number},
};
// clang-format on

// A word's own recording: the file the game plays when the word is solved.
std::optional<std::string> recordingPath(const std::string& kanjiSjis) {
    return wordFilePath("wav", kanjiSjis, ".wav");
}

} // namespace

bool CEntryEditDlg::HasRecording() const {
    const auto path = recordingPath(m_kanji);
    std::error_code error;
    return path && std::filesystem::exists(std::filesystem::u8path(*path), error);
}

std::optional<std::string> CEntryEditDlg::KeepTake(const platform::TakeChange& take) const {
    using Kind = platform::TakeChange::Kind;
    if (take.kind == Kind::None)
        return std::nullopt;
    const auto path = recordingPath(m_kanji);
    if (!path)
        return "この漢字は録音のファイル名に使えません。";
    return take.kind == Kind::Replace ? platform::replaceFile(*path, take.wave)
                                      : platform::removeFile(*path);
}

EntryTexts CEntryEditDlg::TextsToShow() const {
    return {platform::sjisToUtf8Lossy(m_kanji), platform::sjisToUtf8Lossy(m_reading),
            platform::sjisToUtf8Lossy(m_english), std::to_string(m_number)};
}

std::optional<EntryProblem> CEntryEditDlg::DoDataExchange(const EntryTexts& edited) {
    std::string kanji, reading, english;
    int number = 0;
    std::optional<EntryProblem> problem = takeKanji(edited.kanji, m_kanji, kanji);
    if (!problem)
        problem = takeNumber(edited.number, number);
    if (!problem)
        problem = takeText(EntryField::Reading, edited.reading, m_reading, reading);
    if (!problem)
        problem = takeText(EntryField::English, edited.english, m_english, english);
    if (problem)
        return problem;
    m_kanji = std::move(kanji);
    m_number = number;
    m_reading = std::move(reading);
    m_english = std::move(english);
    return std::nullopt;
}

bool CEntryEditDlg::DoModal() {
    platform::FormSetup setup{"入力＆編集",
                              gfx::kFacePGothic,
                              {230, 268, 206, 175},
                              {},
                              {38, 143, 50, 19},
                              {96, 144, 50, 19},
                              "ｷｬﾝｾﾙ",
                              {},
                              {},
                              {}};
    const EntryTexts shown = TextsToShow();
    for (const FieldLayout& f : kFields)
        setup.fields.push_back({f.label, f.labelRect, f.editRect, f.name, shown.*f.text, {}});
    // The kanji edit takes no typing or paste that would pass 8 Shift-JIS bytes, rather than
    // cutting a paste short.
    setup.fields.front().accepts = [](const std::string& utf8) {
        return shiftJisLength(utf8, kMaxKanjiBytes) <= kMaxKanjiBytes;
    };
    // The take is kept under the kanji as OK takes it; a take that cannot be kept leaves the
    // editor open, with the old recording in place.
    setup.recording = {{112, 108, 48, 24}, {162, 108, 36, 24}, {112, 135, 86, 5}, [this] {
                           return HasRecording();
                       }};
    setup.takeTexts =
        [this](const std::vector<std::string>& texts,
               const platform::TakeChange& take) -> std::optional<platform::FormProblem> {
        EntryTexts edited;
        for (std::size_t i = 0; i < std::size(kFields); ++i)
            edited.*kFields[i].text = texts[i];
        auto problem = DoDataExchange(edited);
        if (!problem) {
            const auto kept = KeepTake(take);
            if (!kept)
                return std::nullopt;
            problem = EntryProblem{EntryField::Kanji, *kept};
        }
        const auto at = std::ranges::find(kFields, problem->field, &FieldLayout::field);
        return platform::FormProblem{static_cast<std::size_t>(at - std::begin(kFields)),
                                     problem->message};
    };
    if (wordAt)
        setup.boardClicked = [this](int x, int y) -> std::optional<std::vector<std::string>> {
            const int k = wordAt(x, y);
            if (k == 0)
                return std::nullopt;
            ShowWord(k);
            const EntryTexts texts = TextsToShow();
            return std::vector<std::string>{texts.kanji, texts.reading, texts.english,
                                            texts.number};
        };
    return platform::runFormDialog(setup);
}

void CEntryEditDlg::ShowWord(int k) {
    m_number = k;
    m_kanji = theWordList[k].kanji;
    m_reading = theWordList[k].reading;
    m_english = theWordList[k].english;
}

} // namespace wordlist
