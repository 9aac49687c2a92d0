// The soft pencil: anti-aliased strokes of round dabs laid at fixed spacing along the pointer's
// path into a 24-bit block. Each dab uses the tip of its centre's sub-pixel phase, passed
// through the level's tone and linear curves.
#pragma once

#include <cstdint>
#include <string_view>

#include "raster/BrushTips.h"
#include "base/Rect.h"

// Where a stroke stands: the first segment carries no distance from an earlier one.
enum class PencilState : uint8_t { idle = 0, firstSegment = 1, continuing = 2, ended = 3 };

struct PencilBrush {
    uint8_t* target = nullptr;  // borrowed
    uint32_t kind = 0;          // 0 = the pencil
    uint32_t colour = 0;        // 0x00BBGGRR
    double opacity = 0.0;       // 0..1
    Rect changed;               // union of the dab rectangles of the current call
    BrushTipSet tips;
    int32_t previousX = 0, previousY = 0;
    int32_t currentX = 0, currentY = 0;
    double previousStrength = 0.0, currentStrength = 0.0;
    int active = 0;
    uint32_t tag = 0;
    double carried = 0.0;  // distance since the last dab, carried into the next segment
    PencilState state = PencilState::idle;
    PencilParameters parameters;

    // Coverage byte -> blend weight for the level and opacity it was last made for.
    int alphaLevel = -1;
    double alphaOpacity = -1.0;
    uint8_t alpha[256] = {};
};

// Where the pencil's cache files are looked for: the installation's folder first, which is
// never written (it may be read-only and shared), then the user's own cache, where what had to
// be computed is kept. An empty folder is not used.
struct PenCacheFolders {
    std::string_view installed;
    std::string_view cache;
};

// Sets the brush up for a width x height tip (each at least 1), reading the tips and level
// table from the cache files when they are there and keeping the missing ones in the user's
// cache. 1, or 0 when memory runs out or a size exceeds kMaxTipSize. Whatever the brush held
// before is released.
[[nodiscard]] int PencilInit(PencilBrush& brush, uint8_t* target, uint32_t kind, int32_t width,
                             int32_t height, const PenCacheFolders& cacheFolders);
// Starts a stroke at (x, y) without painting. 1, or 0 when the target is not a 24-bit block.
[[nodiscard]] int PencilBegin(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y,
                              double strength, uint32_t tag);
// Extends the stroke to (x, y). 1 when it advanced, with `changed` the painted area inside the
// block (right and bottom exclusive); 0 for an inactive brush, another tag, a target that is
// not a 24-bit block, or a move of 1.2 pixels or less (the start point is then kept).
[[nodiscard]] int PencilStrokeTo(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y,
                                 int opacity, double strength, uint32_t colour, uint32_t tag,
                                 Rect& changed);
// Ends the stroke at (x, y) without painting. 1, or 0 when the target is not a 24-bit block
// (the brush is released after a stroke either way).
int PencilEnd(PencilBrush& brush, uint8_t* target, int32_t x, int32_t y,
                            double strength);
// Releases the tips and level table and clears the brush.
void PencilRelease(PencilBrush& brush);
