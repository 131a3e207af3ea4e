// The entry editor's exchange: which texts OK refuses and names, and the bytes it takes back.
#include "platform/sjis.h"
#include "wordlist/entry_editor.h"

#include <gtest/gtest.h>

using platform::EntryField;
using platform::EntryTexts;
using platform::sjis;

namespace {

CEntryEditDlg editorOnMountain() {
    CEntryEditDlg editor;
    editor.m_kanji = sjis("山");
    editor.m_number = 5;
    editor.m_reading = sjis("やま");
    editor.m_english = "mountain";
    return editor;
}

TEST(EntryExchange, RefusesTheFirstBadFieldAndChangesNothing) {
    const struct {
        const char* why;
        EntryTexts edited;
        EntryField field;
    } cases[] = {
        {"unencodable kanji", {"😀", "やま", "mountain", "5"}, EntryField::Kanji},
        {"line feed", {"山\n", "やま", "mountain", "5"}, EntryField::Kanji},
        {"trailing letter", {"山", "やま", "mountain", "7a"}, EntryField::Number},
        {"empty number", {"山", "やま", "mountain", ""}, EntryField::Number},
        {"huge number", {"山", "やま", "mountain", "99999999999999999999"}, EntryField::Number},
        {"carriage return", {"山", "や\rま", "mountain", "5"}, EntryField::Reading},
        {"tab", {"山", "や\tま", "mountain", "5"}, EntryField::Reading},
        {"NUL", {"山", "やま", std::string("moun\0tain", 9), "5"}, EntryField::English},
        {"C1 control", {"山", "やま", "moun\u0085tain", "5"}, EntryField::English},
        {"kanji before number", {"漢字漢字a", "やま", "mountain", "101"}, EntryField::Kanji},
        {"number before reading", {"山", "\n", "mountain", "x"}, EntryField::Number},
    };
    for (const auto& c : cases) {
        CEntryEditDlg editor = editorOnMountain();
        const auto problem = editor.DoDataExchange(c.edited);
        ASSERT_TRUE(problem) << c.why;
        EXPECT_EQ(problem->field, c.field) << c.why;
        EXPECT_FALSE(problem->message.empty()) << c.why;
        EXPECT_EQ(editor.m_kanji, sjis("山")) << c.why;
        EXPECT_EQ(editor.m_number, 5) << c.why;
        EXPECT_EQ(editor.m_english, "mountain") << c.why;
    }
}

TEST(EntryExchange, TakesTextsWithinTheLimits) {
    const struct {
        EntryTexts edited;
        std::string kanji;
        int number;
    } cases[] = {
        {{"漢字漢字", "", "", "0"}, sjis("漢字漢字"), 0},
        {{"abcdefgh", "", "", "100"}, "abcdefgh", 100},
        {{"ｱｲｳｴｵｶｷｸ", "", "", " 51 "}, sjis("ｱｲｳｴｵｶｷｸ"), 51},
        {{"", "", "", "7"}, "", 7},
    };
    for (const auto& c : cases) {
        CEntryEditDlg editor = editorOnMountain();
        EXPECT_FALSE(editor.DoDataExchange(c.edited)) << c.edited.kanji;
        EXPECT_EQ(editor.m_kanji, c.kanji);
        EXPECT_EQ(editor.m_number, c.number);
        EXPECT_EQ(editor.m_reading, "");
    }
}

TEST(EntryExchange, ChangedFieldsAreEncodedAfresh) {
    CEntryEditDlg editor;
    editor.m_kanji = std::string("\xED\x40", 2);
    editor.m_reading = std::string("\xFF", 1); // shown as U+FFFD, which has no Shift-JIS form
    EntryTexts edited = editor.TextsToShow();
    edited.kanji += "x";
    ASSERT_FALSE(editor.DoDataExchange(edited));
    EXPECT_EQ(editor.m_kanji, "\xFA\x5Cx");
    EXPECT_EQ(editor.m_reading, "\xFF");

    edited = editor.TextsToShow();
    edited.reading += "x";
    const auto problem = editor.DoDataExchange(edited);
    ASSERT_TRUE(problem);
    EXPECT_EQ(problem->field, EntryField::Reading);
}

} // namespace
