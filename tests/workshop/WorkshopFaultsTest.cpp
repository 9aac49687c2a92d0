// Faults a child met in the workshop, each driven through the screen as the child did.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>

#include "WorkshopRig.h"
#include "raster/ColourAdjust.h"
#include "workshop/AdjustTool.h"

namespace {

// A slider's point for a value, found as the child finds it: by trying.
int32_t SliderX(WorkshopRig& r, int component, int32_t value) {
    const Rect* tracks[3] = {&r.L().adjusth, &r.L().adjusts, &r.L().adjustl};
    for (int32_t x = tracks[component]->left; x < tracks[component]->right; ++x)
        if (AdjustTool::ShiftAt(r.L(), component, x) == value) return x;
    ADD_FAILURE() << "no point gives " << value;
    return tracks[component]->left;
}

TEST(WorkshopFaultsTest, EachSliderChangeIsAppliedOnceWhateverTheOrder) {
    WorkshopRig r;
    WriteTestModel(r.f.dir.Path(), 2, 256, 256, 200, 80, 40);  // a colour with a hue
    r.Click(r.L().ModelPick2);
    Dib original = r.V().texture.Clone();
    r.Click(r.L().adjust);
    const Rect& hue = r.L().adjusth;
    const Rect& light = r.L().adjustl;
    // The first change dragged along the hue slider, applied on the tick after the release.
    r.Press(SliderX(r, 0, 0), hue.CentreY());
    r.Move(SliderX(r, 0, 40), hue.CentreY());
    r.Release(SliderX(r, 0, 40), hue.CentreY());
    EXPECT_TRUE(r.W().Adjust().RecolourPending());
    EXPECT_EQ(r.Texel(5, 5), 0xC85028u) << "not before the tick";
    r.c->Timer(2);
    EXPECT_NE(r.Texel(5, 5), 0xC85028u);
    // Two clicks on the lightness slider's middle change nothing.
    for (int i = 0; i < 2; ++i) {
        r.Click(SliderX(r, 2, 0), light.CentreY());
        r.c->Timer(2);
        EXPECT_FALSE(r.W().Adjust().RecolourPending()) << "nothing is left waiting";
    }
    r.Click(SliderX(r, 2, 30), light.CentreY());
    r.c->Timer(2);
    r.Click(SliderX(r, 0, -20), hue.CentreY());
    r.c->Timer(2);
    ASSERT_EQ(AdjustHsv(original.Block(), -20, 0, 30), 1);
    int differing = 0;
    for (int32_t y = 0; y < 256; ++y)
        for (int32_t x = 0; x < 256; ++x)
            differing += std::memcmp(r.V().texture.PixelAt(x, y), original.PixelAt(x, y), 3) != 0;
    EXPECT_EQ(differing, 0) << "the skin is the original adjusted once by the sliders";
}

TEST(WorkshopFaultsTest, PaintingAfterAnAdjustmentIsKeptByTheNextOne) {
    WorkshopRig r;
    r.Click(r.L().adjust);
    r.Click(SliderX(r, 2, 50), r.L().adjustl.CentreY());
    r.c->Timer(2);
    const uint32_t adjusted = r.Texel(5, 5);
    ASSERT_NE(adjusted, 0x808080u);
    // Erase a corner back to the skin as loaded, then adjust again.
    r.Click(r.L().erase);
    const Rect& canvas = r.L().canvas;
    r.Click(canvas.left + 5, canvas.top + 5);
    ASSERT_EQ(r.Texel(5, 5), 0x808080u);
    r.Click(r.L().adjust);
    r.Click(SliderX(r, 0, 10), r.L().adjusth.CentreY());
    r.c->Timer(2);
    EXPECT_EQ(r.Texel(5, 5), 0x808080u) << "grey has no hue: the erased corner stays";
    EXPECT_EQ(r.Texel(200, 200), adjusted) << "the rest keeps its lightness";
}

TEST(WorkshopFaultsTest, ChoosingAnotherToolClosesTheStampChooserAndRepaintsItsArea) {
    WorkshopRig r;
    const uint32_t backdrop = r.f.window.client.PixelAt(r.L().stampBox.left + 2, r.L().stampBox.top + 2);
    r.Click(r.L().picture);
    r.Click(r.L().rolepic);
    ASSERT_TRUE(r.W().ChooserShown());
    r.PaintAll();
    // The chooser's picture lies on the window; now the child takes the pencil.
    r.f.window.client.Fill(r.L().stampBox, 0x123456);
    r.Click(r.L().pencil);
    EXPECT_FALSE(r.W().ChooserShown());
    r.PaintAll();
    EXPECT_EQ(r.f.window.client.PixelAt(r.L().stampBox.left + 2, r.L().stampBox.top + 2), backdrop)
        << "the area between the panes shows the backdrop again";
    r.Stroke();
    EXPECT_NE(r.Texel(40, 20), 0x808080u) << "and the pencil paints";
}

TEST(WorkshopFaultsTest, APressOnTheWorksButtonClosesTheChooserItCovers) {
    WorkshopRig r;
    r.Click(r.L().picture);
    r.Click(r.L().rolepic);
    ASSERT_TRUE(r.W().ChooserShown());
    r.f.window.invalidated.clear();
    r.Click(r.L().docout);
    EXPECT_FALSE(r.W().ChooserShown());
    EXPECT_NE(std::find(r.f.window.invalidated.begin(), r.f.window.invalidated.end(),
                        r.L().stampBox),
              r.f.window.invalidated.end());
    // Back from the box, a click on the skin paints the skin it shows.
    r.Click(r.L().saveback);
    r.Click(r.L().stampCell);
    EXPECT_TRUE(r.W().UndoAvailable());
}

TEST(WorkshopFaultsTest, AnIdleWorkshopRendersThePreviewOnlyAfterAChange) {
    WorkshopRig r;
    r.PaintAll();
    ASSERT_TRUE(r.W().PreviewPending());
    const int copies = r.gl->copies;
    r.c->Timer(2);
    const int drawn = r.gl->drawnTriangles;
    EXPECT_GT(drawn, 0);
    EXPECT_EQ(r.gl->copies, copies + 1);
    EXPECT_EQ(r.f.window.client.PixelAt(r.L().view.CentreX(), r.L().view.CentreY()),
              FakeGlSurface::kRendered);
    for (int tick = 0; tick < 10; ++tick) r.c->Timer(2);
    EXPECT_EQ(r.gl->drawnTriangles, drawn) << "nothing changed: nothing rendered";
    r.Stroke();
    r.PaintAll();
    r.c->Timer(2);
    EXPECT_GT(r.gl->drawnTriangles, drawn);
}

}  // namespace
