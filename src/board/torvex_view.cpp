#include "board/torvex_view.h"

#include "board/pointer_input.h"
#include "board/puzzle_setup.h"
#include "board/puzzle_state.h"
#include "rewards/reward_flight.h"

CTorvexView::CTorvexView() {
    InitPuzzleState();
}

void CTorvexView::onDraw() {
    OnDraw();
}

void CTorvexView::onLButtonDown(int x, int y) {
    OnLButtonDown(x, y);
}

void CTorvexView::onMouseMove(int x, int y) {
    OnMouseMove(x, y);
}

void CTorvexView::onTimer(int id) {
    OnTimer(id);
}

void CTorvexView::onResolutionChanged() {
    RemakeSheet();
}
