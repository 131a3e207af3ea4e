#include "board/navigation.h"

void OnNext() {}
void OnBack() {}
void DrawPreview(gfx::Surface&, gfx::Surface&) {}
