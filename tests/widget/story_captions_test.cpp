// The two story lines, read back from the window after real pointer moves. The bold text is
// drawn without antialiasing, so its colours are exact.
#include "board/story_captions.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"
#include "support/play_support.h"
#include "wordlist/word_list.h"

#include <QMenuBar>
#include <set>

namespace play {
namespace {

constexpr gfx::Rgb kCyan = gfx::rgb(0, 255, 255);
constexpr gfx::Rgb kMagenta = gfx::rgb(255, 0, 255);
constexpr gfx::Rgb kGreen = gfx::rgb(0, 170, 0);
constexpr int kLinesBottom = 77; // the version caption starts below

using Ink = std::set<std::pair<int, int>>;

class StoryCaptions : public PlayBoard {
  protected:
    void SetUp() override { openList({{"山", "やま", "mountain"}}); }

    // Word `entry` with this reading is set up at the next move, as after next or back.
    void showWord(int entry, const std::string& readingSjis) {
        theWordList[entry].reading = readingSjis;
        thePuzzle.currentEntry = entry;
        thePuzzle.repaintPending = 1;
        game.move(500 + ++moves, 100);
    }
    // Pixels of `colour` at or right of `left` in rows top..bottom, as offsets from (x0, 0).
    Ink ink(gfx::Rgb colour, int left, int top, int bottom, int x0) {
        Ink found;
        for (int y = top; y <= bottom; ++y)
            for (int x = left; x < game.pixels().width(); ++x)
                if (game.pixel(x, y) == colour)
                    found.emplace(x - x0, y);
        return found;
    }
    // The girl's line after its head, which ends before x 240, placed from `tailX`.
    Ink tail(int tailX) { return ink(kMagenta, 240, 45, 79, tailX); }

    int moves = 0;
};

// The lines as they must read, drawn on their own onto a white image.
QImage expectedLines(const std::string& number, const std::string& readingUtf8, int tailX) {
    auto image = std::make_shared<QImage>(945, kLinesBottom, QImage::Format_RGB32);
    image->fill(Qt::white);
    gfx::Surface surface(image);
    using platform::sjis;
    gfx::DrawBoldText(
        surface, 10, 10, 25, kCyan,
        sjis("もころん「あれれ？\u3000" + number + " 番目の看板がバラバラになっちゃったよ。」"));
    gfx::DrawBoldText(surface, 10, 50, 25, kMagenta, sjis("ぷりむ\u3000\u3000「たしか\u3000”"));
    gfx::DrawBoldText(surface, 235, 45, 30, kGreen, sjis(readingUtf8));
    gfx::DrawBoldText(surface, tailX, 50, 25, kMagenta,
                      sjis("”って意味だったよ。\u3000直してみようよ(＾o＾)／♪」"));
    return *image;
}

bool underAFace(int x, int y) {
    return x >= 85 && x < 125 && y < 85;
}

TEST_F(StoryCaptions, TheLinesNameTheWordsNumberAndReadingEachInItsColour) {
    const struct {
        int entry;
        const char* number;
        const char* reading;
        int tailX;
    } rows[] = {{1, "1", "やま", 302}, {7, "7", "かわ", 302}, {50, "50", "ごじゅう", 354}};
    for (const auto& row : rows) {
        showWord(row.entry, platform::sjis(row.reading));
        game.move(500 + ++moves, 100); // drawn over themselves, they look the same
        const QImage expected = expectedLines(row.number, row.reading, row.tailX);
        int wrong = 0;
        for (int y = 0; y < kLinesBottom; ++y)
            for (int x = 0; x < 945; ++x)
                wrong += !underAFace(x, y) && game.pixel(x, y) != (expected.pixel(x, y) & 0xFFFFFF);
        EXPECT_EQ(wrong, 0) << "word " << row.entry;
        EXPECT_GT(count({130, 10, 500, 25}, kCyan), 0);
        EXPECT_GT(count({130, 50, 100, 25}, kMagenta), 0);
        EXPECT_GT(count({235, 45, 60, 30}, kGreen), 0);
    }
}

TEST_F(StoryCaptions, TheTailMovesThirteenPixelsPerByteOfTheReading) {
    showWord(1, "");
    const Ink atStart = tail(250);
    ASSERT_FALSE(atStart.empty());
    const struct {
        const char* reading;
        int tailX;
    } rows[] = {{"あいう", 328}, {"abc", 289}, {"a", 263}, {"漢a", 289}};
    for (const auto& row : rows) {
        showWord(1, platform::sjis(row.reading));
        EXPECT_EQ(tail(row.tailX), atStart) << row.reading;
    }
}

// A reading longer than any fixed buffer is drawn whole and the tail follows its whole length.
TEST_F(StoryCaptions, AThousandByteReadingIsDrawnWholeAndTheTailFollowsIt) {
    showWord(1, "");
    const Ink atStart = tail(250);
    game.app().frame().resize(14000, 120 + game.app().frame().menuBar()->sizeHint().height());
    game.settle();
    // Only text past its 99th byte can show green.
    showWord(1, std::string(99, ' ') + std::string(901, 'i'));
    EXPECT_FALSE(ink(kGreen, 235, 45, 75, 0).empty());
    EXPECT_EQ(tail(250 + 13 * 1000), atStart);
    EXPECT_GT(storyTailX(std::size_t{3} << 30), 14000); // out of sight, not wrapped round
}

} // namespace
} // namespace play
