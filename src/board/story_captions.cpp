#include "board/story_captions.h"

void DrawStoryCaptions(gfx::Surface&) {}
int storyTailX(std::size_t readingBytes) { return 250 + 13 * static_cast<int>(readingBytes); }
