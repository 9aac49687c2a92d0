// FoldRenderer: one frame of a fold animation as a picture: its backdrop (the table, or the sky
// with the airplane's trail), the paper wearing a texture through the off-screen 3D surface, and
// the fold guide. The movie files are made with it and the flight screen plays with it, so the
// two differ only in the texture.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "graphics/Canvas.h"
#include "graphics/FoldAnimation.h"
#include "platform/GlSurface.h"

// How a fold line is drawn on the steps sheet and in the movie: valley dashed blue, mountain
// dash-dot red, and the orange arrow of the turn. `scale` shrinks or grows the dashes.
[[nodiscard]] RgbPixel FoldLineColour(bool valley);
[[nodiscard]] Dashes FoldLineDashes(bool valley, double scale);
inline constexpr RgbPixel kTurnArrow{240, 120, 20};

// Where a scene point lands in a picture of width x height seen by the camera (top-down
// pixels), as the 3D surface projects it; false when it lies behind the eye.
[[nodiscard]] bool ProjectToPicture(const FoldCamera& camera, int32_t width, int32_t height, Vec3 p,
                                    Vec2& out);

class FoldRenderer {
public:
    // Frame t (clamped to the animation) into `out`, at the animation's size. The texture is
    // a skin picture's rows (any size the surface takes); the surface must be at least the
    // animation's size. False when the surface cannot draw (no context, too small).
    [[nodiscard]] bool Render(const FoldAnimation& animation, int32_t t, const BgrRows& texture,
                              GlSurface& gl, Canvas& out);

private:
    void DrawBackdrop(const FoldAnimation& a, int32_t t);
    void DrawPaper(const FoldAnimation& a, const FoldFrame& f, int32_t height, GlSurface& gl);

    Canvas backdrop;
    std::vector<uint8_t> rows;      // the backdrop as the surface takes it
    // The paper's triangles of the frame, by how brightly they are lit.
    static constexpr size_t kShades = 16;
    static constexpr double kDarkest = 0.62;
    std::array<std::vector<GlCorner>, kShades> shaded;
    Surface readBack;
};
