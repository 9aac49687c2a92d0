// Routing of presses, drags and releases to the tool in use, on either pane; the undo copy.
#include "workshop/PaintTools.h"

#include <cstdlib>

#include "shell/Controller.h"
#include "workshop/SkinCanvas.h"

namespace {

// Beyond this many texels from the last point a 3D drag has crossed a seam of the skin.
constexpr int32_t kSeamJump = 60;

bool SetSkinTexel(Controller& c, int32_t x, int32_t y) {
    if (!c.Layout().canvas.Contains(x, y)) return false;
    int32_t tx = 0, ty = 0;
    MapSkinPoint(PlaceSkin(*c.view3d, c.Layout().canvas), x, y, tx, ty);
    c.view3d->paintTarget.texelX = tx;
    c.view3d->paintTarget.texelY = ty;
    return true;
}

// Picks the model under a point of the 3D pane; on a hit the paint target holds the texel.
bool PickModel(Controller& c, int32_t x, int32_t y) {
    if (!c.Layout().view.Contains(x, y) || !c.glSurface) return false;
    const Rect& gl = c.Layout().viewGl;
    c.glSurface->SetViewport({gl.left, gl.top, gl.right - gl.left, gl.bottom - gl.top});
    return c.view3d->Pick(*c.glSurface, x, y, c.glSurface->Height());
}

void PressTool(Controller& c, StrokeState& s, bool onModel) {
    const PaintTarget& t = c.view3d->paintTarget;
    TakeUndoSnapshot(c);
    s.onModel = onModel;
    switch (c.tool) {
        case 1:
            PencilPress(c, t.texelX, t.texelY);
            s.active = true;
            break;
        case 2:
            SprayPress(c, t.texelX, t.texelY);
            s.active = true;
            break;
        case 3: StampAt(c, t.texelX, t.texelY); break;
        case 4: {
            int32_t w = 0, h = 0;
            if (onModel) {
                w = h = EraserSizeOnModel(c);
            } else {
                EraserSizeOnSkin(c, w, h);
            }
            EraseAt(c, t.texelX, t.texelY, w, h);
            c.dragActive = 1;
            s.active = true;
            break;
        }
        default: break;
    }
    if (onModel) c.Invalidate(c.Layout().view);
}

void EndStroke(Controller& c, StrokeState& s) {
    if (c.tool == 1) PencilFinish(c);
    if (c.tool == 2) SprayFinish(c);
    c.dragActive = 0;
    s.active = false;
}

}  // namespace

bool HasPaintTarget(const Controller& c) {
    return c.view3d && c.view3d->paintTarget.textureBlock != nullptr &&
           c.view3d->texture.Width() == View3D::kTextureSide &&
           c.view3d->texture.Height() == View3D::kTextureSide;
}

void SkinPress(Controller& c, StrokeState& s, int32_t x, int32_t y) {
    if (!SetSkinTexel(c, x, y)) return;
    PressTool(c, s, false);
}

void ModelPress(Controller& c, StrokeState& s, int32_t x, int32_t y) {
    if (!PickModel(c, x, y)) return;
    PressTool(c, s, true);
}

void SkinDrag(Controller& c, StrokeState& s, int32_t x, int32_t y) {
    if (c.dragActive != 1 || !s.active || (c.tool != 1 && c.tool != 4)) return;
    if (!SetSkinTexel(c, x, y)) return;
    const PaintTarget& t = c.view3d->paintTarget;
    if (c.tool == 1) {
        PencilStroke(c, t.texelX, t.texelY, 10);
    } else {
        int32_t w = 0, h = 0;
        EraserSizeOnSkin(c, w, h);
        EraseAt(c, t.texelX, t.texelY, w, h);
    }
}

void ModelDrag(Controller& c, StrokeState& s, int32_t x, int32_t y) {
    if (c.dragActive != 1 || !s.active || (c.tool != 1 && c.tool != 4)) return;
    PaintTarget& t = c.view3d->paintTarget;
    const int32_t lastX = t.texelX, lastY = t.texelY;
    if (!PickModel(c, x, y)) return;
    if (c.tool == 4) {
        const int32_t side = EraserSizeOnModel(c);
        EraseAt(c, t.texelX, t.texelY, side, side);
    } else if (std::abs(t.texelX - lastX) < kSeamJump && std::abs(t.texelY - lastY) < kSeamJump) {
        PencilStroke(c, t.texelX, t.texelY, 10);
        t.fullRedraw = 0;
    } else {
        // Another part of the skin: no line across the texture; wait for the pointer to return.
        t.texelX = lastX;
        t.texelY = lastY;
        return;
    }
    c.Invalidate(c.Layout().view);
}

void SkinRelease(Controller& c, StrokeState& s) { EndStroke(c, s); }

void ModelRelease(Controller& c, StrokeState& s) {
    if (s.active) EndStroke(c, s);
}

void TakeUndoSnapshot(Controller& c) {
    View3D& v = *c.view3d;
    (void)v.texture.CopyBlockTo(v.textureCopy2, 0, 0, View3D::kTextureSide,
                                View3D::kTextureSide, 0, 0);
    c.undoAvailable = 1;
}

void Undo(Controller& c) {
    View3D& v = *c.view3d;
    (void)v.textureCopy2.CopyBlockTo(v.texture, 0, 0, View3D::kTextureSide, View3D::kTextureSide,
                                     0, 0);
    c.armed = 1;
    c.directPaint = 1;
    c.pressed = kPressedUndo;
    c.undoAvailable = 0;
    v.paintTarget.fullRedraw = 1;
    c.Invalidate(c.Layout().undo);
    c.Invalidate(c.Layout().canvas);
    c.Invalidate(c.Layout().view);
}

void ShowTexels(Controller& c, const Rect& texels) {
    if (texels.IsEmpty()) return;
    PaintTarget& t = c.view3d->paintTarget;
    Rect merged = texels;
    if (!t.dirtyRect.IsEmpty()) (void)Union(t.dirtyRect, texels, merged);
    t.dirtyRect = merged;
    Rect shown = TextureToWindow(PlaceSkin(*c.view3d, c.Layout().canvas), texels);
    // Scaling truncates: one more pixel keeps the last partly covered column and row.
    shown.right += 1;
    shown.bottom += 1;
    Rect visible;
    if (Intersect(shown, c.Layout().canvas, visible)) c.Invalidate(visible);
}
