// Scenes the 3D-view tests render and pick: quads of known size and texture, a view on the
// 1024 by 768 screen the program uses, and its surface and window.
#pragma once

#include <cstdint>

#include "base/ScreenLayout.h"
#include "graphics/View3D.h"
#include "platform/Surface.h"
#include "platform/gl/OsMesaSurface.h"

// Colours of the test skin's quarters, as 0x00RRGGBB.
inline constexpr uint32_t kUpperLeft = 0xFF0000;   // red
inline constexpr uint32_t kUpperRight = 0x00FF00;  // green
inline constexpr uint32_t kLowerLeft = 0x0000FF;   // blue
inline constexpr uint32_t kLowerRight = 0xFFFFFF;  // white

// Adds a square of half-side `half` at depth z facing the camera, texture (u0, v0) at its
// lower-left and (u1, v1) at its upper-right. Triangle 2k is its lower-left half, 2k + 1 its
// upper-right half (the diagonal runs from lower-right to upper-left).
void AddQuad(ModelMesh& mesh, float half, float z, float u0 = 0, float v0 = 0, float u1 = 1,
             float v1 = 1);
// Gives the view a 256 x 256 texture in the four colours above.
void PaintQuarters(View3D& view);
// Fills the texture with one colour.
void FillTexture(View3D& view, uint32_t colour);

struct GlScene {
    // The surface renders renderScale x supersample times finer than the screen.
    explicit GlScene(float renderScale = 1, int32_t supersample = 1);
    // Renders into the pane and copies it to the window.
    void RenderPane();
    // The window pixel at the normalised device point (x, y) of the pane.
    [[nodiscard]] uint32_t PaneAt(double x, double y) const;
    // The window point of the normalised device point.
    [[nodiscard]] int32_t WindowX(double x) const;
    [[nodiscard]] int32_t WindowY(double y) const;

    OsMesaSurface surface;
    Surface window{1024, 768};
    View3D view;
    ScreenLayout layout{1024, 768};
};
