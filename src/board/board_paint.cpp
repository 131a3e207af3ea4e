#include "board/board_drawing.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "board/torvex_view.h"
#include "gfx/bitmap_set.h"
#include "gfx/bold_text.h"
#include "platform/sjis.h"
#include "platform/window.h"

void OnDraw() {
    if (thePuzzle.listReloaded) {
        thePuzzle.listReloaded = 0;
        RebuildPuzzle();
    }
    gfx::WindowSurface screen;
    DrawBoardFrame(screen);
    DrawBoardGrid(screen);
    {
        const gfx::Surface sheet(gfx::bitmapSlots()[gfx::kSheetSlot]);
        DrawAllPieces(screen, sheet);
    }
    const platform::Size client = platform::viewClientSize();
    thePuzzle.clientRect = {0, 0, client.width, client.height};
    static const std::string versionCaption = platform::sjis("トルベ v1.0");
    gfx::DrawBoldText(screen, 800, 77, 18, gfx::rgb(255, 0, 0), versionCaption);
}
