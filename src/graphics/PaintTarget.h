// PaintTarget: where the 3D view and the paint tools meet: the texture the tools paint into,
// the texel of the last successful pick, and what the next render must redraw.
#pragma once

#include <cstdint>

#include "base/Rect.h"

struct PaintTarget {
    // Start of the texture Dib's block; null until a skin is loaded.
    uint8_t* textureBlock = nullptr;
    // Texel of the last successful pick, top-down. It can be 256 (u = 1 or v = 0): the tools
    // clip it.
    int32_t texelX = 0;
    int32_t texelY = 0;
    int32_t triangle = 0;
    // Texels, top-down; set by the workshop after each paint step.
    Rect dirtyRect;
    // Window point of the last successful pick.
    int32_t pickX = 0;
    int32_t pickY = 0;
    // The next draw covers every triangle; when false only those near dirtyRect. True again
    // after every draw.
    bool fullRedraw = true;
};
