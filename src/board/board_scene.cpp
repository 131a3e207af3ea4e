// SPDX-FileCopyrightText: 2026 The Torvex developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "board/board_scene.h"

#include "board/board_drawing.h"
#include "board/board_rewards.h"
#include "board/figure_drawing.h"
#include "board/puzzle_state.h"
#include "board/story_captions.h"
#include "gfx/bitmap_set.h"

#include <algorithm>

namespace board {

namespace {

void drawPuzzleBackdrop(gfx::Surface& target) {
    if (thePuzzle.difficulty == 1)
        DrawHomeTints(target, gfx::Surface(gfx::loadResourceBitmap(gfx::kTextureLevel1)));
    DrawBoardFrame(target);
    DrawBoardGrid(target);
    DrawGuide(target);
    DrawVersionCaption(target);
    DrawStoryCaptions(target);
    theBoardRewards().drawSolvedWord(target);
}

bool carryingPiece() {
    return thePuzzle.scene == BoardScene::Puzzle && thePuzzle.selectedPiece > 0;
}

int area(const gfx::Box& box) {
    return box.width * box.height;
}

// What covers the board is drawn on the window alone. Until the first restore after it was drawn
// the window holds it whole: kept then as the backdrop, it comes back wherever a flight passed.
void keepCover(const gfx::Surface& window) {
    if (thePuzzle.scene != BoardScene::Covered || thePuzzle.coverKept)
        return;
    gfx::BackdropSurface backdrop;
    backdrop.bitBlt(0, 0, window.width(), window.height(), window, 0, 0);
    thePuzzle.coverKept = 1;
}

} // namespace

void DrawBackdrop(gfx::Surface& target) {
    ClearBoard(target);
    switch (thePuzzle.scene) {
    case BoardScene::EmptyFrame:
        DrawBoardFrame(target);
        DrawBoardGrid(target);
        DrawVersionCaption(target);
        break;
    case BoardScene::Puzzle:
        drawPuzzleBackdrop(target);
        break;
    case BoardScene::Covered:
        break;
    }
}

void DrawMovingThings(gfx::Surface& target) {
    const PuzzleState& s = thePuzzle;
    if (s.scene == BoardScene::Covered)
        return theBoardRewards().drawReward(target);
    const gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
    if (s.scene == BoardScene::Puzzle)
        for (int g = 1; g <= s.cellCount; ++g)
            for (int j = 1; j <= kPiecesPerCell; ++j)
                if (!carryingPiece() || g != s.selectedCell || j != s.selectedPiece)
                    DrawPiece(target, sheet, g, j, s.pieceX[g][j], s.pieceY[g][j]);
    DrawFiguresAtRest(target);
    theBoardRewards().drawReward(target);
    if (carryingPiece())
        DrawPiece(target, sheet, s.selectedCell, s.selectedPiece,
                  s.pieceX[s.selectedCell][s.selectedPiece],
                  s.pieceY[s.selectedCell][s.selectedPiece]);
    DrawCarriedFigure(target);
}

void EnsureBackdrop() {
    if (gfx::BackdropSurface::made())
        return;
    gfx::BackdropSurface backdrop;
    DrawBackdrop(backdrop);
}

void RestoreArea(gfx::Surface& window, const gfx::Box& area) {
    if (area.empty())
        return;
    EnsureBackdrop();
    keepCover(window);
    window.bitBlt(area.x, area.y, area.width, area.height, gfx::BackdropSurface(), area.x, area.y);
    window.setClip(area);
    DrawMovingThings(window);
    window.clearClip();
}

void RestoreMoved(gfx::Surface& window, const gfx::Box& before, const gfx::Box& after) {
    const gfx::Box both = before.united(after);
    if (area(both) <= area(before) + area(after)) {
        RestoreArea(window, both);
    } else {
        RestoreArea(window, before);
        RestoreArea(window, after);
    }
}

void ShowBoardAfresh() {
    gfx::WindowSurface window;
    // Before anything has been restored (the first screen) there is no backdrop to keep.
    if (!gfx::BackdropSurface::made()) {
        DrawBackdrop(window);
        DrawMovingThings(window);
        return;
    }
    {
        gfx::BackdropSurface backdrop;
        DrawBackdrop(backdrop);
    }
    RestoreArea(window, {0, 0, window.width(), window.height()});
}

void CoverBoard(gfx::Surface& screen) {
    thePuzzle.scene = BoardScene::Covered;
    thePuzzle.coverKept = 0;
    ClearBoard(screen);
}

void KeepOnBoard(int& x, int& y, int width, int height) {
    const ClientRect& client = thePuzzle.clientRect;
    x = std::clamp(x, client.left, std::max(client.left, client.right - width));
    y = std::clamp(y, client.top, std::max(client.top, client.bottom - height));
}

} // namespace board
