// Rendering the textured model into the pane: pixels of a known model, partial redraw over the
// previous picture, and models or skins that are missing.
#include <gtest/gtest.h>

#include "GlScene.h"
#include "support/TestPictures.h"

namespace {

// The quad of half-side 0.4 at scale 4.5 spans x in (-0.63, 0.63), y in (-0.84, 0.84) of the
// pane; its quarters' centres are at (+-0.315, +-0.42).
constexpr double kX = 0.315, kY = 0.42;

TEST(View3DRenderTest, KnownModelShowsItsSkinQuartersInPlace) {
    GlScene scene;
    scene.RenderPane();
    EXPECT_EQ(scene.PaneAt(-kX, kY), kUpperLeft);
    EXPECT_EQ(scene.PaneAt(kX, kY), kUpperRight);
    EXPECT_EQ(scene.PaneAt(-kX, -kY), kLowerLeft);
    EXPECT_EQ(scene.PaneAt(kX, -kY), kLowerRight);
    // Edges of the model, just inside and just outside.
    EXPECT_EQ(scene.PaneAt(-0.60, 0.2), kUpperLeft);
    EXPECT_EQ(scene.PaneAt(-0.68, 0.2), 0u);
    EXPECT_EQ(scene.PaneAt(0, 0.90), 0u);
    // Nothing is drawn outside the pane.
    EXPECT_EQ(scene.window.PixelAt(scene.layout.view.left - 1, 368), 0u);
}

TEST(View3DRenderTest, RotationAndScaleMoveThePicture) {
    GlScene scene;
    scene.view.rotationY = 180;  // seen from behind: left and right change places
    scene.RenderPane();
    EXPECT_EQ(scene.PaneAt(-kX, kY), kUpperRight);
    EXPECT_EQ(scene.PaneAt(kX, -kY), kLowerLeft);

    GlScene small;
    small.view.modelScale = 2.0f;  // the quad now ends at x = 0.28
    small.RenderPane();
    EXPECT_EQ(small.PaneAt(-0.2, 0.3), kUpperLeft);
    EXPECT_EQ(small.PaneAt(-kX, kY), 0u);
}

TEST(View3DRenderTest, ModelIsDrawnOverTheBackdrop) {
    GlScene scene;
    const Dib backdrop = SolidDib(800, 600, 0x008000);
    const Rect& screen = scene.layout.Screen;
    ASSERT_EQ(scene.surface.DrawPicture(BgrRowsOf(backdrop), screen, 0, 0), 1);
    scene.surface.ClearDepth(scene.surface.Bounds());
    scene.RenderPane();
    EXPECT_EQ(scene.PaneAt(-0.9, 0.9), 0x008000u);
    EXPECT_EQ(scene.PaneAt(kX, kY), kUpperRight);
}

// Repaints the whole texture yellow, marks a dirty rectangle and renders partially: only the
// triangles the rectangle brings back turn yellow.
struct Partial {
    uint32_t lowerLeftHalf, upperRightHalf;
    uint8_t flagAfter;
};

Partial RenderPartially(const Rect& dirty) {
    GlScene scene;
    scene.RenderPane();
    FillTexture(scene.view, 0xFFFF00);
    scene.view.paintTarget.dirtyRect = dirty;
    scene.view.paintTarget.fullRedraw = 0;
    scene.RenderPane();
    return {scene.PaneAt(-kX, -kY), scene.PaneAt(kX, kY), scene.view.paintTarget.fullRedraw};
}

TEST(View3DRenderTest, PartialRedrawDrawsOnlyTrianglesTheRectangleMeets) {
    // Texels top-down: the lower-left half of the skin is where x <= y.
    Partial inside = RenderPartially({20, 200, 60, 240});
    EXPECT_EQ(inside.lowerLeftHalf, 0xFFFF00u);
    EXPECT_EQ(inside.upperRightHalf, kUpperRight);
    EXPECT_EQ(inside.flagAfter, 1);

    Partial across = RenderPartially({100, 100, 160, 160});
    EXPECT_EQ(across.lowerLeftHalf, 0xFFFF00u);
    EXPECT_EQ(across.upperRightHalf, 0xFFFF00u);

    Partial outside = RenderPartially({200, 10, 240, 50});
    EXPECT_EQ(outside.lowerLeftHalf, kLowerLeft);
    EXPECT_EQ(outside.upperRightHalf, 0xFFFF00u);

    Partial empty = RenderPartially({100, 100, 100, 160});
    EXPECT_EQ(empty.lowerLeftHalf, kLowerLeft);
    EXPECT_EQ(empty.upperRightHalf, kUpperRight);
    EXPECT_EQ(empty.flagAfter, 0);
}

TEST(View3DRenderTest, MissingModelDrawsNothingAndMissingSkinDrawsBlack) {
    GlScene empty;
    empty.view.mesh.Clear();
    const Dib grey = SolidDib(1024, 768, 0x40);
    ASSERT_EQ(empty.surface.DrawPicture(BgrRowsOf(grey), empty.surface.Bounds(), 0, 0), 1);
    empty.RenderPane();
    EXPECT_EQ(empty.PaneAt(0.1, 0.1), 0x40u);

    GlScene noSkin;
    ASSERT_EQ(noSkin.surface.DrawPicture(BgrRowsOf(grey), noSkin.surface.Bounds(), 0, 0), 1);
    EXPECT_FALSE(noSkin.view.LoadSkin("/nonexistent/Fly01.bmp"));
    noSkin.RenderPane();
    EXPECT_EQ(noSkin.PaneAt(0.1, 0.1), 0u);
    EXPECT_EQ(noSkin.PaneAt(-0.9, 0.9), 0x40u);
}

TEST(View3DRenderTest, WithoutContextNothingIsDrawnOrPicked) {
    OsMesaSurface plain(16385, 4);  // wider than OpenGL draws: a plain bitmap
    ASSERT_FALSE(plain.HasContext());
    View3D view;
    AddQuad(view.mesh, 0.4f, 0);
    PaintQuarters(view);
    view.Render(plain, {0, 0, 200, 4});
    Surface window(200, 4);
    ASSERT_EQ(plain.CopyToWindow(0, 0, {0, 0, 200, 4}, window), 1);
    for (int32_t x = 0; x < 200; ++x) ASSERT_EQ(window.PixelAt(x, 2), 0u);
    EXPECT_EQ(view.paintTarget.fullRedraw, 1);
    EXPECT_FALSE(view.Pick(plain, {0, 0, 200, 4}, {0, 0, 200, 4}, 100, 2, 4));
}

}  // namespace
