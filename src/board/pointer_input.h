#pragma once
// The board's pointer input: two separate clicks carry a piece or a face.

void OnLButtonDown(int x, int y);
void OnMouseMove(int x, int y);
