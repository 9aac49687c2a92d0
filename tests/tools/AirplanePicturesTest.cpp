// The airplane pictures: creases drawn where the paper folds, skins the program can load, and
// the renderer putting the skin where the texture coordinates say.
#include <gtest/gtest.h>

#include "Renderer.h"
#include "SheetPictures.h"

namespace {

PlaneDescription Sheet(double w, double h) {
    PlaneDescription d;
    d.width = w;
    d.height = h;
    d.skin.colours = {0xFFFFFF, 0xFF0000};
    return d;
}

bool Inked(const Canvas& c, int x, int y) {
    const RgbPixel p = c.Get(x, y);
    return p.r != 255 || p.g != 255 || p.b != 255;
}

}  // namespace

TEST(AirplanePicturesTest, OverlayDrawsCreasesAtTheirPlacesAndTheCutLineAround) {
    const PlaneDescription d = Sheet(200, 100);
    const Canvas c = DrawLineOverlay(d, {{{100, 0}, {100, 100}, FoldKind::valley}});
    ASSERT_EQ(c.Width() % 4, 0);
    const int mid = c.Width() / 2;
    int inkedRows = 0;
    for (int y = 10; y < c.Height() - 10; ++y) inkedRows += Inked(c, mid, y) ? 1 : 0;
    // Dashed: ink on most rows, gaps on some.
    EXPECT_GT(inkedRows, (c.Height() - 20) / 2);
    EXPECT_LT(inkedRows, c.Height() - 20);
    EXPECT_FALSE(Inked(c, c.Width() / 4, c.Height() / 2));
    EXPECT_TRUE(Inked(c, 0, c.Height() / 2));
    EXPECT_TRUE(Inked(c, c.Width() - 1, c.Height() / 2));
}

TEST(AirplanePicturesTest, SkinIsAWholeSheetThatSavesAsA24BitBitmap) {
    for (const char* pattern : {"stripes", "dots", "stars", "chevrons", "checks", "waves"}) {
        PlaneDescription d = Sheet(297, 210);
        d.skin.pattern = pattern;
        const Canvas skin = PaintSkin(d);
        EXPECT_EQ(skin.Width(), kSkinLongSide) << pattern;
        EXPECT_NEAR(skin.Height(), 724, 1) << pattern;
        int coloured = 0;
        for (const RgbPixel& p : skin.Pixels()) coloured += p.g < 128 ? 1 : 0;
        EXPECT_GT(coloured, int(skin.Pixels().size()) / 20) << pattern << " has no design";
    }
}

TEST(AirplanePicturesTest, RendererPutsTheSkinWhereTheTextureCoordinatesSay) {
    // A square facing the camera: its left half wears the texture's left (red) half.
    Canvas texture(4, 4, {0, 0, 255});
    texture.FillRect(0, 0, 2, 4, {255, 0, 0});
    const MeshCorner a{{-1, -1, 0}, {0, 0}}, b{{1, -1, 0}, {1, 0}}, c{{1, 1, 0}, {1, 1}},
        d{{-1, 1, 0}, {0, 1}};
    Renderer r(40, 40, 1);
    r.Clear(Canvas(1, 1, {255, 255, 255}));
    r.Draw({{{a, b, c}}, {{a, c, d}}}, texture, Camera{{0, 0, 8}, {0, 0, 0}, {0, 1, 0}, 30});
    std::vector<uint8_t> cover;
    const Canvas out = r.Resolve(&cover);
    EXPECT_GT(out.Get(14, 20).r, 100);
    EXPECT_EQ(out.Get(14, 20).b, 0);
    EXPECT_GT(out.Get(26, 20).b, 100);
    EXPECT_EQ(out.Get(26, 20).r, 0);
    EXPECT_EQ(cover[20 * 40 + 20], 255);
    EXPECT_EQ(cover[0], 0);  // the corner shows the background
}
