// SkinCanvas: the flat skin pane. The texture is shown scaled by the view's zoom (and the skin's
// aspect horizontally) and moved by its pan; points map back to texels by the same numbers, so
// what is drawn under the pointer is what gets painted.
#pragma once

#include <cstdint>

#include "graphics/View3D.h"
#include "platform/Surface.h"
#include "base/Rect.h"

struct SkinPlacement {
    float sx = 1.0f;  // screen pixels per texel, horizontally and vertically
    float sy = 1.0f;
    int32_t originX = 0;  // where texel (0, 0) lands on the window
    int32_t originY = 0;
};

// The placement of the texture in `canvas`. A skin without rows counts as square.
[[nodiscard]] SkinPlacement PlaceSkin(const View3D& view, const Rect& canvas);
// The texel under a window point (it may lie outside the texture).
void MapSkinPoint(const SkinPlacement& place, int32_t x, int32_t y, int32_t& tx, int32_t& ty);
// The window rectangle that shows a texture rectangle.
[[nodiscard]] Rect TextureToWindow(const SkinPlacement& place, Rect texels);
// Draws the part of the texture inside `update` and `canvas`; the rest of that area is taken
// from the back buffer (in design coordinates; the design area starts at designX, designY).
void DrawSkin(const View3D& view, const Rect& canvas, const Rect& update, Surface& window,
              const Surface& backBuffer, int32_t designX, int32_t designY);
