// The eraser: copies the skin as it was loaded back over a rectangle around the pointer.
#include <algorithm>

#include "shell/Controller.h"
#include "workshop/PaintTools.h"
#include "workshop/SkinCanvas.h"

void EraserSizeOnSkin(const Controller& c, int32_t& w, int32_t& h) {
    // 32 screen pixels square at full size, whatever the zoom.
    const SkinPlacement p = PlaceSkin(*c.view3d, c.Layout().canvas);
    w = int32_t(32.0 / p.sx * c.eraseSize * 0.01);
    h = int32_t(32.0 / p.sy * c.eraseSize * 0.01);
}

int32_t EraserSizeOnModel(const Controller& c) {
    const float zoom = c.view3d->canvasZoom > 0 ? c.view3d->canvasZoom : 1.0f;
    return int32_t(32.0f / zoom);
}

void EraseAt(Controller& c, int32_t tx, int32_t ty, int32_t w, int32_t h) {
    constexpr int32_t side = View3D::kTextureSide;
    if (tx < 0 || tx >= side || ty < 0 || ty >= side) return;
    const int32_t left = std::max(tx - w / 2, 0), top = std::max(ty - h / 2, 0);
    const int32_t right = std::min(tx + w / 2, side), bottom = std::min(ty + h / 2, side);
    if (right <= left || bottom <= top) return;
    View3D& v = *c.view3d;
    if (v.textureCopy1.CopyBlockTo(v.texture, left, top, right - left, bottom - top, left, top) ==
        1)
        ShowTexels(c, {left, top, right, bottom});
}
