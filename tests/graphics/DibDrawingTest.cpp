// Drawing pictures on a surface: unscaled, scaled and white transparent. (Centred drawing is
// ControllerTest's loading picture.)
#include <gtest/gtest.h>

#include "graphics/DibDrawing.h"

namespace {

// A picture whose pixel (x, y) has red x, green y, blue 7.
Dib Gradient(int w, int h) {
    Dib dib = Dib::CreateBlank(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            uint8_t* p = dib.PixelAt(x, y);
            p[0] = 7;
            p[1] = uint8_t(y);
            p[2] = uint8_t(x);
        }
    return dib;
}

TEST(DibDrawingTest, DrawAtASmallerRectangleShowsTheBottomLeftPart) {
    const Dib dib = Gradient(8, 8);
    Surface s(8, 8);
    DrawAt(dib, s, {0, 0, 4, 4}, false, 800, 600);
    EXPECT_EQ(s.PixelAt(0, 0), Rgb(0, 4, 7));
    EXPECT_EQ(s.PixelAt(3, 3), Rgb(3, 7, 7));
    EXPECT_EQ(s.PixelAt(4, 0), 0u);
}

TEST(DibDrawingTest, EmptyOrOddPicturesDrawNothing) {
    Surface s(4, 4);
    Dib empty;
    DrawAt(empty, s, {0, 0, 4, 4}, false, 4, 4);
    EXPECT_EQ(DrawStretched(empty, s, {0, 0, 4, 4}, {0, 0, 4, 4}), 0);
    DrawTransparent(empty, s, 0, 0);
    EXPECT_TRUE(s.TakeTouched().IsEmpty());
}

TEST(DibDrawingTest, DrawStretchedScalesByNearestPixel) {
    const Dib dib = Gradient(4, 4);
    Surface s(8, 8);
    EXPECT_EQ(DrawStretched(dib, s, {0, 0, 8, 8}, {0, 0, 4, 4}), 1);
    EXPECT_EQ(s.PixelAt(0, 0), Rgb(0, 0, 7));
    EXPECT_EQ(s.PixelAt(1, 1), Rgb(0, 0, 7));
    EXPECT_EQ(s.PixelAt(2, 0), Rgb(1, 0, 7));
    EXPECT_EQ(s.PixelAt(7, 7), Rgb(3, 3, 7));
    // A part of the picture, halved.
    Surface t(2, 2);
    EXPECT_EQ(DrawStretched(dib, t, {0, 0, 1, 1}, {2, 2, 4, 4}), 1);
    EXPECT_EQ(t.PixelAt(0, 0), Rgb(2, 2, 7));
    EXPECT_EQ(DrawStretched(dib, t, {0, 0, 0, 1}, {0, 0, 4, 4}), 0);
}

TEST(DibDrawingTest, DrawTransparentLeavesPureWhiteOut) {
    Dib dib = Gradient(2, 1);
    uint8_t* white = dib.PixelAt(0, 0);
    white[0] = white[1] = white[2] = 255;
    uint8_t* nearly = dib.PixelAt(1, 0);
    nearly[0] = 254;
    nearly[1] = nearly[2] = 255;
    Surface s(3, 1);
    s.Fill(s.Bounds(), 0x112233);
    DrawTransparent(dib, s, 0, 0);
    EXPECT_EQ(s.PixelAt(0, 0), 0x112233u);
    EXPECT_EQ(s.PixelAt(1, 0), 0xFFFFFEu);
    EXPECT_NE(dib.GetDeviceBitmap(), nullptr) << "made on first transparent draw";
}

}  // namespace
