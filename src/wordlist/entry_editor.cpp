#include "wordlist/entry_editor.h"

#include "gfx/fonts.h"
#include "platform/sjis.h"
#include "wordlist/word_list.h"

#include <charconv>

namespace {

using platform::EntryField;
using platform::EntryProblem;

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

std::optional<EntryProblem> takeNumber(std::string_view edited, int& number) {
    const auto first = edited.find_first_not_of(' ');
    const auto last = edited.find_last_not_of(' ');
    if (first == std::string_view::npos)
        return EntryProblem{EntryField::Number, "整数を入力してください。"};
    const char* end = edited.data() + last + 1;
    long long value = 0;
    const auto [stop, error] = std::from_chars(edited.data() + first, end, value);
    if (stop != end || error == std::errc::invalid_argument)
        return EntryProblem{EntryField::Number, "整数を入力してください。"};
    if (error == std::errc::result_out_of_range || value < kLowestSlot || value > kHighestSlot)
        return EntryProblem{EntryField::Number, "0 から 100 までの整数を入力してください。"};
    number = static_cast<int>(value);
    return std::nullopt;
}

} // namespace

platform::EntryTexts CEntryEditDlg::TextsToShow() const {
    return {platform::sjisToUtf8Lossy(m_kanji), platform::sjisToUtf8Lossy(m_reading),
            platform::sjisToUtf8Lossy(m_english), std::to_string(m_number)};
}

std::optional<EntryProblem> CEntryEditDlg::DoDataExchange(const platform::EntryTexts& edited) {
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
    return platform::runEntryDialog(
        {gfx::kFacePGothic, kMaxKanjiBytes, TextsToShow(),
         [this](const platform::EntryTexts& edited) { return DoDataExchange(edited); }});
}
