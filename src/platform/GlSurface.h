// GlSurface port: the off-screen OpenGL surface the 3D view renders into, as large as the
// screen, with 24-bit colour and a depth buffer. The controller draws the backdrop into it,
// has the view render, and copies the finished pane to the window in one block copy, so the
// window never shows a half-drawn model.
#pragma once

#include <cstdint>

#include "platform/GlDevice.h"
#include "platform/Surface.h"
#include "base/Rect.h"

class GlSurface : public GlDevice {
public:
    [[nodiscard]] virtual int32_t Width() const = 0;
    [[nodiscard]] virtual int32_t Height() const = 0;

    // Draws the picture unscaled onto `dest` (top-down surface coordinates): dest's size, taken
    // from (sx, sy) of the picture counted from its top. Parts outside either are skipped.
    // 1 when something was drawn, 0 when the picture has no pixels or nothing overlaps.
    // Without a rendering context the surface is a plain bitmap and still takes pictures.
    virtual int DrawPicture(const BgrRows& picture, const Rect& dest, int32_t sx, int32_t sy) = 0;
    // Clears the depth buffer inside the rectangle (top-down); Bounds() for all of it.
    virtual void ClearDepth(const Rect& area) = 0;
    // Copies dest's size from (sx, sy) of the surface onto `dest` of the window with a plain
    // copy, clipped to both. 1 when something was copied.
    virtual int CopyToWindow(int32_t sx, int32_t sy, const Rect& dest, Surface& window) = 0;

    [[nodiscard]] Rect Bounds() const { return {0, 0, Width(), Height()}; }
};
