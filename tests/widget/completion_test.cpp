// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

// What a solved word shows and plays, reached through real clicks on the real view.
#include "platform/resources.h"
#include "platform/speech.h"
#include "rewards/word_sound.h"
#include "support/hardening_support.h"
#include "support/rewards_support.h"

using namespace board;
using namespace rewards;
using namespace wordlist;

using namespace testing_support;
using namespace rewards_support;

namespace {

constexpr gfx::Rgb kWhite = gfx::kWindowColour;
constexpr gfx::Rgb kOutlineRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGreen = gfx::rgb(0, 128, 0);
const QRect kNextButton(700, 475, 200, 60), kBadge(30, 380, 48, 48);

// Pictures and sounds are found in the folder the game started in: a scratch folder here.
class Completion : public ::testing::Test {
  protected:
    void SetUp() override { platform::openAudio(); }
    static QImage builtin(int id) { return *gfx::loadResourceBitmap(id); }
    // Opens a list of the given kanji, word 1 first. With no reading they are never spoken, and
    // 漢 has no emoji: a word of 漢 shows no picture unless a file gives it one.
    void openWords(const std::vector<std::string>& kanji) {
        std::vector<std::vector<std::string>> entries;
        for (const std::string& k : kanji)
            entries.push_back({k, "", "gloss"});
        game.openWords(entries);
    }
    // Sets word `entry` up and solves it with `soundFile` in place (none when empty), holding
    // the built-in wave unless `bytes` are given.
    void solve(int entry, const std::string& soundFile = "", std::string bytes = {}) {
        if (!soundFile.empty())
            folder.write(soundFile,
                         bytes.empty() ? platform::loadResourceWave(kFallbackWaveId) : bytes);
        thePuzzle.currentEntry = entry;
        RebuildPuzzle();
        solveCurrentWord(game);
        if (!soundFile.empty())
            folder.remove(soundFile);
    }
    // Solved before and with a sound of its own, the word is solved without the fallback.
    void solveQuietly(int entry) {
        thePuzzle.solvedFlags[entry] = 1;
        solve(entry, "wav/" + platform::sjisToUtf8Lossy(theWordList[entry].kanji) + ".wav");
    }
    bool blank(const QRect& area) { return countPixels(game.pixels(), area, notWhite) == 0; }

    RunningApp game;
    ScratchFolder folder;
};

// The outline encloses the solved frame of every word length; the gloss is drawn whole (a long
// one runs to the window's edge); without a picture the badge stays in view; the score shows
// the solved count in picture digits.
TEST_F(Completion, OutlineGlossBadgeAndScore) {
    openWords({"漢", "漢漢", "漢漢漢漢"});
    const QImage digits = builtin(gfx::kDigitStrip);
    const struct {
        int entry, solved, tens, units, glossBytes;
    } rows[] = {{1, 1, 0, 1, 8}, {2, 9, 0, 9, 10000}, {3, 10, 1, 0, 8}, {1, 50, 5, 0, 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.solved);
        thePuzzle.solvedFlags.fill(0);
        for (int i = 1; i < row.solved; ++i)
            thePuzzle.solvedFlags[51 - i] = 1; // from the top, never the word played

        theWordList[row.entry].english = std::string(row.glossBytes, 'm');
        solveQuietly(row.entry);
        const int right = 200 * thePuzzle.cellCount - 10; // centre of the right half circle
        const int middle = (140 + right) / 2;
        const Point outline[] = {{10, 235},          {48, 143},         {middle, 105},
                                 {right + 130, 235}, {right + 92, 327}, {middle, 365}};
        for (const auto [x, y] : outline)
            EXPECT_EQ(game.pixel(x, y), kOutlineRed) << x << "," << y;
        for (const auto [x, y] : {Point{1, 235}, {30, 235}, {middle, 120}, {right + 139, 235}})
            EXPECT_EQ(game.pixel(x, y), kWhite) << x << "," << y;
        EXPECT_GT(game.count({335, 380, 100, 50}, gfx::rgb(255, 0, 255)), 0);
        EXPECT_EQ(game.count({905, 380, 40, 50}, gfx::rgb(255, 0, 255)) > 0, row.glossBytes > 100);
        EXPECT_TRUE(game.shows(kBadge, builtin(gfx::kBadge)));
        EXPECT_TRUE(game.shows({525, 475, 60, 60}, digits, {60 * row.units, 0}));
        EXPECT_TRUE(row.tens ? game.shows({465, 475, 60, 60}, digits, {60 * row.tens, 0})
                             : blank({465, 475, 60, 60}));
    }
}

// The Next button is on the board exactly while a press on it answers: it goes when the word is
// taken apart and comes back with a new solve; it goes on to the next word and on to pick up its
// piece under the button.
TEST_F(Completion, NextButtonIsShownExactlyWhileItAnswers) {
    openWords({"山", "路面電車"});
    solveQuietly(1);
    const QImage button = builtin(gfx::kNextButton);
    EXPECT_TRUE(game.shows(kNextButton, button));
    game.click(115, 185); // a piece from its home
    game.click(400, 600);
    EXPECT_TRUE(blank(kNextButton));
    game.click(800, 505);
    EXPECT_EQ(thePuzzle.currentEntry, 1);
    game.click(400, 600);
    game.click(115, 185);
    EXPECT_TRUE(game.shows(kNextButton, button));
    // The lower right row of the four-character word lies under the button: its piece at
    // x 710 is under (750, 534), the button's last row, whatever the shuffle.
    game.click(750, 534);
    EXPECT_EQ(thePuzzle.currentEntry, 2);
    ASSERT_GT(thePuzzle.selectedPiece, 0);
    EXPECT_EQ(QPoint(thePuzzle.pieceX[4][thePuzzle.selectedPiece],
                     thePuzzle.pieceY[4][thePuzzle.selectedPiece]),
              QPoint(710, 510));
}

// A picture larger than 300 pixels shows its top left 300 square from (20, 380), over the badge.
TEST_F(Completion, AWordPictureShowsItsTopLeft300Square) {
    openWords({"漢"});
    folder.write("bmp/漢.bmp", hardening::bitmapFileBytes(400, 400, QColor::fromRgb(kGreen)));
    solveQuietly(1);
    EXPECT_FALSE(game.shows(kBadge, builtin(gfx::kBadge)));
    EXPECT_EQ(game.pixel(20, 380), kGreen);
    EXPECT_EQ(game.pixel(319, 679), kGreen);
    EXPECT_EQ(game.pixel(320, 679), kWhite);
    EXPECT_EQ(game.pixel(319, 680), kWhite);
}

// The word's own file plays on after the solve, and a first solve is spent only by a word with a
// sound file of its own, one that plays. A four-character word's file name is 16 bytes.
TEST_F(Completion, SoundFollowsTheWordsFileAndItsFirstSolve) {
    thePuzzle.difficulty = 1;
    openWords({"山", "路面電車", "../山"});
    const struct {
        int entry;
        const char* file; // "": the word has no sound
        int solvedBefore, firstSolveBefore, firstSolveAfter, wordPlaying;
        const char* bytes = "";
    } rows[] = {
        {1, "", 0, 0, 1, 0},
        {1, "", 1, 0, 0, 0},
        {1, "wav/山.wav", 0, 0, 0, 1},
        {1, "wav/山.wav", 1, 1, 0, 1}, // left set by a word without a sound file
        {2, "wav/路面電車.wav", 1, 0, 0, 1},
        {3, "山.wav", 0, 0, 1, 0},
        {1, "wav/山.wav", 0, 0, 1, 0, "RIFF, cut short"},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "word " << row.entry << ", file " << row.file);
        thePuzzle.solvedFlags[row.entry] = row.solvedBefore;
        thePuzzle.firstSolve = row.firstSolveBefore;
        solve(row.entry, row.file, row.bytes);
        EXPECT_EQ(thePuzzle.firstSolve, row.firstSolveAfter);
        EXPECT_EQ(platform::audioBusy(), row.wordPlaying != 0);
    }
}

// A parent's own recording plays instead of the spoken reading: its samples, all of one value the
// voice never holds, reach the speaker (SDL's disk driver writes what the device plays).
TEST_F(Completion, AParentsOwnRecordingWinsOverTheSpokenReading) {
    const std::string speaker = folder.path() + "/speaker.raw";
    setenv("SDL_DISKAUDIOFILE", speaker.c_str(), 1);
    setenv("SDL_DISKAUDIODELAY", "1", 1);
    const auto useDriver = [](const char* driver) {
        platform::closeAudio();
        setenv("SDL_AUDIODRIVER", driver, 1);
        platform::openAudio();
    };
    useDriver("disk");
    game.openWords({{"山", "やま", "m"}});
    thePuzzle.solvedFlags[1] = 1; // solved before: no chime first
    // Every byte of the recording's samples is 0x12: a tenth of a second of them is looked for.
    solve(1, "wav/山.wav", platform::waveImage({44100, std::vector<std::int16_t>(22050, 0x1212)}));
    const std::string recording(4 * 4410, '\x12');
    const bool heard = QTest::qWaitFor(
        [&] { return fileBytes(speaker).find(recording) != std::string::npos; }, 10000);
    useDriver("dummy");
    EXPECT_TRUE(heard);
}

} // namespace
