// The pick agrees with the picture: on the generated airplanes, the texel a pick gives is the
// texel the renderer drew under that point. The skin is coordinate-coded (texel (x, y) has the
// colour (x, y, 128)), so every pixel of the model says which texel it shows.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <string>

#include "platform/Surface.h"
#include "platform/gl/OsMesaSurface.h"
#include "graphics/View3D.h"
#include "support/TestPictures.h"

namespace {

// The 3D pane's size on the workshop screen; the pane fills the surface.
constexpr int32_t kPaneWidth = 209;
constexpr int32_t kPaneHeight = 159;
constexpr uint32_t kCodeBlue = 128;

// The airplanes the build generated, beside the zephine-data tool.
std::string GeneratedModel(int n) {
    char name[16];
    std::snprintf(name, sizeof name, "Fly%02d.ini", n);
    return (std::filesystem::path(ZEPHINE_DATA_TOOL_PATH).parent_path() / "airplanes" /
            "installation" / "Diy" / "Model" / name)
        .string();
}

void CodeTexture(View3D& view) {
    view.texture = PaintedDib(View3D::kTextureSide, View3D::kTextureSide, [](int32_t x, int32_t y) {
        return uint32_t(x) << 16 | uint32_t(y) << 8 | kCodeBlue;
    });
    view.paintTarget.textureBlock = view.texture.Block();
}

// Distance along one axis of the repeating texture (texel 256 is texel 0 again).
int32_t WrappedDistance(int32_t a, int32_t b) {
    int32_t d = std::abs(a - b) % View3D::kTextureSide;
    return std::min(d, View3D::kTextureSide - d);
}

// Within a texel of the texture's edge the renderer blends in the opposite edge (the texture
// repeats), so the drawn colour there names no texel.
bool AtTextureEdge(int32_t texel) { return texel <= 0 || texel >= View3D::kTextureSide - 1; }

struct Agreement {
    int picks = 0;    // picks that hit where the picture shows the model
    int overTwo = 0;  // of them, picks more than 2 texels from the drawn texel
    double worst = 0;
    std::string worstAt;
};

struct AirplaneScene {
    explicit AirplaneScene(int model, float rotationX = 0, float rotationY = 0) {
        loaded = view.LoadModel(GeneratedModel(model));
        CodeTexture(view);
        view.rotationX = rotationX;
        view.rotationY = rotationY;
        view.Render(surface, surface.Bounds());
        (void)surface.CopyToWindow(0, 0, surface.Bounds(), window);
    }

    // Picks every `step` pixels from (first, first) and compares with the picture.
    Agreement Measure(int32_t step, int32_t first) {
        Agreement a;
        for (int32_t y = first; y < kPaneHeight; y += step)
            for (int32_t x = first; x < kPaneWidth; x += step) {
                uint32_t drawn = window.PixelAt(x, y);
                if ((drawn & 0xFF) != kCodeBlue) continue;  // the background
                if (!view.Pick(surface, surface.Bounds(), surface.Bounds(), x, y, kPaneHeight))
                    continue;
                const PaintTarget& hit = view.paintTarget;
                if (AtTextureEdge(hit.texelX) || AtTextureEdge(hit.texelY)) continue;
                int32_t dx = WrappedDistance(hit.texelX, int32_t(drawn >> 16));
                int32_t dy = WrappedDistance(hit.texelY, int32_t((drawn >> 8) & 0xFF));
                double d = std::hypot(dx, dy);
                ++a.picks;
                a.overTwo += d > 2;
                if (d > a.worst) {
                    a.worst = d;
                    a.worstAt = "(" + std::to_string(x) + ", " + std::to_string(y) + ")";
                }
            }
        return a;
    }

    OsMesaSurface surface{kPaneWidth, kPaneHeight};
    Surface window{kPaneWidth, kPaneHeight};
    View3D view;
    bool loaded = false;
};

TEST(View3DPickAgreementTest, PicksOnTheAirplanesLandOnTheDrawnTexel) {
    const float rotations[][2] = {{0, 0}, {25, -40}, {-30, 120}};
    for (int model : {1, 5, 12}) {
        for (const auto& r : rotations) {
            AirplaneScene scene(model, r[0], r[1]);
            ASSERT_TRUE(scene.loaded) << GeneratedModel(model);
            ASSERT_TRUE(scene.surface.HasContext());
            Agreement a = scene.Measure(3, 1);
            EXPECT_GT(a.picks, 100) << "model " << model;
            EXPECT_EQ(a.overTwo, 0) << "model " << model << " rotation " << r[0] << ", " << r[1]
                                    << ": worst " << a.worst << " at " << a.worstAt;
        }
    }
}

TEST(View3DPickAgreementTest, PaintAtAPickShowsUnderThePointerAfterAPartialRedraw) {
    constexpr uint32_t kMarker = 0xFF00FF;
    for (int model : {5, 12}) {
        AirplaneScene scene(model, 25, -40);
        ASSERT_TRUE(scene.loaded) << GeneratedModel(model);
        int checked = 0;
        for (int32_t y = 4; y < kPaneHeight; y += 11)
            for (int32_t x = 4; x < kPaneWidth; x += 11) {
                if ((scene.window.PixelAt(x, y) & 0xFF) != kCodeBlue) continue;
                View3D& view = scene.view;
                if (!view.Pick(scene.surface, scene.surface.Bounds(), scene.surface.Bounds(), x,
                               y, kPaneHeight))
                    continue;
                const PaintTarget& hit = view.paintTarget;
                if (AtTextureEdge(hit.texelX) || AtTextureEdge(hit.texelY)) continue;
                // A dab around the picked texel, shown as a tool shows it: only the triangles
                // near the changed texels are drawn again, over the last picture.
                Rect dab{hit.texelX - 3, hit.texelY - 3, hit.texelX + 4, hit.texelY + 4};
                for (int32_t ty = dab.top; ty < dab.bottom; ++ty)
                    for (int32_t tx = dab.left; tx < dab.right; ++tx)
                        if (uint8_t* p = view.texture.PixelAt(tx, ty))
                            p[0] = 0xFF, p[1] = 0, p[2] = 0xFF;
                dab.Inflate(10, 10);
                view.paintTarget.dirtyRect = dab;
                view.paintTarget.fullRedraw = 0;
                view.Render(scene.surface, scene.surface.Bounds());
                (void)scene.surface.CopyToWindow(0, 0, scene.surface.Bounds(), scene.window);
                EXPECT_EQ(scene.window.PixelAt(x, y), kMarker)
                    << "model " << model << " at (" << x << ", " << y << ")";
                ++checked;
            }
        EXPECT_GT(checked, 20) << "model " << model;
    }
}

}  // namespace
