#include "wordlist/list_screen.h"

#include "board/board_drawing.h"
#include "board/navigation.h"
#include "board/puzzle_state.h"
#include "platform/document.h"
#include "platform/sjis.h"
#include "wordlist/entry_editor.h"
#include "wordlist/word_list.h"

namespace {

constexpr gfx::Rgb kRed = gfx::rgb(255, 0, 0);
constexpr int kRowStep = 18;

struct Column {
    int first, last; // entries
    int top;         // of the first row
    int markX, numberX, textX;
};
// The right column starts two pixels higher than the left.
constexpr Column kColumns[] = {{1, 30, 38, 10, 30, 50}, {31, 50, 36, 410, 430, 450}};

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
    if (thePuzzle.solvedFlags[k])
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

// The editor opens on the current word; OK writes into the slot its number field names, which
// need not be the current word's.
void editEntry() {
    const WordEntry& current = theWordList[thePuzzle.currentEntry];
    CEntryEditDlg editor;
    editor.m_number = thePuzzle.currentEntry;
    editor.m_kanji = current.kanji;
    editor.m_reading = current.reading;
    editor.m_english = current.english;
    if (!editor.DoModal())
        return;
    theWordList[editor.m_number] = {editor.m_kanji, editor.m_reading, editor.m_english};
    if (platform::Document* document = platform::theDocument())
        document->setModified(true);
}

} // namespace

void OnWordList() {
    {
        gfx::WindowSurface screen;
        ClearBoard(screen);
        drawListScreen(screen);
        // The editor's loop does not return here until it closes: show the list behind it.
        screen.showNow();
        editEntry();
    }
    // The board comes back with the current word, as edited, to be set up at the next move.
    PreviewCurrentWord();
}
