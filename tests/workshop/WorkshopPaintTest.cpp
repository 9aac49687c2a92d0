// The workshop's painting: the skin pane with zoom and pan, and the 3D preview in the view modes.
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

TEST(WorkshopPaintTest, ViewModesHoldThePreviewButRotationRendersIt) {
    WorkshopRig r;
    r.PaintAll();
    r.c->Timer(2);
    ASSERT_FALSE(r.W().PreviewPending()) << "rendered once, then quiet";
    r.Click(r.L().move);
    r.PaintAll();
    EXPECT_FALSE(r.W().PreviewPending()) << "panning the skin leaves the model as it is";
    r.Click(r.L().rote);
    r.PaintAll();
    EXPECT_TRUE(r.W().PreviewPending());
}

}  // namespace
