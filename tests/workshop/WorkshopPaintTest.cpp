// The workshop's painting: the skin pane with zoom and pan, and the 3D preview refresh.
#include <gtest/gtest.h>

#include "WorkshopRig.h"

namespace {

TEST(WorkshopPaintTest, SkinIsDrawnScaledAndMovedInsideTheCanvasOnly) {
    WorkshopRig r;
    for (int y = 0; y < 256; ++y) r.V().texture.PixelAt(10, y)[2] = 255;  // a pinkish column
    const Rect& canvas = r.L().canvas;
    r.V().canvasZoom = 2.0f;
    r.V().canvasOffsetX = 7;
    r.PaintAll();
    const Surface& s = r.f.window.client;
    EXPECT_EQ(s.PixelAt(canvas.left + 7 + 20, canvas.top + 5), 0xFF8080u);
    EXPECT_EQ(s.PixelAt(canvas.left + 7 + 21, canvas.top + 5), 0xFF8080u);
    EXPECT_EQ(s.PixelAt(canvas.left + 7 + 22, canvas.top + 5), 0x808080u);
    EXPECT_NE(s.PixelAt(canvas.left + 3, canvas.top + 5), 0x808080u) << "left of the skin";
    EXPECT_NE(s.PixelAt(canvas.right, canvas.top + 5), 0x808080u) << "never past the canvas";
}

TEST(WorkshopPaintTest, PaintAsksForThePreviewAndTheTickRendersAndCopiesIt) {
    WorkshopRig r;
    r.PaintAll();
    ASSERT_TRUE(r.W().PreviewPending());
    const int copies = r.gl->copies;
    r.c->Timer(2);
    EXPECT_GT(r.gl->drawnTriangles, 0);
    EXPECT_EQ(r.gl->copies, copies + 1);
    const Rect& view = r.L().view;
    EXPECT_EQ(r.f.window.client.PixelAt(view.CentreX(), view.CentreY()),
              FakeGlSurface::kRendered);
}

TEST(WorkshopPaintTest, ViewModesHoldThePreviewButRotationRendersIt) {
    WorkshopRig r;
    r.PaintAll();
    r.c->Timer(2);
    ASSERT_FALSE(r.W().PreviewPending()) << "rendered once, then quiet";
    r.Click(r.L().move.CentreX(), r.L().move.CentreY());
    r.PaintAll();
    EXPECT_FALSE(r.W().PreviewPending());
    r.Click(r.L().rote.CentreX(), r.L().rote.CentreY());
    r.PaintAll();
    EXPECT_TRUE(r.W().PreviewPending());
}

}  // namespace
