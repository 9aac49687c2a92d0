// SheetPictures: the pictures of the unfolded sheet: the skin with its default design, and the
// line overlay with the cut line and the creases at their places.
#pragma once

#include "graphics/Canvas.h"
#include "Description.h"
#include "Paper.h"

// The skin's long side in pixels: about 90 pixels an inch on a landscape page.
inline constexpr int kSkinLongSide = 1024;

// Pixel size of the sheet pictures: the width a multiple of 4.
void SheetPictureSize(const PlaneDescription& d, int& width, int& height);
[[nodiscard]] Canvas PaintSkin(const PlaneDescription& d);
// White, the cut line solid, valley creases dashed, mountain creases dash-dot.
[[nodiscard]] Canvas DrawLineOverlay(const PlaneDescription& d, const std::vector<Crease>& creases);

inline const Dashes kValleyDashes{14, 9};
inline const Dashes kMountainDashes{16, 6, 3, 6};
