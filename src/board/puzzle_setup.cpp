// SPDX-FileCopyrightText: 2026 The Torvex developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "board/puzzle_setup.h"

#include "board/board_drawing.h"
#include "board/board_rewards.h"
#include "board/board_scene.h"
#include "board/puzzle_state.h"
#include "gfx/bitmap_set.h"
#include "platform/clock_random.h"
#include "wordlist/word_list.h"

namespace board {

namespace {

const std::string& currentKanji() {
    return wordlist::theWordList[thePuzzle.currentEntry].kanji;
}

void resetPuzzleFlags() {
    thePuzzle.selectedPiece = -1;
    thePuzzle.solvedNow = 0;
    thePuzzle.scene = BoardScene::Puzzle;
}

// Two set-ups within one second scatter every cell the same way.
void shuffleCell(int g, std::array<int, 5>& ranks) {
    platform::seedRandom(scatterSeed(platform::currentTime(), g));
    std::array<int, 5> values{};
    for (int j = 1; j <= kPiecesPerCell; ++j)
        values[j] = platform::nextRandom();
    ranks = scatterRanks(values);
}

void scatterPieces(const std::array<std::array<int, 5>, kMaxCells + 1>& ranks) {
    PuzzleState& s = thePuzzle;
    for (int g = 1; g <= s.cellCount; ++g) {
        for (int j = 1; j <= kPiecesPerCell; ++j) {
            s.pieceY[g][j] = s.scatterBaseY[g];
            s.pieceX[g][j] = s.scatterBaseX[g] + 110 * ranks[g][j];
        }
    }
}

} // namespace

// A SplitMix64 step: seeds one apart give unrelated first draws, which the generator's own
// step does not (their first values differ by a few units in 32,768).
std::uint32_t scatterSeed(std::time_t seconds, int cell) {
    std::uint64_t z = static_cast<std::uint64_t>(seconds) * 4 + static_cast<std::uint64_t>(cell);
    z += 0x9E3779B97F4A7C15u;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9u;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBu;
    return static_cast<std::uint32_t>((z ^ (z >> 31)) >> 32);
}

std::array<int, 5> scatterRanks(const std::array<int, 5>& values) {
    std::array<int, 5> ranks{0, 1, 1, 1, 1};
    for (int a = 1; a <= kPiecesPerCell; ++a)
        for (int b = a + 1; b <= kPiecesPerCell; ++b)
            ++ranks[values[a] > values[b] ? a : b];
    return ranks;
}

namespace {

// The texture at the window's resolution, so a piece copied from the sheet stays one to one.
// The kanji is drawn on it at once, so its decoding is not kept.
void loadTexture(int id) {
    auto& sheet = gfx::bitmapSlots()[gfx::kSheetSlot];
    sheet.reset();
    sheet = gfx::atWindowResolution(gfx::decodeResourceBitmap(id));
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

void SetUpPuzzle(gfx::Surface& sheet) {
    resetPuzzleFlags();
    ComputeCellCount();
    std::array<std::array<int, 5>, kMaxCells + 1> ranks{};
    for (int g = 1; g <= thePuzzle.cellCount; ++g)
        shuffleCell(g, ranks[g]);
    thePuzzle.captionText = wordlist::theWordList[thePuzzle.currentEntry].reading;
    DrawKanjiOnSheet(sheet, 1500);
    scatterPieces(ranks);
}

// The rewards hear of the new word before it is shown, so nothing of the last word's is drawn.
void RebuildPuzzle() {
    LoadSheetTexture();
    {
        gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
        SetUpPuzzle(sheet);
    }
    theBoardRewards().wordSetUp();
    ShowBoardAfresh();
}

void RebuildShownPuzzle() {
    if (thePuzzle.scene == BoardScene::EmptyFrame)
        return;
    thePuzzle.repaintPending = 0;
    RebuildPuzzle();
}

void SetUpAgainAtNextMove() {
    thePuzzle.repaintPending = 1;
}

} // namespace board
