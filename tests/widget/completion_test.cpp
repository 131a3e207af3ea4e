// What a solved word shows and plays, reached through real clicks on the real view.
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/resources.h"
#include "platform/sjis.h"
#include "platform/sound.h"
#include "rewards/word_sound.h"
#include "support/rewards_support.h"
#include "wordlist/word_list.h"

#include <QBuffer>
#include <QEvent>
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <thread>

using namespace testing_support;
using namespace rewards_support;

namespace {

constexpr gfx::Rgb kWhite = gfx::kWindowColour;
constexpr gfx::Rgb kOutlineRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kGlossMagenta = gfx::rgb(255, 0, 255);
constexpr gfx::Rgb kPictureGreen = gfx::rgb(0, 128, 0);

std::string fallbackWave() {
    return platform::loadResourceWave(kFallbackWaveId);
}

QImage builtin(int id) {
    return *gfx::loadResourceBitmap(id);
}

std::string imageFile(const QImage& image, const char* format) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

QImage greenSquare(int side) {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kPictureGreen));
    return image;
}

// A small bitmap whose header claims `side` pixels each way.
std::string bitmapClaiming(std::int32_t side) {
    std::string bytes = imageFile(greenSquare(4), "BMP");
    std::memcpy(&bytes[18], &side, sizeof side);
    std::memcpy(&bytes[22], &side, sizeof side);
    return bytes;
}

void waitForSilence() {
    for (int i = 0; i < 300 && platform::audioBusy(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

class Completion : public ::testing::Test {
  protected:
    void SetUp() override { platform::openAudio(); }

    // Opens a list of the given kanji (UTF-8), word 1 first, and lets word 1 be set up.
    void openWords(const std::vector<std::string>& kanji) {
        words = kanji;
        std::vector<std::vector<std::string>> entries;
        for (const std::string& k : kanji)
            entries.push_back({k, "よみ", "gloss"});
        folder.write("words.txt", wordListBytes(entries));
        ASSERT_TRUE(game.app().document().open(folder.path() + "/words.txt"));
        game.settle();
    }
    // The word has a sound of its own and was solved before, so no fallback holds the test up.
    void makeQuiet(int entry) {
        folder.write("wav/" + words[static_cast<size_t>(entry - 1)] + ".wav", fallbackWave());
        thePuzzle.solvedFlags[entry] = 1;
    }
    void play(int entry) {
        thePuzzle.currentEntry = entry;
        RebuildPuzzle();
    }
    // Solves word `entry` with a picture file in place.
    void solveWithPicture(int entry, const std::string& file, const std::string& bytes) {
        folder.write(file, bytes);
        makeQuiet(entry);
        play(entry);
        solveCurrentWord(game);
        folder.remove(file);
    }
    // A picture of side s shows from (20, 380) and hides the badge; 0: the badge stays in view.
    void expectPictureShown(int s) {
        if (s == 0) {
            EXPECT_TRUE(regionShows(game.pixels(), 30, 380, builtin(gfx::kBadge), 0, 0, 48, 48));
            EXPECT_EQ(game.pixel(200, 600), kWhite);
            return;
        }
        EXPECT_EQ(game.pixel(20, 380), kPictureGreen);
        EXPECT_EQ(game.pixel(54, 404), kPictureGreen) << "badge hidden";
        EXPECT_EQ(game.pixel(19 + s, 379 + s), kPictureGreen);
        EXPECT_EQ(game.pixel(20 + s, 379 + s), kWhite);
        EXPECT_EQ(game.pixel(19 + s, 380 + s), kWhite);
    }
    bool anyPixelOf(gfx::Rgb colour, int x, int y, int w, int h) {
        return !regionAll(game.pixels(), x, y, w, h,
                          [colour](int, int, gfx::Rgb pixel) { return pixel != colour; });
    }
    bool nextButtonShown() {
        return regionShows(game.pixels(), 700, 475, builtin(gfx::kNextButton), 0, 0, 200, 60);
    }

    RunningApp game;
    ScratchFolder folder;
    std::vector<std::string> words;
};

TEST_F(Completion, SignboardOutlineEnclosesTheFrameOfEveryWordLength) {
    openWords({"山", "林檎", "路面電車"});
    for (int entry : {1, 2, 3}) {
        makeQuiet(entry);
        play(entry);
        solveCurrentWord(game);
        const int right = 200 * thePuzzle.cellCount - 10; // centre of the right half circle
        const int middle = (140 + right) / 2;
        const Point red[] = {{10, 235},         {48, 143},     {140, 105},
                             {middle, 105},     {right, 105},  {right + 130, 235},
                             {right + 92, 327}, {middle, 365}, {140, 365}};
        for (const auto [x, y] : red)
            EXPECT_EQ(game.pixel(x, y), kOutlineRed) << "word " << entry << " at " << x << "," << y;
        const Point blank[] = {{1, 235}, {30, 235}, {middle, 120}, {right + 139, 235}};
        for (const auto [x, y] : blank)
            EXPECT_EQ(game.pixel(x, y), kWhite) << "word " << entry << " at " << x << "," << y;
    }
}

TEST_F(Completion, GlossBadgeAndNextButtonOfAWordWithoutPicture) {
    openWords({"山"});
    const std::string longGloss(10000, 'm');
    for (const std::string& gloss : {std::string("mountain"), longGloss}) {
        theWordList[1].english = gloss;
        makeQuiet(1);
        play(1);
        solveCurrentWord(game);
        EXPECT_TRUE(anyPixelOf(kGlossMagenta, 335, 380, 100, 50)) << gloss.size();
        // Drawn whole: a long gloss runs to the window's edge.
        EXPECT_EQ(anyPixelOf(kGlossMagenta, 905, 380, 40, 50), gloss.size() > 100) << gloss.size();
        EXPECT_TRUE(regionShows(game.pixels(), 30, 380, builtin(gfx::kBadge), 0, 0, 48, 48));
        EXPECT_TRUE(nextButtonShown());
    }
}

TEST_F(Completion, ScoreShowsTheSolvedCountInPictureDigits) {
    openWords({"山"});
    const QImage digits = builtin(gfx::kDigitStrip);
    const struct {
        int solved, tens, units;
    } rows[] = {{1, 0, 1}, {9, 0, 9}, {10, 1, 0}, {50, 5, 0}};
    for (const auto& row : rows) {
        thePuzzle.solvedFlags.fill(0);
        for (int k = 2; k <= row.solved; ++k)
            thePuzzle.solvedFlags[k] = 1;
        makeQuiet(1);
        play(1);
        solveCurrentWord(game);
        EXPECT_EQ(thePuzzle.solvedTens, row.tens) << row.solved;
        EXPECT_TRUE(regionShows(game.pixels(), 525, 475, digits, 60 * row.units, 0, 60, 60))
            << row.solved;
        EXPECT_TRUE(row.tens
                        ? regionShows(game.pixels(), 465, 475, digits, 60 * row.tens, 0, 60, 60)
                        : regionIsBlank(game.pixels(), 465, 475, 60, 60))
            << row.solved;
    }
}

TEST_F(Completion, WordFiftyHasNoNextButton) {
    std::vector<std::string> kanji(50);
    kanji[48] = "始";
    kanji[49] = "終";
    openWords(kanji);
    for (int entry : {49, 50}) {
        makeQuiet(entry);
        play(entry);
        solveCurrentWord(game);
        EXPECT_TRUE(entry < 50 ? nextButtonShown()
                               : regionIsBlank(game.pixels(), 700, 475, 200, 60))
            << entry;
    }
    game.click(800, 505);
    EXPECT_EQ(thePuzzle.currentEntry, 50);
}

TEST_F(Completion, NextButtonGoesOnToPickUpThePieceOfTheNewWordUnderIt) {
    openWords({"山", "路面電車"});
    makeQuiet(1);
    solveCurrentWord(game);
    // The lower right row of the four-character word lies under the button: its piece at
    // x 710 is under (750, 520), whatever the shuffle.
    game.click(750, 520);
    EXPECT_EQ(thePuzzle.currentEntry, 2);
    ASSERT_GT(thePuzzle.selectedPiece, 0);
    EXPECT_EQ(thePuzzle.selectedCell, 4);
    EXPECT_EQ(thePuzzle.pieceX[4][thePuzzle.selectedPiece], 710);
    EXPECT_EQ(thePuzzle.pieceY[4][thePuzzle.selectedPiece], 510);
}

// Records, at every paint of the view, whether the outline and the Next button were drawn.
class PaintWatcher : public QObject {
  public:
    PaintWatcher(RunningApp& game, std::function<bool()> nextShown)
        : game_(game), nextShown_(std::move(nextShown)) {
        game.view().installEventFilter(this);
    }
    std::vector<std::pair<bool, bool>> paints;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            paints.emplace_back(game_.pixel(10, 235) == kOutlineRed, nextShown_());
        return false;
    }

  private:
    RunningApp& game_;
    std::function<bool()> nextShown_;
};

TEST_F(Completion, RewardIsOnScreenWhileTheFallbackPlaysAndNextButtonOnlyAfter) {
    openWords({"山"});
    PaintWatcher watcher(game, [this] { return nextButtonShown(); });
    EXPECT_GT(solveCurrentWord(game), 0.45);
    const std::pair<bool, bool> outlineWithoutNext{true, false};
    EXPECT_NE(std::find(watcher.paints.begin(), watcher.paints.end(), outlineWithoutNext),
              watcher.paints.end());
    EXPECT_TRUE(nextButtonShown());
}

TEST_F(Completion, WordPictureShowsItsTopLeft300SquareOrLeavesTheBadge) {
    thePuzzle.difficulty = 1; // one cell whatever the word
    openWords({"山", "../山"});
    const struct {
        const char* what;
        int entry;
        std::string file, bytes;
        int shownSide;
    } rows[] = {
        {"exact size", 1, "bmp/山.bmp", imageFile(greenSquare(300), "BMP"), 300},
        {"larger: cut", 1, "bmp/山.bmp", imageFile(greenSquare(400), "BMP"), 300},
        {"smaller", 1, "bmp/山.bmp", imageFile(greenSquare(100), "BMP"), 100},
        {"cut short in its header", 1, "bmp/山.bmp",
         imageFile(greenSquare(300), "BMP").substr(0, 30), 0},
        {"not a bitmap", 1, "bmp/山.bmp", imageFile(greenSquare(300), "PNG"), 0},
        {"claims a huge size", 1, "bmp/山.bmp", bitmapClaiming(100000), 0},
        {"name leaves its folder", 2, "山.bmp", imageFile(greenSquare(300), "BMP"), 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        solveWithPicture(row.entry, row.file, row.bytes);
        expectPictureShown(row.shownSide);
    }
}

// Qt's reader hands back a whole image for a file cut short in its pixels, the missing rows
// left uninitialised; the loader refuses such a file.
TEST_F(Completion, PictureCutShortInItsPixelsDrawsNothing) {
    openWords({"山"});
    solveWithPicture(1, "bmp/山.bmp", imageFile(greenSquare(300), "BMP").substr(0, 2000));
    expectPictureShown(0);
}

// The fallback is heard to its end when the word has no sound file, or on the word's first
// solve; the word's own file then plays on.
TEST_F(Completion, SoundFollowsTheWordsFileAndItsFirstSolve) {
    thePuzzle.difficulty = 1;
    openWords({"山", "路面電車", "../山"});
    const struct {
        int entry;
        const char* file; // nullptr: the word has no sound
        bool solvedBefore;
        int firstSolveBefore;
        bool fallbackHeard;
        int firstSolveAfter;
        bool wordPlaying;
    } rows[] = {
        {1, nullptr, false, 0, true, 1, false},
        {1, nullptr, true, 0, true, 0, false},
        {1, "wav/山.wav", false, 0, true, 0, true},
        {1, "wav/山.wav", true, 0, false, 0, true},
        // Left set by a word without a sound file.
        {1, "wav/山.wav", true, 1, true, 0, true},
        {2, "wav/路面電車.wav", false, 0, true, 0, true},
        {2, "wav/路面電車.wav", true, 0, false, 0, true},
        {3, "山.wav", false, 0, true, 1, false},
    };
    for (const auto& row : rows) {
        if (row.file)
            folder.write(row.file, fallbackWave());
        thePuzzle.solvedFlags[row.entry] = row.solvedBefore;
        thePuzzle.firstSolve = row.firstSolveBefore;
        play(row.entry);
        const double seconds = solveCurrentWord(game);
        const auto where = ::testing::Message()
                           << "word " << row.entry << ", file " << (row.file ? row.file : "none");
        if (row.fallbackHeard) {
            EXPECT_GT(seconds, 0.45) << where;
            EXPECT_LT(seconds, 1.6) << where;
        } else {
            EXPECT_LT(seconds, 0.3) << where;
        }
        EXPECT_EQ(thePuzzle.firstSolve, row.firstSolveAfter) << where;
        EXPECT_EQ(platform::audioBusy(), row.wordPlaying) << where;
        if (row.file)
            folder.remove(row.file);
    }
}

TEST_F(Completion, MissingFallbackIsReportedAndNothingIsPlayed) {
    openWords({"山"});
    folder.write("wav/山.wav", fallbackWave());
    thePuzzle.firstSolve = 1;
    waitForSilence();
    MessageRecorder boxes;
    PlayWordSound("");
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"FindResource Error"});
    EXPECT_EQ(boxes.captions, std::vector<std::string>{"Error"});
    EXPECT_FALSE(platform::audioBusy());
    EXPECT_EQ(thePuzzle.firstSolve, 1);
}

} // namespace
