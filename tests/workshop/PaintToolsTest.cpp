// Painting on the skin through the workshop: pencil, spray, eraser, stamp and undo on the flat
// pane, strokes on the 3D pane, and bad input (odd skins, texels at the edge, a model change or
// a release outside the panes mid-stroke).
#include <gtest/gtest.h>

#include <filesystem>

#include "WorkshopRig.h"
#include "workshop/PenTool.h"
#include "workshop/SkinCanvas.h"

namespace {

constexpr uint32_t kGrey = 0x808080;

struct Point {
    int32_t x, y;
};

// The window point over texel (tx, ty) of the flat pane.
Point Over(WorkshopRig& r, int32_t tx, int32_t ty) {
    const SkinPlacement p = PlaceSkin(r.V(), r.L().canvas);
    return {p.originX + int32_t((float(tx) + 0.5f) * p.sx),
            p.originY + int32_t((float(ty) + 0.5f) * p.sy)};
}

void ClickTexel(WorkshopRig& r, int32_t tx, int32_t ty) {
    const Point p = Over(r, tx, ty);
    r.Click(p.x, p.y);
}

// Sets the pen's thickness with its slider, as a child does.
void SetThickness(WorkshopRig& r, int32_t thickness) {
    const Rect& thick = r.L().thick;
    for (int32_t y = thick.bottom - 1; y >= thick.top; --y) {
        if (ThicknessAt(r.L(), y) != thickness) continue;
        r.Click(thick.CentreX(), y);
        return;
    }
}

int CountChanged(WorkshopRig& r, uint32_t original = kGrey) {
    int n = 0;
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) n += r.Texel(x, y) != original;
    return n;
}

TEST(PaintToolsTest, PencilStrokeShowsNearItAndOneUndoTakesItAllBack) {
    WorkshopRig r;
    // A press without moving paints nothing but arms undo.
    ClickTexel(r, 100, 100);
    EXPECT_EQ(CountChanged(r), 0);
    EXPECT_TRUE(r.W().UndoAvailable());
    EXPECT_EQ(r.W().Flags().hold, Hold::none);

    const Point from = Over(r, 60, 60), to = Over(r, 120, 80);
    r.Press(from.x, from.y);
    r.f.window.invalidated.clear();
    for (int i = 1; i <= 10; ++i)
        r.Move(from.x + (to.x - from.x) * i / 10, from.y + (to.y - from.y) * i / 10);
    EXPECT_LT(r.Texel(120, 80), 0x101010u) << "black at the stroke's end";
    EXPECT_EQ(r.Texel(200, 200), kGrey);
    for (const Rect& inv : r.f.window.invalidated)
        EXPECT_LE(inv.Width(), r.L().canvas.Width()) << "only near the stroke";
    r.Release(to.x, to.y);
    EXPECT_GT(CountChanged(r), 100);
    r.Click(r.L().undo);
    EXPECT_EQ(CountChanged(r), 0);
    EXPECT_FALSE(r.W().UndoAvailable());
    r.Click(r.L().undo);  // nothing left to undo
    EXPECT_EQ(r.W().PressedControl(), Pressed::none);
}

TEST(PaintToolsTest, SprayLaysOnePuffPerPressAndIgnoresDrags) {
    WorkshopRig r;
    r.Click(r.L().gush);
    const Point p = Over(r, 128, 128);
    r.Press(p.x, p.y);
    const int puff = CountChanged(r);
    EXPECT_GT(puff, 50);
    r.Move(p.x + 60, p.y + 40);
    EXPECT_EQ(CountChanged(r), puff);
    r.Release(p.x + 60, p.y + 40);
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
}

TEST(PaintToolsTest, EraserRestoresTheLoadedSkinInA32PixelSquareAndNothingOutside) {
    WorkshopRig r;
    // Paint everything, then erase around texel (100, 100) and at the corner.
    for (int y = 0; y < 256; ++y)
        for (int x = 0; x < 256; ++x) r.V().texture.PixelAt(x, y)[0] = 0;
    r.Click(r.L().erase);
    ClickTexel(r, 100, 100);
    EXPECT_EQ(r.Texel(100, 100), kGrey);
    EXPECT_EQ(r.Texel(84, 84), kGrey);
    EXPECT_NE(r.Texel(83, 100), kGrey);
    EXPECT_NE(r.Texel(116, 100), kGrey);
    ClickTexel(r, 0, 0);
    EXPECT_EQ(r.Texel(0, 0), kGrey);
    EXPECT_EQ(r.Texel(15, 15), kGrey);
    EXPECT_NE(r.Texel(16, 16), kGrey);
    // The pick can give 256: the eraser leaves the texture alone there.
    ClickTexel(r, 256, 256);
    EXPECT_NE(r.Texel(255, 255), kGrey);
    ClickTexel(r, 255, 255);
    EXPECT_EQ(r.Texel(255, 255), kGrey);
    // At size 0 nothing comes back.
    r.Click(r.L().erasesize.left, r.L().erasesize.CentreY());
    ASSERT_EQ(r.W().Eraser().Size(), 0);
    ClickTexel(r, 200, 200);
    EXPECT_NE(r.Texel(200, 200), kGrey);
}

TEST(PaintToolsTest, StampLandsCentredAndIsRefusedOverTheTopLeftCorner) {
    WorkshopRig r;
    // A 40 by 40 red stamp with a full mask, chosen in the chooser and laid at half size.
    Dib image = Dib::CreateBlank(40, 40), mask = Dib::CreateBlank(40, 40);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) {
            image.PixelAt(x, y)[2] = 255;
            uint8_t* m = mask.PixelAt(x, y);
            m[0] = m[1] = m[2] = 255;
        }
    std::filesystem::create_directories(r.f.dir.File("Piclib/bmp"));
    std::filesystem::create_directories(r.f.dir.File("Piclib/msk"));
    ASSERT_EQ(image.SaveToFile(r.f.dir.File("Piclib/bmp/01.bmp")), 1);
    ASSERT_EQ(mask.SaveToFile(r.f.dir.File("Piclib/msk/01.bmp")), 1);
    r.Click(r.L().picture);
    r.Click(r.L().rolepic);
    r.Click(r.L().stampCell);
    r.Click(r.L().roleqt);
    ASSERT_FALSE(r.W().ChooserShown());
    ASSERT_EQ(r.W().Stamp().Image().Width(), 40);
    ClickTexel(r, 100, 100);
    EXPECT_EQ(r.Texel(90, 90), 0xFF0000u);
    EXPECT_EQ(r.Texel(109, 109), 0xFF0000u);
    EXPECT_EQ(r.Texel(89, 100), kGrey);
    EXPECT_EQ(r.Texel(110, 100), kGrey);
    EXPECT_EQ(CountChanged(r), 400);
    ClickTexel(r, 2, 2);
    EXPECT_EQ(CountChanged(r), 400) << "corner above and left of the skin: not laid";
    ClickTexel(r, 2, 50);
    EXPECT_EQ(r.Texel(0, 50), 0xFF0000u) << "over the left edge only: laid and clipped";
}

TEST(PaintToolsTest, StrokeOnTheModelPaintsTheTextureAndStopsAtASeam) {
    WorkshopRig r;
    // The pane's left half shows the skin's left quarter, its right half the right quarter.
    WriteTestModel(r.f.dir.Path(), 2, 256, 256, 128, 128, 128, true);
    r.Click(r.L().ModelPick2);
    const Rect& view = r.L().view;
    SetThickness(r, 4);
    r.Press(view.CentreX() - 40, view.CentreY());
    ASSERT_TRUE(r.W().UndoAvailable()) << "the pick found the model";
    const int32_t startX = r.V().paintTarget.texelX;
    r.Move(view.CentreX() - 25, view.CentreY());
    r.Move(view.CentreX() - 10, view.CentreY());
    ASSERT_NE(r.V().paintTarget.texelX, startX);
    const int painted = CountChanged(r);
    EXPECT_GT(painted, 0);
    EXPECT_EQ(r.V().paintTarget.fullRedraw, 0) << "the next render redraws near the stroke";
    const int32_t lastX = r.V().paintTarget.texelX;
    // A jump across the pane is taken as a seam: no line is drawn to it.
    r.Move(view.CentreX() + 40, view.CentreY());
    EXPECT_EQ(CountChanged(r), painted);
    EXPECT_EQ(r.V().paintTarget.texelX, lastX);
    r.Release(view.CentreX() + 40, view.CentreY());
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
}

TEST(PaintToolsTest, ReleaseOutsideThePanesOrAModelChangeEndsTheStroke) {
    WorkshopRig r;
    const Point p = Over(r, 50, 50);
    r.Press(p.x, p.y);
    r.Move(p.x + 20, p.y);
    r.Release(2, 2);
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
    const int painted = CountChanged(r);
    r.Move(p.x + 40, p.y + 40);
    EXPECT_EQ(CountChanged(r), painted);

    WriteTestModel(r.f.dir.Path(), 2, 32, 32);
    r.Press(p.x, p.y);
    r.Move(p.x + 20, p.y);
    r.Click(r.L().ModelPick2);  // a press on the model column while the stroke is held
    EXPECT_EQ(r.W().Flags().hold, Hold::none);
    r.Move(p.x + 40, p.y + 40);
    r.Release(p.x + 40, p.y + 40);
    EXPECT_EQ(CountChanged(r), 0) << "the new skin is untouched";
}

TEST(PaintToolsTest, OddSkinsAreShownAndPaintedWithinTheirBlocks) {
    // 13 by 7: rows padded to 40 bytes, and an aspect of about 1.86.
    WorkshopRig r(13, 7);
    EXPECT_EQ(r.Texel(255, 255), kGrey);
    r.PaintAll();
    const Rect& canvas = r.L().canvas;
    EXPECT_EQ(r.f.window.client.PixelAt(canvas.left + 3, canvas.top + 3), kGrey);
    const Point p = Over(r, 200, 128);
    r.Press(p.x, p.y);
    r.Move(p.x + 20, p.y);
    r.Release(p.x + 20, p.y);
    EXPECT_LT(r.Texel(206, 128), 0x101010u);
}

}  // namespace
