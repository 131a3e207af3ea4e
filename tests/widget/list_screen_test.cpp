// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// 漢字入力: the list drawn behind the editor, the editor as the user meets it, and what OK and
// cancel leave behind, down to the emoji and the voice of a word typed in.
#include "rewards/word_picture.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "support/shell_support.h"
#include "wordlist/list_screen.h"

#include <QLineEdit>

using namespace app;
using namespace board;
using namespace rewards;
using namespace wordlist;

using namespace testing_support;
using platform::sjis;

namespace {

constexpr gfx::Rgb kFrameBlue = gfx::rgb(0, 0, 180);

// Red text, antialiased or not; grey or black text never passes.
bool reddish(gfx::Rgb c) {
    const int r = c >> 16 & 0xFF, g = c >> 8 & 0xFF, b = c & 0xFF;
    return r > 150 && g < r - 80 && b < r - 80;
}

class ListScreen : public ::testing::Test {
  protected:
    // Runs 漢字入力 with `user` answering the open editor.
    void runWordList(const std::function<void(QDialog&)>& user) {
        platform::setModalHook([&](QDialog& dialog) {
            user(dialog);
            return dialog.result();
        });
        OnWordList();
        testing_support::failOnUnexpectedModals();
    }
    static QLineEdit& edit(QDialog& dialog, const char* name) {
        return *dialog.findChild<QLineEdit*>(name);
    }
    static void press(QDialog& dialog, const char* button) {
        dialog.findChild<QPushButton*>(button)->click();
    }

    RunningApp game;
    MessageRecorder messages;
};

// Red marks stand only beside solved words, on their rows 18 apart from y 38 on the left and
// from y 36 on the right; the reminder below the list is red.
TEST_F(ListScreen, RedMarksStandBesideSolvedWordsOnly) {
    thePuzzle.solvedFlags[3] = 1;
    thePuzzle.solvedFlags[40] = 1;
    QImage shot; // the window as it stands behind the editor
    runWordList([&](QDialog&) { shot = game.pixels().copy(); });
    for (const auto& [x, top] : {std::pair(10, 38 + 2 * 18), std::pair(410, 36 + 9 * 18)}) {
        const auto mark = inkBounds(shot, QRect(x, 30, 20, 555), reddish);
        ASSERT_TRUE(mark) << x;
        EXPECT_GE(mark->top(), top);
        EXPECT_LT(mark->bottom(), top + 18);
    }
    EXPECT_GT(countPixels(shot, QRect(10, 592, 300, 36), reddish), 0);
    EXPECT_EQ(countPixels(shot, QRect(30, 15, 380, 570), reddish), 0);
    EXPECT_EQ(countPixels(shot, QRect(430, 15, 515, 570), reddish), 0);
}

// A refused text keeps the editor open with the focus on its field (one per field here; which
// texts each field refuses is the exchange's own test). OK then writes the slot the number
// names, and the fields left as shown keep their bytes: ED40 and 8790 come back from Unicode as
// FA5C and 81E0, FF and a lone lead byte are invalid.
TEST_F(ListScreen, RefusedTextsKeepTheEditorOpenAndOkWritesTheNamedSlotKeepingUntouchedBytes) {
    const WordEntry odd{std::string("\xED\x40\x87\x90", 4), std::string("\x82\xA0\xFF\x81", 4),
                        "sea"};
    thePuzzle.currentEntry = 3;
    thePuzzle.solvedFlags[7] = 1;
    theWordList[3] = odd;
    const std::pair<const char*, const char*> refused[] = {
        {"number", "seven"}, {"kanji", "漢字漢字a"}, {"reading", "a\nb"}, {"english", "한"}};
    runWordList([&](QDialog& dialog) {
        for (const auto& [field, text] : refused) {
            const QString shown = edit(dialog, field).text();
            edit(dialog, field).setText(QString::fromUtf8(text));
            press(dialog, "ok");
            EXPECT_TRUE(dialog.isVisible()) << field;
            EXPECT_EQ(dialog.focusWidget(), &edit(dialog, field)) << field;
            edit(dialog, field).setText(shown);
        }
        EXPECT_EQ(messages.texts.size(), std::size(refused));
        edit(dialog, "english").setText("forest");
        edit(dialog, "number").setText(QString::fromUtf8("７"));
        press(dialog, "ok");
    });
    EXPECT_EQ(std::tie(theWordList[7].kanji, theWordList[7].reading, theWordList[7].english),
              std::make_tuple(odd.kanji, odd.reading, std::string("forest")));
    EXPECT_EQ(theWordList[3].english, "sea");
    EXPECT_EQ(thePuzzle.currentEntry, 3);
    EXPECT_EQ(thePuzzle.solvedFlags[7], 1);
}

// While the editor is open a click on a row of the list (the last of each column here) shows
// that word and its number, on a board shown at any scale (a window of 1.44 times the board's
// size, a child mode's screen); a click beside the rows changes nothing, and the board itself
// takes no click.
TEST_F(ListScreen, AClickOnARowShowsThatWordAtEveryScale) {
    theWordList[30] = {sjis("川"), sjis("かわ"), "river"};
    theWordList[50] = {sjis("海"), sjis("うみ"), "sea"};
    for (const double scale : {1.0, 1.44, 0.0}) { // 0: child mode
        SCOPED_TRACE(scale);
        if (scale > 0)
            game.app().frame().resize(int(945 * scale), int(724 * scale) + 40);
        else
            game.app().frame().enterChildMode();
        game.settle();
        const double s = game.view().scale();
        const QPoint origin((game.view().width() - int(945 * s)) / 2,
                            (game.view().height() - int(724 * s)) / 2);
        runWordList([&](QDialog& dialog) {
            for (const auto& [x, y, word, number] :
                 {std::tuple(12, 38 + 29 * 18 + 9, "川", "30"),
                  std::tuple(900, 36 + 19 * 18 + 2, "海", "50"),
                  std::tuple(500, 36 + 20 * 18 + 2, "海", "50")}) {
                game.click(origin.x() + int(x * s), origin.y() + int(y * s));
                EXPECT_EQ(edit(dialog, "kanji").text().toStdString(), word) << number;
                EXPECT_EQ(edit(dialog, "number").text().toStdString(), number) << y;
            }
            press(dialog, "cancel");
        });
    }
    EXPECT_EQ(thePuzzle.selectedPiece, -1);
}

// Only a change to a word the file holds, in any of its fields, asks for a save, marks the title
// and makes quitting ask; Escape and cancel write nothing.
TEST_F(ListScreen, OnlyAChangedSavedWordMarksTheListModified) {
    const struct {
        const char *field, *text, *number;
        const char* closer; // a button, or nullptr for Escape
        bool modified;
    } cases[] = {
        {"kanji", "山", "1", "ok", false},     {"kanji", "川", "0", "ok", false},
        {"kanji", "川", "+51", "ok", false},   {"kanji", "川", "1", nullptr, false},
        {"kanji", "川", "1", "cancel", false}, {"kanji", "川", "1", "ok", true},
        {"reading", "かわ", "50", "ok", true}, {"english", "river", "25", "ok", true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.field << " " << c.number << " " << c.closer);
        for (int k : {1, 25, 50})
            theWordList[k] = {sjis("山"), sjis("やま"), "mountain"};
        platform::theDocument()->setModified(false);
        runWordList([&](QDialog& dialog) {
            edit(dialog, c.field).setText(QString::fromUtf8(c.text));
            edit(dialog, "number").setText(c.number);
            if (c.closer)
                press(dialog, c.closer);
            else
                QTest::keyClick(&edit(dialog, "kanji"), Qt::Key_Escape);
        });
        EXPECT_EQ(platform::theDocument()->modified(), c.modified);
        EXPECT_EQ(game.app().frame().isWindowModified(), c.modified); // the title's asterisk
        EXPECT_EQ(theWordList[1].kanji, sjis(c.modified && c.number[0] == '1' ? "川" : "山"));
        if (c.modified) {
            SaveQuestionScript question(platform::SaveAnswer::Cancel);
            EXPECT_FALSE(game.app().frame().close());
            EXPECT_EQ(question.asked, 1);
        }
    }
    // After a cancel the word is set up again at once.
    runWordList([&](QDialog& dialog) { press(dialog, "cancel"); });
    game.settle();
    EXPECT_EQ(thePuzzle.scene, BoardScene::Puzzle);
    EXPECT_EQ(game.pixel(60, 200), kFrameBlue);
}

// A word the parent types in shows its emoji and speaks its reading when the child solves it,
// with no file made by hand; the parent's own picture still wins.
TEST_F(ListScreen, ATypedWordShowsItsEmojiAndSpeaksItsReading) {
    const rewards_support::ScratchFolder folder;
    game.openWords({{"山", "", "x"}});
    runWordList([&](QDialog& dialog) {
        for (const auto& [name, text] : {std::pair("number", "1"), std::pair("kanji", "猫"),
                                         std::pair("reading", "ねこ"), std::pair("english", "cat")})
            edit(dialog, name).setText(QString::fromUtf8(text));
        press(dialog, "ok");
    });
    game.move(500, 650); // the pointer's first move sets the edited word up
    thePuzzle.firstSolve = 0;
    thePuzzle.solvedFlags[1] = 1; // solved before: no chime, only the word's voice
    rewards_support::solveCurrentWord(game);
    // The voice is made on the speech thread: events are let in until it plays.
    EXPECT_TRUE(QTest::qWaitFor([] { return platform::audioBusy(); }, 10000));
    // The cat's face is yellow to orange, a colour nothing else on the board has.
    EXPECT_GT(countPixels(game.pixels(), {20, 380, 300, 300},
                          [](gfx::Rgb c) {
                              const QColor q(c);
                              return q.red() > 200 && q.green() > 100 && q.blue() < 100;
                          }),
              10000);
    folder.write("bmp/猫.bmp", hardening::bitmapFileBytes(300, 300, Qt::green));
    RebuildPuzzle();
    rewards_support::solveCurrentWord(game);
    EXPECT_EQ(game.pixel(20, 380), gfx::rgb(0, 255, 0));
}

// The solved marks are kept per list file across runs and belong to their words: after a restart
// a word moved in the file keeps its mark and a changed one has none; きろくを消す clears them;
// one word solved alone is kept as well, the last word's as any other's.
TEST(Progress, SolvedMarksOutliveARestartFollowTheirWordsAndGoWhenCleared) {
    const TempFile list(wordListBytes({{"山", "やま", "m"}, {"川", "かわ", "r"}}));
    std::optional<RunningApp> game(std::vector<std::string>{"torvex", list.path()});
    const auto marksAfterRestart = [&](const std::vector<std::vector<std::string>>& words) {
        game.reset();
        if (!words.empty())
            std::ofstream(list.path(), std::ios::binary) << wordListBytes(words);
        game.emplace(std::vector<std::string>{"torvex", list.path()});
        return std::vector<int>(&thePuzzle.solvedFlags[1], &thePuzzle.solvedFlags[4]);
    };
    rewards_support::solveCurrentWord(*game);
    OnNext();
    game->move(500, 700);
    rewards_support::solveCurrentWord(*game);
    EXPECT_EQ(marksAfterRestart({{"木", "き", "t"}, {"山", "やま", "m"}, {"川", "がわ", "r"}}),
              std::vector({0, 1, 0}));
    choose(game->app().frame(), ID_CLEAR_PROGRESS);
    EXPECT_EQ(marksAfterRestart({}), std::vector({0, 0, 0}));
    rewards_support::solveCurrentWord(*game); // a single mark is kept too
    EXPECT_EQ(marksAfterRestart({}), std::vector({1, 0, 0}));
    marksAfterRestart(
        std::vector<std::vector<std::string>>(wordlist::kWordCount, {"川", "かわ", "r"}));
    thePuzzle.currentEntry = wordlist::kWordCount;
    RebuildPuzzle();
    rewards_support::solveCurrentWord(*game);
    marksAfterRestart({});
    EXPECT_EQ(thePuzzle.solvedFlags[wordlist::kWordCount], 1);
}

} // namespace
