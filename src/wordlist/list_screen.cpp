// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wordlist/list_screen.h"

#include "gfx/surface.h"
#include "platform/document.h"
#include "platform/sjis.h"
#include "wordlist/entry_editor.h"
#include "wordlist/word_list.h"
#include "wordlist/word_list_player.h"

#include <tuple>

namespace wordlist {

namespace {

constexpr gfx::Rgb kRed = gfx::rgb(255, 0, 0);
constexpr int kRowStep = 18;

struct Column {
    int first, last; // entries
    int top;         // of the first row
    int markX, numberX, textX;
    int right; // the end of a row a click finds
};
// The right column starts two pixels higher than the left.
constexpr Column kColumns[] = {{1, 30, 38, 10, 30, 50, 410}, {31, 50, 36, 410, 430, 450, 945}};

// The word whose row, mark to window edge or next column, holds the point; 0 for none.
int wordAt(int x, int y) {
    for (const Column& column : kColumns) {
        const int row = y >= column.top ? (y - column.top) / kRowStep : -1;
        if (x >= column.markX && x < column.right && row >= 0 && row <= column.last - column.first)
            return column.first + row;
    }
    return 0;
}

void drawRed(gfx::Surface& screen, int x, int y, const std::string& text) {
    screen.setTextColour(kRed);
    screen.textOut(x, y, text);
    screen.setTextColour(gfx::kBlack);
}

void drawHeadings(gfx::Surface& screen) {
    static const std::string heading = platform::sjis(
        "ここでリストが入力出来るよ (^o^)/     　　　        ひだりの○は、正解できたところだよ。");
    static const std::string reminder1 =
        platform::sjis("入力したら必ず ﾌｧｲﾙ(F)、名前を付けて保存(A) で、");
    static const std::string reminder2 = platform::sjis("保存してね。");
    screen.textOut(50, 15, heading);
    drawRed(screen, 10, 592, reminder1);
    drawRed(screen, 10, 610, reminder2);
}

std::string rowText(const WordEntry& entry) {
    static const std::string wideGap = platform::sjis("　　");
    return entry.kanji + wideGap + entry.reading + "    " + entry.english;
}

void drawRow(gfx::Surface& screen, const Column& column, int k) {
    static const std::string solvedMark = platform::sjis("○");
    const int y = column.top + kRowStep * (k - column.first);
    if (theWordListPlayer()->solved(k))
        drawRed(screen, column.markX, y, solvedMark);
    screen.textOut(column.numberX, y, std::to_string(k));
    screen.textOut(column.textX, y, rowText(theWordList[k]));
}

void drawListScreen(gfx::Surface& screen) {
    drawHeadings(screen);
    for (const Column& column : kColumns)
        for (int k = column.first; k <= column.last; ++k)
            drawRow(screen, column, k);
}

bool sameTexts(const WordEntry& a, const WordEntry& b) {
    return std::tie(a.kanji, a.reading, a.english) == std::tie(b.kanji, b.reading, b.english);
}

// The editor opens on the current word, or the word whose row is clicked; OK writes into the slot
// its number field names, which need not be the current word's. Only a change to a word the file
// holds asks for a save.
void editEntry() {
    CEntryEditDlg editor;
    editor.ShowWord(theWordListPlayer()->currentWord());
    editor.wordAt = wordAt;
    if (!editor.DoModal())
        return;
    const WordEntry edited{editor.m_kanji, editor.m_reading, editor.m_english};
    const bool saved = editor.m_number >= 1 && editor.m_number <= kWordCount;
    platform::Document* document = platform::theDocument();
    if (saved && document && !sameTexts(theWordList[editor.m_number], edited))
        document->setModified(true);
    theWordList[editor.m_number] = edited;
}

} // namespace

void OnWordList() {
    {
        gfx::WindowSurface screen;
        theWordListPlayer()->clearScreen(screen);
        drawListScreen(screen);
        // The editor's loop does not return here until it closes: show the list behind it.
        screen.showNow();
        editEntry();
    }
    // The board comes back with the current word, as edited, set up afresh.
    theWordListPlayer()->editorClosed();
}

} // namespace wordlist
