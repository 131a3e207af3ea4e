// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// The entry editor's exchange: which texts OK refuses and names, and the number it takes, and the
// keyboard it takes as it opens. That fields left as shown keep their bytes is the list screen's
// test, through the real editor.
#include "platform/modal.h"
#include "platform/sjis.h"
#include "wordlist/entry_editor.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <optional>
#include <tuple>

using namespace wordlist;

using platform::sjis;

namespace {

// OK takes the kanji, the number, the reading and the English in this order: the first that
// cannot be taken is named and no field changes.
TEST(EntryExchange, RefusesTheFirstBadFieldAndTakesTextsWithinTheLimits) {
    using enum EntryField;
    const struct {
        EntryTexts edited;
        std::optional<EntryField> refused;
        int number = 0; // taken when nothing is refused
    } cases[] = {
        {{"😀", "やま", "mountain", "5"}, Kanji},
        {{"山\n", "やま", "mountain", "5"}, Kanji},
        {{"漢字漢字a", "やま", "mountain", "101"}, Kanji},
        {{"山", "やま", "mountain", "7a"}, Number},
        {{"山", "やま", "mountain", ""}, Number},
        {{"山", "やま", "mountain", "101"}, Number},
        {{"山", "やま", "mountain", "-1"}, Number},
        {{"山", "やま", "mountain", "－１"}, Number},
        {{"山", "やま", "mountain", "99999999999999999999"}, Number},
        {{"山", "\n", "mountain", "x"}, Number},
        {{"山", "や\rま", "mountain", "5"}, Reading},
        {{"山", "やま", std::string("moun\0tain", 9), "5"}, English},
        {{"山", "やま", "moun\u0085tain", "5"}, English},
        {{"漢字漢字", "", "", "0"}, {}, 0},
        {{"abcdefgh", "", "", "100"}, {}, 100},
        {{"ｱｲｳｴｵｶｷｸ", "", "", " 51 "}, {}, 51},
        {{"", "", "", "+7"}, {}, 7},
        {{"", "", "", "　＋７２"}, {}, 72},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.edited.kanji + "|" + c.edited.reading + "|" + c.edited.number);
        CEntryEditDlg editor{sjis("山"), 5, sjis("やま"), "mountain", {}};
        const auto problem = editor.DoDataExchange(c.edited);
        EXPECT_EQ(problem ? std::optional(problem->field) : std::nullopt, c.refused);
        const auto fields =
            std::tie(editor.m_kanji, editor.m_number, editor.m_reading, editor.m_english);
        if (c.refused)
            EXPECT_EQ(fields, std::make_tuple(sjis("山"), 5, sjis("やま"), "mountain"));
        else
            EXPECT_EQ(fields, std::make_tuple(sjis(c.edited.kanji), c.number, "", ""));
    }
}

// Without a window manager nobody hands a new window the keyboard: the editor takes it itself.
// Its kanji field takes no typing past 8 Shift-JIS bytes: a fifth kanji does not appear.
TEST(EntryEditor, TakesTheKeyboardAsItOpensAndFourKanjiAtMost) {
    QString focused, typed;
    platform::setModalHook([&](QDialog& dialog) {
        if (dialog.isActiveWindow() && QApplication::focusWidget())
            focused = QApplication::focusWidget()->objectName();
        auto* kanji = dialog.findChild<QLineEdit*>("kanji");
        kanji->clear();
        for (const QChar c : QString::fromUtf8("漢字漢字漢"))
            QTest::sendKeyEvent(QTest::Click, kanji, Qt::Key_unknown, c, Qt::NoModifier);
        typed = kanji->text();
        return int(QDialog::Rejected);
    });
    CEntryEditDlg editor;
    editor.DoModal();
    platform::setModalHook({});
    EXPECT_EQ(focused, "kanji");
    EXPECT_EQ(typed.toStdString(), "漢字漢字");
}

} // namespace
