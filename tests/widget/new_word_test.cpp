// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
// A word a parent types into 漢字入力 shows its emoji and speaks its reading when the child
// solves it, with no file made by hand; the parent's own picture still wins.
#include "board/puzzle_setup.h"
#include "platform/modal.h"
#include "platform/sound.h"
#include "rewards/word_picture.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"
#include "wordlist/list_screen.h"

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <thread>

using namespace testing_support;

namespace {

// Types the word into the editor as the parent does and presses OK.
void typeWord(int number, const char* kanji, const char* reading, const char* english) {
    platform::setModalHook([&](QDialog& dialog) {
        const std::pair<const char*, QString> fields[] = {{"number", QString::number(number)},
                                                          {"kanji", QString::fromUtf8(kanji)},
                                                          {"reading", QString::fromUtf8(reading)},
                                                          {"english", english}};
        for (const auto& [name, text] : fields)
            dialog.findChild<QLineEdit*>(name)->setText(text);
        dialog.findChild<QPushButton*>("ok")->click();
        return dialog.result();
    });
    OnWordList();
    testing_support::failOnUnexpectedModals();
}

// The voice is made on the speech thread: events are let in until it plays, for at most 10 s.
bool voiceHeard() {
    for (int i = 0; i < 1000 && !platform::audioBusy(); ++i) {
        QApplication::processEvents();
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return platform::audioBusy();
}

TEST(NewWord, TypedIntoTheEditorItShowsItsEmojiAndSpeaksItsReading) {
    RunningApp game;
    const rewards_support::ScratchFolder folder;
    game.openWords({{"山", "", "x"}});
    typeWord(1, "猫", "ねこ", "cat");
    game.move(500, 650); // the pointer's first move sets the edited word up
    thePuzzle.firstSolve = 0;
    thePuzzle.solvedFlags[1] = 1; // solved before: no chime, only the word's voice
    rewards_support::solveCurrentWord(game);
    EXPECT_TRUE(voiceHeard());
    const gfx::BitmapPtr cat = DrawnWordPicture(1);
    ASSERT_TRUE(cat);
    EXPECT_TRUE(game.shows({20, 380, 300, 300}, *cat));
    // The parent's own picture wins over the emoji.
    folder.write("bmp/猫.bmp", hardening::bitmapFileBytes(300, 300, Qt::green));
    RebuildPuzzle();
    rewards_support::solveCurrentWord(game);
    EXPECT_EQ(game.pixel(20, 380), gfx::rgb(0, 255, 0));
}

} // namespace
