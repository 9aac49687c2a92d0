// The CPU surface's raster operations and clipping.
#include <gtest/gtest.h>

#include "platform/Surface.h"

namespace {

TEST(SurfaceTest, RasterOperationsCombineAsTheDeviceDoes) {
    Surface dst(1, 1), src(1, 1);
    const uint32_t d = 0x0F0F0F, s = 0x00FF33;
    struct Case {
        Rop rop;
        uint32_t expected;
    } cases[] = {{Rop::Copy, s},
                 {Rop::Invert, d ^ s}};
    for (const Case& c : cases) {
        dst.SetPixel(0, 0, d);
        src.SetPixel(0, 0, s);
        dst.BitBlt(0, 0, 1, 1, src, 0, 0, c.rop);
        EXPECT_EQ(dst.PixelAt(0, 0), c.expected);
    }
}

TEST(SurfaceTest, InvertTwiceRestoresThePicture) {
    Surface dst(4, 4), sprite(2, 2);
    dst.Fill(dst.Bounds(), 0x123456);
    sprite.Fill(sprite.Bounds(), 0xABCDEF);
    dst.BitBlt(1, 1, 2, 2, sprite, 0, 0, Rop::Invert);
    EXPECT_NE(dst.PixelAt(1, 1), 0x123456u);
    dst.BitBlt(1, 1, 2, 2, sprite, 0, 0, Rop::Invert);
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) EXPECT_EQ(dst.PixelAt(x, y), 0x123456u);
}

TEST(SurfaceTest, BlitClipsOnBothSidesAndReportsTheTouchedArea) {
    Surface dst(10, 10), src(4, 4);
    src.Fill(src.Bounds(), 0xFF);
    dst.TakeTouched();
    dst.BitBlt(-2, 8, 4, 4, src, 0, 0);
    EXPECT_EQ(dst.PixelAt(0, 8), 0xFFu);
    EXPECT_EQ(dst.PixelAt(1, 9), 0xFFu);
    EXPECT_EQ(dst.PixelAt(2, 9), 0u);
    EXPECT_EQ(dst.TakeTouched(), (Rect{0, 8, 2, 10}));
    EXPECT_TRUE(dst.TakeTouched().IsEmpty());
    // A source corner outside the source copies only what lies inside it.
    dst.BitBlt(0, 0, 4, 4, src, -3, 2);
    EXPECT_EQ(dst.PixelAt(3, 0), 0xFFu);
    EXPECT_EQ(dst.PixelAt(2, 0), 0u);
    EXPECT_EQ(dst.PixelAt(3, 2), 0u);
    // Far-away corners neither overflow nor draw.
    dst.BitBlt(INT32_MAX - 1, INT32_MIN + 1, 100, 100, src, INT32_MIN, 0);
}

TEST(SurfaceTest, AbsurdSizesGiveAnEmptySurface) {
    EXPECT_TRUE(Surface(0, 10).IsEmpty());
    EXPECT_TRUE(Surface(-5, 10).IsEmpty());
    EXPECT_TRUE(Surface(100000, 100000).IsEmpty());
    Surface empty;
    Surface one(1, 1);
    one.BitBlt(0, 0, 1, 1, empty, 0, 0);
    EXPECT_EQ(empty.PixelAt(0, 0), 0u);
}

}  // namespace
