// The surface rendering finer than the window: the same picks, the same picture averaged down
// with smoothed edges, the fine pixels handed on, and backdrops stretched smoothly.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "GlScene.h"
#include "graphics/Dib.h"
#include "support/TestPictures.h"

namespace {

void Turn(GlScene& scene) {
    scene.view.rotationX = 20;
    scene.view.rotationY = 30;
}

int Channel(uint32_t c, int i) { return int(c >> (8 * i) & 0xFF); }

int Difference(uint32_t a, uint32_t b) {
    int d = 0;
    for (int i = 0; i < 3; ++i) d = std::max(d, std::abs(Channel(a, i) - Channel(b, i)));
    return d;
}

TEST(OsMesaScaleTest, PicksFindTheSameTriangleAndTexelAtEveryScale) {
    GlScene plain, fine(1.8f), finer(1.8f, 2);
    for (GlScene* s : {&plain, &fine, &finer}) {
        Turn(*s);
        s->RenderPane();
    }
    const Rect& pane = plain.layout.view;
    int hits = 0;
    for (int32_t y = pane.top; y < pane.bottom; y += 7)
        for (int32_t x = pane.left; x < pane.right; x += 9) {
            bool hit = plain.view.Pick(plain.surface, pane, plain.layout.viewGl, x, y, 768);
            hits += hit;
            for (GlScene* s : {&fine, &finer}) {
                ASSERT_EQ(s->view.Pick(s->surface, pane, s->layout.viewGl, x, y, 768), hit);
                if (!hit) continue;
                EXPECT_EQ(s->view.paintTarget.triangle, plain.view.paintTarget.triangle);
                EXPECT_EQ(s->view.paintTarget.texelX, plain.view.paintTarget.texelX);
                EXPECT_EQ(s->view.paintTarget.texelY, plain.view.paintTarget.texelY);
            }
        }
    EXPECT_GT(hits, 100);
}

// Away from edges (where the plain picture changes colour within a pixel) the averaged fine
// render is the plain one; at the model's outline colours in between appear.
TEST(OsMesaScaleTest, FineRenderAveragedDownMatchesThePlainOneAndSmoothsEdges) {
    GlScene plain, fine(1.8f, 2);
    for (GlScene* s : {&plain, &fine}) {
        Turn(*s);
        FillTexture(s->view, 0xFFFFFF);
        s->RenderPane();
    }
    const Rect& pane = plain.layout.view;
    int between = 0, plainBetween = 0;
    for (int32_t y = pane.top + 1; y + 1 < pane.bottom; ++y)
        for (int32_t x = pane.left + 1; x + 1 < pane.right; ++x) {
            const uint32_t a = plain.window.PixelAt(x, y), b = fine.window.PixelAt(x, y);
            between += b != 0 && b != 0xFFFFFF;
            plainBetween += a != 0 && a != 0xFFFFFF;
            bool edge = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx) edge |= plain.window.PixelAt(x + dx, y + dy) != a;
            if (!edge) {
                EXPECT_LE(Difference(a, b), 2) << x << "," << y;
            }
        }
    EXPECT_EQ(plainBetween, 0);
    EXPECT_GT(between, 100);
}

TEST(OsMesaScaleTest, SinkGetsTheFinePixelsOfTheCopiedBlock) {
    GlScene scene(1.8f, 2);
    FillTexture(scene.view, 0x3366CC);
    Rect got{};
    int32_t width = 0, height = 0, stride = 0;
    uint32_t centre = 0;
    scene.surface.SetDetailSink([&](const Rect& dest, const uint32_t* pixels, int32_t w,
                                    int32_t h, int32_t s) {
        got = dest, width = w, height = h, stride = s;
        centre = pixels[size_t(h / 2) * size_t(s) + size_t(w / 2)];
    });
    scene.view.Render(scene.surface, scene.layout.viewGl);
    const Rect& pane = scene.layout.view;
    ASSERT_EQ(scene.surface.CopyToWindow(pane.left, pane.top, pane, scene.window), 1);
    EXPECT_EQ(got, pane);
    auto fine = [](int32_t v) { return int32_t(std::lround(v * 3.6)); };
    EXPECT_EQ(width, fine(pane.right) - fine(pane.left));
    EXPECT_EQ(height, fine(pane.bottom) - fine(pane.top));
    EXPECT_GE(stride, width);
    EXPECT_EQ(centre, 0x3366CCu);
    EXPECT_EQ(scene.window.PixelAt(pane.CentreX(), pane.CentreY()), 0x3366CCu);
}

// A picture whose colours run linearly comes back through a stretch and an average as it
// was, the right way up.
TEST(OsMesaScaleTest, PictureStretchedInAndAveragedOutIsThePicture) {
    const auto colourAt = [](int32_t x, int32_t y) {
        return uint32_t(x * 6) << 16 | uint32_t(y * 8) << 8 | 99;
    };
    const Dib dib = PaintedDib(40, 30, colourAt);
    const BgrRows rows{dib.PixelBytes(), 40, 30, dib.Stride()};
    OsMesaSurface surface(64, 48, 2.0f);
    ASSERT_EQ(surface.Scale(), 2.0f);
    ASSERT_EQ(surface.DrawPicture(rows, {5, 4, 45, 34}, 0, 0), 1);
    Surface window(64, 48);
    ASSERT_EQ(surface.CopyToWindow(5, 4, {0, 0, 40, 30}, window), 1);
    for (int32_t y = 1; y < 29; ++y)
        for (int32_t x = 1; x < 39; ++x)
            ASSERT_LE(Difference(window.PixelAt(x, y), colourAt(x, y)), 1)
                << x << "," << y;
    // Finer than OpenGL draws: the surface stays at the window's size.
    EXPECT_EQ(OsMesaSurface(12000, 40, 1.8f).Scale(), 1.0f);
}

}  // namespace
