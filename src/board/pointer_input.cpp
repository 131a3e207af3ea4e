#include "board/pointer_input.h"

#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"

void OnLButtonDown(int, int) {}

void OnMouseMove(int, int) {
    if (thePuzzle.repaintPending) {
        thePuzzle.repaintPending = 0;
        RebuildPuzzle();
    }
}
