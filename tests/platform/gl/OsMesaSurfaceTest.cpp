// The OSMesa surface: the matrices match GLU's, pictures go in and panes come out the right way
// up, and depth clears stay in their rectangle. The selection pass is held by the pick's tests.
#include "platform/gl/OsMesaSurface.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <gtest/gtest.h>

#include <vector>

#include "graphics/Dib.h"
#include "graphics/View3D.h"
#include "graphics/ViewMath.h"
#include "support/TestPictures.h"

namespace {

GlMatrix Current(GLenum which) {
    GlMatrix m;
    glGetFloatv(which, m.data());
    return m;
}

void ExpectSame(const GlMatrix& a, const GlMatrix& b) {
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(a[i], b[i], 1e-5) << i;
}

TEST(OsMesaSurfaceTest, ViewMatricesEqualGluAndFixedPipelineOnes) {
    OsMesaSurface surface(320, 240);
    ASSERT_TRUE(surface.HasContext());
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    GLint viewport[4] = {17, 40, 209, 159};
    gluPickMatrix(100, 90, 1, 1, viewport);
    gluPerspective(30, 1.3333333333333333, 1, 10);
    Matrix4 ours = Multiply(PickRegionMatrix(100, 90, 1, 1, {17, 40, 209, 159}), ViewProjection());
    ExpectSame(Current(GL_PROJECTION_MATRIX), ours);

    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0, 0, -8);
    glScalef(2.5f, 2.5f, 2.5f);
    glRotatef(33, 1, 0, 0);
    glRotatef(-250, 0, 1, 0);
    ExpectSame(Current(GL_MODELVIEW_MATRIX), ViewModelView(2.5f, 33, -250));
    glLoadIdentity();
    glRotatef(71, 0.3f, -2, 0.5f);
    ExpectSame(Current(GL_MODELVIEW_MATRIX), RotationMatrix(71, 0.3f, -2, 0.5f));
}

// The colour of pixel (x, y) of a 13 x 7 test picture (its rows padded).
uint32_t PatternAt(int32_t x, int32_t y) { return Rgb(uint8_t(x * 10), uint8_t(y * 20), 99); }

void PicturesRoundTrip(OsMesaSurface& surface) {
    const Dib picture = PaintedDib(13, 7, PatternAt);
    // 8 x 4 of the picture from (3, 2), drawn at (5, 6).
    ASSERT_EQ(surface.DrawPicture(BgrRowsOf(picture), {5, 6, 13, 10}, 3, 2), 1);
    Surface window(40, 30);
    ASSERT_EQ(surface.CopyToWindow(4, 5, {20, 10, 30, 16}, window), 1);
    for (int32_t y = 0; y < 4; ++y)
        for (int32_t x = 0; x < 8; ++x)
            ASSERT_EQ(window.PixelAt(21 + x, 11 + y), PatternAt(3 + x, 2 + y)) << x << "," << y;
    EXPECT_EQ(window.PixelAt(20, 10), 0u);  // surface pixel (4, 5): still black
    // Clipped at the surface's top-left: the picture's (2, 1) lands on (0, 0).
    ASSERT_EQ(surface.DrawPicture(BgrRowsOf(picture), {-2, -1, 4, 4}, 0, 0), 1);
    ASSERT_EQ(surface.CopyToWindow(0, 0, {0, 0, 2, 2}, window), 1);
    EXPECT_EQ(window.PixelAt(0, 0), PatternAt(2, 1));
    EXPECT_EQ(window.PixelAt(1, 1), PatternAt(3, 2));
    // Nothing overlaps: nothing happens.
    EXPECT_EQ(surface.DrawPicture(BgrRowsOf(picture), {5, 6, 13, 10}, 20, 0), 0);
    EXPECT_EQ(surface.CopyToWindow(0, 0, {50, 50, 60, 60}, window), 0);
    EXPECT_EQ(surface.DrawPicture(BgrRows{}, {0, 0, 4, 4}, 0, 0), 0);
}

TEST(OsMesaSurfaceTest, PicturesGoInAndPanesComeOutTheRightWayUp) {
    OsMesaSurface surface(64, 48);
    ASSERT_TRUE(surface.HasContext());
    PicturesRoundTrip(surface);
}

TEST(OsMesaSurfaceTest, WithoutContextTheSurfaceIsAPlainBitmap) {
    OsMesaSurface plain(16385, 48);
    ASSERT_FALSE(plain.HasContext());
    EXPECT_EQ(plain.Width(), 16385);
    EXPECT_EQ(plain.Viewport(), (GlViewport{0, 0, 0, 0}));
    std::vector<uint32_t> buffer(16);
    plain.BeginSelection(buffer);
    EXPECT_FALSE(plain.IsSelecting());
    EXPECT_EQ(plain.EndSelection(), 0);
    PicturesRoundTrip(plain);

    OsMesaSurface none(0, 10);
    EXPECT_EQ(none.Width(), 0);
    Surface window(4, 4);
    EXPECT_EQ(none.CopyToWindow(0, 0, {0, 0, 4, 4}, window), 0);
}

void FullQuad(OsMesaSurface& surface, float z) {
    const GlCorner quad[6] = {{0, 0, -1, -1, z}, {1, 0, 1, -1, z}, {1, 1, 1, 1, z},
                              {0, 0, -1, -1, z}, {1, 1, 1, 1, z},  {0, 1, -1, 1, z}};
    surface.DrawTriangles(quad);
}

TEST(OsMesaSurfaceTest, DepthClearStaysInsideItsRectangle) {
    OsMesaSurface surface(40, 30);
    surface.LoadMatrices(IdentityMatrix(), IdentityMatrix());
    const Dib red = SolidDib(256, 256, 0xFF0000), blue = SolidDib(256, 256, 0x0000FF);
    surface.UploadTexture(BgrRowsOf(red));
    FullQuad(surface, -0.5f);  // near
    surface.UploadTexture(BgrRowsOf(blue));
    surface.ClearDepth({10, 5, 20, 12});
    FullQuad(surface, 0.5f);  // far: shows only where the depth was cleared
    surface.Flush();
    Surface window(40, 30);
    ASSERT_EQ(surface.CopyToWindow(0, 0, {0, 0, 40, 30}, window), 1);
    EXPECT_EQ(window.PixelAt(10, 5), 0x0000FFu);
    EXPECT_EQ(window.PixelAt(19, 11), 0x0000FFu);
    EXPECT_EQ(window.PixelAt(20, 11), 0xFF0000u);
    EXPECT_EQ(window.PixelAt(10, 12), 0xFF0000u);
    EXPECT_EQ(window.PixelAt(9, 5), 0xFF0000u);
}

}  // namespace
