// The spray puff: a cone of coverage, opaque at the centre and fading linearly to the rim,
// blended into a 24-bit block once per press.
#pragma once

#include <cstdint>

#include "raster/BitmapBlock.h"
#include "base/Rect.h"

// Largest brush size a pattern is built for; the workshop's sizes stay far below it.
inline constexpr int32_t kMaxSpraySize = 1024;

struct SprayBrush {
    uint8_t* target = nullptr;  // borrowed
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;  // as given to SprayPaint; the cone does not use them
    int32_t height = 0;
    uint32_t kind = 0;  // 3 = cone
    uint32_t colour = 0;
    double minimumStrength = 0.0;
    double opacity = 0.0;  // 0..1
    double strength = 0.0;
    int32_t patternWidth = 0;
    int32_t patternHeight = 0;
    OwnedBlock pattern;  // patternWidth x patternHeight coverage bytes, row-major
};

// 1 when the pattern was built; 0 when memory runs out or a size exceeds kMaxSpraySize (the
// brush then paints nothing visible). The cone pattern is twice the given size.
[[nodiscard]] int SprayInit(SprayBrush& brush, uint32_t kind, int32_t width, int32_t height);
// Lays one puff centred on (x, y); `changed`, when given, receives the painted rectangle
// within the block. 1 after painting, 0 when the target is not a 24-bit block.
[[nodiscard]] int SprayPaint(SprayBrush& brush, uint8_t* target, int32_t x, int32_t y,
                             int32_t width, int32_t height, int opacity, double strength,
                             uint32_t colour, Rect* changed);
// Releases the pattern and clears the brush.
void SprayRelease(SprayBrush& brush);
