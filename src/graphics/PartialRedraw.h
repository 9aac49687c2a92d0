// The test of the partial redraw: which triangles may show texels of the rectangle the child
// just painted, judged on the skin (texture coordinates), not on the screen.
#pragma once

#include "graphics/PickMath.h"
#include "base/Rect.h"

// The size the dirty rectangle is measured against: the texture's.
inline constexpr int32_t kTextureSize = 256;

// False for a dirty rectangle less than one texel wide or high: nothing to redraw.
[[nodiscard]] bool HasRedrawArea(const Rect& dirty);

// True when the triangle with these texture coordinates (corners 1, 2, 3) must be drawn again
// for the dirty rectangle (texels, top-down). A triangle is left out only when, for each of its
// edge lines, the rectangle's top pair and bottom pair of corners each lie on one side, and the
// rectangle also lies wholly outside it: the side test alone would leave out a triangle that
// holds the whole rectangle, and painting there would not show.
[[nodiscard]] bool NeedsRedraw(const Rect& dirty, std::span<const TexCoord, 3> corners);
