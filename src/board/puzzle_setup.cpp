#include "board/puzzle_setup.h"

#include "board/board_drawing.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "platform/window.h"
#include "wordlist/word_list.h"

namespace {

constexpr gfx::Rgb kGuideGrey = gfx::rgb(200, 200, 200);

const std::string& currentKanji() {
    return theWordList[thePuzzle.currentEntry].kanji;
}

void resetPuzzleFlags() {
    thePuzzle.rewardClickable = 0;
    thePuzzle.animationIdle = 1;
    thePuzzle.flightTime = 0.0;
    thePuzzle.selectedPiece = -1;
}

// Each cell is seeded with the time in seconds plus its number, so two set-ups within one
// second scatter every cell the same way.
void shuffleCell(int g, std::array<int, 5>& ranks) {
    platform::seedRandom(static_cast<std::uint32_t>(platform::currentTime() + g));
    std::array<int, 5> values{};
    for (int j = 1; j <= kPiecesPerCell; ++j)
        values[j] = platform::nextRandom();
    ranks = scatterRanks(values);
}

void scatterPieces(gfx::Surface& screen, const gfx::Surface& sheet,
                   const std::array<std::array<int, 5>, kMaxCells + 1>& ranks) {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            s.pieceY[g][j] = s.scatterBaseY[g];
            s.pieceX[g][j] = s.scatterBaseX[g] + 110 * ranks[g][j];
            DrawPiece(screen, sheet, g, j, s.pieceX[g][j], s.pieceY[g][j]);
        }
    }
}

} // namespace

std::array<int, 5> scatterRanks(const std::array<int, 5>& values) {
    std::array<int, 5> ranks{0, 1, 1, 1, 1};
    for (int a = 1; a <= kPiecesPerCell; ++a)
        for (int b = a + 1; b <= kPiecesPerCell; ++b)
            ++ranks[values[a] > values[b] ? a : b];
    return ranks;
}

namespace {

// The texture at the window's resolution, so a piece copied from the sheet stays one to one.
void loadTexture(int id) {
    auto& sheet = gfx::bitmapSlots()[gfx::kSheetSlot];
    sheet.reset();
    sheet = gfx::atWindowResolution(gfx::loadResourceBitmap(id));
    thePuzzle.sheetTexture = id;
}

void drawKanji(gfx::Surface& sheet, int tenths, const std::string& face) {
    const gfx::Font previous = sheet.selectFont(gfx::pointFont(tenths, face));
    sheet.setTransparent(true);
    sheet.setTextColour(gfx::kBlack);
    sheet.textOut(0, 0, currentKanji());
    sheet.selectFont(previous);
    thePuzzle.sheetFace = face;
    thePuzzle.sheetTenths = tenths;
}

} // namespace

void LoadSheetTexture() {
    const int difficulty = thePuzzle.difficulty;
    loadTexture(difficulty == 1   ? gfx::kTextureLevel1
                : difficulty == 3 ? gfx::kTextureLevel3
                                  : gfx::kTextureLevel2);
}

void DrawKanjiOnSheet(gfx::Surface& sheet, int tenths) {
    drawKanji(sheet, tenths, thePuzzle.fontFace);
}

// The face and texture are those of the last set-up, not the settings chosen since.
void RemakeSheet() {
    if (thePuzzle.sheetTexture == 0)
        return;
    loadTexture(thePuzzle.sheetTexture);
    gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
    if (thePuzzle.sheetTenths > 0)
        drawKanji(sheet, thePuzzle.sheetTenths, thePuzzle.sheetFace);
}

void SetUpPuzzle(gfx::Surface& screen, gfx::Surface& sheet) {
    resetPuzzleFlags();
    ComputeCellCount();
    thePuzzle.solvedNow = 0;
    ClearBoard(screen);
    DrawBoardFrame(screen);
    DrawBoardGrid(screen);

    std::array<std::array<int, 5>, kMaxCells + 1> ranks{};
    for (int g = 1; g <= thePuzzle.cellCount; ++g)
        shuffleCell(g, ranks[g]);

    thePuzzle.captionText = theWordList[thePuzzle.currentEntry].reading;
    const gfx::Font previous = screen.selectFont(gfx::pointFont(1500, thePuzzle.fontFace));
    screen.setTransparent(true);
    screen.setTextColour(kGuideGrey);
    if (thePuzzle.difficulty != 3)
        screen.textOut(65, 135, currentKanji());
    DrawKanjiOnSheet(sheet, 1500);
    scatterPieces(screen, sheet, ranks);
    screen.selectFont(previous);
}

void RebuildPuzzle() {
    if (thePuzzle.animationIdle == 0)
        for (int id = 1; id <= 4; ++id)
            platform::stopViewTimer(id);
    gfx::WindowSurface screen;
    LoadSheetTexture();
    gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
    SetUpPuzzle(screen, sheet);
}
