// SheetPictures: the pictures of the unfolded sheet: the skin with its default design, and the
// line overlay with the cut line and the creases at their places.
#pragma once

#include "graphics/Canvas.h"
#include "Description.h"
#include "Paper.h"

// The long side in pixels of the skin the generator's own pictures are drawn with.
inline constexpr int kSkinLongSide = 1024;
// The installed skin only becomes the 256 x 256 texture (the printed sheet is the texture
// stretched), so it is no larger than that; it keeps the sheet's shape, which the flat pane shows.
inline constexpr int kSkinFileLongSide = 256;
// The line overlay sets the printed sheet's size: about 136 dots an inch across A4 landscape.
inline constexpr int kOverlayLongSide = 1448;

// Pixel size of a sheet picture with that long side: the width a multiple of 4.
void SheetPictureSize(const PlaneDescription& d, int longSide, int& width, int& height);
[[nodiscard]] Canvas PaintSkin(const PlaneDescription& d, int longSide = kSkinLongSide);
// White, the cut line solid, valley creases dashed, mountain creases dash-dot; lines and dashes
// keep their size on the sheet whatever the long side.
[[nodiscard]] Canvas DrawLineOverlay(const PlaneDescription& d, const std::vector<Crease>& creases,
                                     int longSide = kOverlayLongSide);

// In pixels of a sheet kSkinLongSide long.
inline const Dashes kValleyDashes{14, 9};
inline const Dashes kMountainDashes{16, 6, 3, 6};
