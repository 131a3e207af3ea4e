// What a solved word shows and plays, reached through real clicks on the real view.
#include "board/puzzle_setup.h"
#include "gfx/bitmap_set.h"
#include "platform/resources.h"
#include "platform/sound.h"
#include "rewards/word_sound.h"
#include "support/rewards_support.h"

#include <QBuffer>
#include <QEvent>
#include <cstring>
#include <thread>

using namespace testing_support;
using namespace rewards_support;

namespace {

constexpr gfx::Rgb kWhite = gfx::kWindowColour;
constexpr gfx::Rgb kOutlineRed = gfx::rgb(255, 0, 0);
constexpr gfx::Rgb kPictureGreen = gfx::rgb(0, 128, 0);
const QRect kNextButton(700, 475, 200, 60), kBadge(30, 380, 48, 48);

// A green square of side `side` saved in `format`.
std::string greenSquare(int side, const char* format = "BMP") {
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(QColor::fromRgb(kPictureGreen));
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toStdString();
}

// A small bitmap whose header claims to be 100,000 pixels each way.
std::string bitmapClaimingHugeSize() {
    std::string bytes = greenSquare(4);
    const std::int32_t side = 100000;
    std::memcpy(&bytes[18], &side, sizeof side);
    std::memcpy(&bytes[22], &side, sizeof side);
    return bytes;
}

// Keeps a copy of the window at every paint of the view: what was on the screen.
class PaintRecorder : public QObject {
  public:
    explicit PaintRecorder(platform::View& view) : view_(view) { view.installEventFilter(this); }
    std::vector<QImage> shots;

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint)
            shots.push_back(view_.image()->copy());
        return false;
    }

  private:
    platform::View& view_;
};

// Pictures and sounds are found in the folder the game started in: a scratch folder here.
class Completion : public ::testing::Test {
  protected:
    void SetUp() override { platform::openAudio(); }
    static QImage builtin(int id) { return *gfx::loadResourceBitmap(id); }
    static std::string fallbackWave() { return platform::loadResourceWave(kFallbackWaveId); }
    // Opens a list of the given kanji, word 1 first. With no reading they are never spoken.
    void openWords(const std::vector<std::string>& kanji) {
        std::vector<std::vector<std::string>> entries;
        for (const std::string& k : kanji)
            entries.push_back({k, "", "gloss"});
        game.openWords(entries);
    }
    // Sets word `entry` up and solves it with `soundFile` in place (none when empty). Returns
    // the seconds the completing click took.
    double solve(int entry, const std::string& soundFile = "") {
        if (!soundFile.empty())
            folder.write(soundFile, fallbackWave());
        thePuzzle.currentEntry = entry;
        RebuildPuzzle();
        const double seconds = solveCurrentWord(game);
        if (!soundFile.empty())
            folder.remove(soundFile);
        return seconds;
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

TEST_F(Completion, SignboardOutlineEnclosesTheSolvedFrameOfEveryWordLength) {
    openWords({"山", "林檎", "路面電車"});
    for (int entry : {1, 2, 3}) {
        SCOPED_TRACE(entry);
        solveQuietly(entry);
        const int right = 200 * thePuzzle.cellCount - 10; // centre of the right half circle
        const int middle = (140 + right) / 2;
        const Point red[] = {{10, 235},         {48, 143},     {140, 105},
                             {middle, 105},     {right, 105},  {right + 130, 235},
                             {right + 92, 327}, {middle, 365}, {140, 365}};
        for (const auto [x, y] : red)
            EXPECT_EQ(game.pixel(x, y), kOutlineRed) << x << "," << y;
        const Point blank[] = {{1, 235}, {30, 235}, {middle, 120}, {right + 139, 235}};
        for (const auto [x, y] : blank)
            EXPECT_EQ(game.pixel(x, y), kWhite) << x << "," << y;
        // Every piece at home: the frame shows the sheet as the kanji was drawn on it.
        EXPECT_TRUE(game.shows({75, 145, 200 * thePuzzle.cellCount - 20, 180},
                               *gfx::bitmapSlots()[gfx::kSheetSlot], {10, 10}));
    }
}

// The gloss is drawn whole: a long one runs to the window's edge. Without a picture (no file and
// no emoji for 漢) the badge stays in view. The score shows the solved count in picture digits.
TEST_F(Completion, GlossBadgeAndScoreOfAWordWithoutPicture) {
    openWords({"漢"});
    constexpr gfx::Rgb kGlossMagenta = gfx::rgb(255, 0, 255);
    const QImage digits = builtin(gfx::kDigitStrip);
    const struct {
        int solved, tens, units, glossBytes;
    } rows[] = {{1, 0, 1, 8}, {9, 0, 9, 10000}, {10, 1, 0, 8}, {50, 5, 0, 8}};
    for (const auto& row : rows) {
        SCOPED_TRACE(row.solved);
        thePuzzle.solvedFlags.fill(0);
        for (int k = 2; k <= row.solved; ++k)
            thePuzzle.solvedFlags[k] = 1;
        theWordList[1].english = std::string(row.glossBytes, 'm');
        solveQuietly(1);
        EXPECT_GT(game.count({335, 380, 100, 50}, kGlossMagenta), 0);
        EXPECT_EQ(game.count({905, 380, 40, 50}, kGlossMagenta) > 0, row.glossBytes > 100);
        EXPECT_TRUE(game.shows(kBadge, builtin(gfx::kBadge)));
        EXPECT_EQ(thePuzzle.solvedTens, row.tens);
        EXPECT_TRUE(game.shows({525, 475, 60, 60}, digits, {60 * row.units, 0}));
        EXPECT_TRUE(row.tens ? game.shows({465, 475, 60, 60}, digits, {60 * row.tens, 0})
                             : blank({465, 475, 60, 60}));
    }
}

// The Next button goes on to the next word and on to pick up its piece under the button; word
// 50 has none.
TEST_F(Completion, NextButtonGoesOnToTheNextWordButWordFiftyHasNone) {
    std::vector<std::string> kanji(50, "山");
    kanji[1] = "路面電車";
    openWords(kanji);
    solveQuietly(1);
    EXPECT_TRUE(game.shows(kNextButton, builtin(gfx::kNextButton)));
    // The lower right row of the four-character word lies under the button: its piece at
    // x 710 is under (750, 520), whatever the shuffle.
    game.click(750, 520);
    EXPECT_EQ(thePuzzle.currentEntry, 2);
    ASSERT_GT(thePuzzle.selectedPiece, 0);
    EXPECT_EQ(thePuzzle.selectedCell, 4);
    EXPECT_EQ(thePuzzle.pieceX[4][thePuzzle.selectedPiece], 710);
    EXPECT_EQ(thePuzzle.pieceY[4][thePuzzle.selectedPiece], 510);
    solveQuietly(50);
    EXPECT_TRUE(blank(kNextButton));
    game.click(800, 505);
    EXPECT_EQ(thePuzzle.currentEntry, 50);
}

// The fallback sound holds the thread: the outline is on the screen while it plays, and the
// Next button comes only after it.
TEST_F(Completion, RewardIsOnScreenWhileTheFallbackPlaysAndNextButtonOnlyAfter) {
    openWords({"山"});
    PaintRecorder screen(game.view());
    solve(1);
    const QImage next = builtin(gfx::kNextButton);
    EXPECT_TRUE(std::ranges::any_of(screen.shots, [&](const QImage& shot) {
        return (shot.pixel(10, 235) & 0xFFFFFF) == kOutlineRed &&
               !regionShows(shot, kNextButton, next);
    }));
    EXPECT_TRUE(game.shows(kNextButton, next));
}

// A picture of side s shows from (20, 380) and hides the badge; 0: the badge stays in view.
// Qt hands back a whole image for a file cut short in its pixels, so the loader checks.
TEST_F(Completion, WordPictureShowsItsTopLeft300SquareOrLeavesTheBadge) {
    thePuzzle.difficulty = 1; // one cell whatever the word
    openWords({"山", "../山"});
    const struct {
        const char* what;
        std::string file, bytes;
        int entry, side;
    } rows[] = {
        {"exact size", "bmp/山.bmp", greenSquare(300), 1, 300},
        {"larger: cut", "bmp/山.bmp", greenSquare(400), 1, 300},
        {"smaller", "bmp/山.bmp", greenSquare(100), 1, 100},
        {"cut short in its header", "bmp/山.bmp", greenSquare(300).substr(0, 30), 1, 0},
        {"cut short in its pixels", "bmp/山.bmp", greenSquare(300).substr(0, 2000), 1, 0},
        {"not a bitmap", "bmp/山.bmp", greenSquare(300, "PNG"), 1, 0},
        {"claims a huge size", "bmp/山.bmp", bitmapClaimingHugeSize(), 1, 0},
        {"name leaves its folder", "山.bmp", greenSquare(300), 2, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.what);
        folder.write(row.file, row.bytes);
        solveQuietly(row.entry);
        folder.remove(row.file);
        const int s = row.side;
        EXPECT_EQ(game.shows(kBadge, builtin(gfx::kBadge)), s == 0);
        EXPECT_EQ(game.pixel(20, 380), s ? kPictureGreen : kWhite);
        EXPECT_EQ(game.pixel(19 + s, 379 + s), s ? kPictureGreen : kWhite);
        EXPECT_EQ(game.pixel(20 + s, 379 + s), kWhite);
        EXPECT_EQ(game.pixel(19 + s, 380 + s), kWhite);
    }
}

// The fallback is heard to its end when the word has no sound file, or on the word's first
// solve; the word's own file then plays on. A four-character word's file name is 16 bytes.
TEST_F(Completion, SoundFollowsTheWordsFileAndItsFirstSolve) {
    thePuzzle.difficulty = 1;
    openWords({"山", "路面電車", "../山"});
    const struct {
        int entry;
        const char* file; // "": the word has no sound
        int solvedBefore, firstSolveBefore, fallbackHeard, firstSolveAfter, wordPlaying;
    } rows[] = {
        {1, "", 0, 0, 1, 1, 0},
        {1, "", 1, 0, 1, 0, 0},
        {1, "wav/山.wav", 0, 0, 1, 0, 1},
        {1, "wav/山.wav", 1, 0, 0, 0, 1},
        {1, "wav/山.wav", 1, 1, 1, 0, 1}, // left set by a word without a sound file
        {2, "wav/路面電車.wav", 1, 0, 0, 0, 1},
        {3, "山.wav", 0, 0, 1, 1, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(::testing::Message() << "word " << row.entry << ", file " << row.file);
        thePuzzle.solvedFlags[row.entry] = row.solvedBefore;
        thePuzzle.firstSolve = row.firstSolveBefore;
        const double seconds = solve(row.entry, row.file);
        EXPECT_GT(seconds, row.fallbackHeard ? 0.45 : 0.0);
        EXPECT_LT(seconds, row.fallbackHeard ? 1.6 : 0.3);
        EXPECT_EQ(thePuzzle.firstSolve, row.firstSolveAfter);
        EXPECT_EQ(platform::audioBusy(), row.wordPlaying != 0);
    }
}

TEST_F(Completion, MissingFallbackIsReportedAndNothingIsPlayed) {
    openWords({"山"});
    folder.write("wav/山.wav", fallbackWave());
    thePuzzle.firstSolve = 1;
    for (int i = 0; i < 300 && platform::audioBusy(); ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    MessageRecorder boxes;
    PlayWordSound("");
    EXPECT_EQ(boxes.texts, std::vector<std::string>{"FindResource Error"});
    EXPECT_EQ(boxes.captions, std::vector<std::string>{"Error"});
    EXPECT_FALSE(platform::audioBusy());
    EXPECT_EQ(thePuzzle.firstSolve, 1);
}

} // namespace
