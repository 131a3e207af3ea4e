#include "app/main_frame.h"

void BuildMainFrame(platform::FrameWindow&, platform::Document&) {}
