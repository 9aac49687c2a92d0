// A small fold animation for the tests: a flat sheet 2 by 1.5 units facing the default camera,
// its texture's bottom-left corner at the sheet's bottom-left, moving a little each frame.
#pragma once

#include <vector>

#include "graphics/FoldAnimation.h"

[[nodiscard]] FoldAnimation SheetAnimation(int frames = 5, std::vector<int32_t> marks = {0, 2});
