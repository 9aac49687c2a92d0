// The flat skin pane: placement, point mapping and the scaled drawing of the texture.
#include "workshop/SkinCanvas.h"

#include <algorithm>
#include <vector>

SkinPlacement PlaceSkin(const View3D& view, const Rect& canvas) {
    SkinPlacement p;
    const float aspect = view.skin.Height() > 0 ? float(view.skin.Width()) / float(view.skin.Height())
                                                : 1.0f;
    const float zoom = view.canvasZoom > 0 ? view.canvasZoom : 1.0f;
    p.sx = zoom * aspect;
    p.sy = zoom;
    p.originX = canvas.left + int32_t(view.canvasOffsetX);
    p.originY = canvas.top + int32_t(view.canvasOffsetY);
    return p;
}

void MapSkinPoint(const SkinPlacement& place, int32_t x, int32_t y, int32_t& tx, int32_t& ty) {
    tx = int32_t(float(x - place.originX) / place.sx);
    ty = int32_t(float(y - place.originY) / place.sy);
}

Rect TextureToWindow(const SkinPlacement& place, Rect texels) {
    texels.Scale(place.sx, place.sy);
    texels.Offset(place.originX, place.originY);
    return texels;
}

void DrawSkin(const View3D& view, const Rect& canvas, const Rect& update, Surface& window,
              const Surface& backBuffer, int32_t designX, int32_t designY) {
    Rect area;
    if (!Intersect(canvas, update, area)) return;
    // What the skin does not cover shows the backdrop, never an older skin picture.
    window.BitBlt(area.left, area.top, area.Width(), area.Height(), backBuffer,
                        area.left - designX, area.top - designY);
    const Dib& texture = view.texture;
    if (texture.Width() != View3D::kTextureSide || texture.Height() != View3D::kTextureSide ||
        !texture.IsUsable())
        return;
    const SkinPlacement place = PlaceSkin(view, canvas);
    const Rect whole = TextureToWindow(place, {0, 0, View3D::kTextureSide, View3D::kTextureSide});
    Rect dest;
    if (!Intersect(whole, area, dest)) return;
    Rect clip;
    if (!Intersect(dest, window.Bounds(), clip)) return;
    // Each window column and row takes the texel the point maps to, as painting does.
    std::vector<int32_t> columns(size_t(clip.Width()));
    for (int32_t x = clip.left; x < clip.right; ++x) {
        int32_t tx = 0, ty = 0;
        MapSkinPoint(place, x, clip.top, tx, ty);
        columns[size_t(x - clip.left)] = std::clamp(tx, 0, View3D::kTextureSide - 1);
    }
    for (int32_t y = clip.top; y < clip.bottom; ++y) {
        int32_t tx = 0, ty = 0;
        MapSkinPoint(place, clip.left, y, tx, ty);
        ty = std::clamp(ty, 0, View3D::kTextureSide - 1);
        const uint8_t* row = texture.PixelAt(0, ty);
        uint32_t* out = window.Row(y) + clip.left;
        for (size_t i = 0; i < columns.size(); ++i) {
            const uint8_t* p = row + 3 * size_t(columns[i]);
            out[i] = Rgb(p[2], p[1], p[0]);
        }
    }
    window.Touch(clip);
}
