// The 3D view's costs: one preview frame of a 500-triangle model in the pane of a screen-sized
// surface (texture upload and copy to the window included), one pick, and the backdrop drawn
// into the whole surface; at render scales (tenths) and supersampling given as arguments.
#include <benchmark/benchmark.h>

#include <cmath>

#include "base/ScreenLayout.h"
#include "graphics/View3D.h"
#include "platform/Surface.h"
#include "platform/gl/OsMesaSurface.h"

namespace {

// A gently waved sheet of 25 x 10 squares: 500 triangles over the whole skin.
void WavedSheet(ModelMesh& mesh) {
    constexpr int columns = 25, rows = 10;
    mesh.Clear();
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) {
            float u = float(i) / columns, v = float(j) / rows;
            mesh.vertices.insert(mesh.vertices.end(),
                                 {u * 1.2f - 0.6f, v * 0.8f - 0.4f, 0.1f * std::sin(u * 6.0f)});
            mesh.textureCoords.insert(mesh.textureCoords.end(), {u, v});
        }
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            auto at = [&](int di, int dj) { return int16_t((j + dj) * (columns + 1) + i + di); };
            for (int16_t k : {at(0, 0), at(1, 0), at(0, 1)}) mesh.triangles.push_back(k);
            mesh.triangles.insert(mesh.triangles.end(), {0, 0, 0});
            for (int16_t k : {at(0, 0), at(1, 0), at(0, 1)}) mesh.triangles.push_back(k);
            for (int16_t k : {at(1, 0), at(1, 1), at(0, 1)}) mesh.triangles.push_back(k);
            mesh.triangles.insert(mesh.triangles.end(), {0, 0, 0});
            for (int16_t k : {at(1, 0), at(1, 1), at(0, 1)}) mesh.triangles.push_back(k);
        }
    mesh.vertexCount = mesh.textureCount = (columns + 1) * (rows + 1);
    mesh.triangleCount = columns * rows * 2;
}

struct Scene {
    explicit Scene(const benchmark::State& state)
        : surface(800, 600, float(state.range(0)) / 10, int32_t(state.range(1))) {
        WavedSheet(view.mesh);
        view.texture = Dib::CreateBlank(256, 256);
        for (int32_t y = 0; y < 256; ++y)
            for (int32_t x = 0; x < 256; ++x) {
                uint8_t* p = view.texture.PixelAt(x, y);
                p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x ^ y);
            }
        view.rotationX = 20;
        view.rotationY = 30;
    }
    void Frame() {
        surface.ClearDepth(pane);
        view.paintTarget.fullRedraw = 1;
        view.Render(surface, paneGl);
        (void)surface.CopyToWindow(pane.left, pane.top, pane, window);
    }
    OsMesaSurface surface;
    Surface window{800, 600};
    View3D view;
    ScreenLayout layout{800, 600};
    const Rect& pane = layout.view;
    const Rect& paneGl = layout.viewGl;
};

void BM_RenderPane(benchmark::State& state) {
    Scene scene(state);
    if (!scene.surface.HasContext()) return state.SkipWithError("no OpenGL context");
    for (auto _ : state) {
        scene.Frame();
        scene.view.rotationY += 1;
    }
}
// Today's (1, 1), then the screens of 1920 by 1080 and 3840 by 2160, plain and twice over.
void Scales(benchmark::internal::Benchmark* b) {
    b->ArgNames({"scale10", "supersample"});
    for (int64_t scale : {10, 18, 36})
        for (int64_t supersample : {1, 2}) b->Args({scale, supersample});
}
BENCHMARK(BM_RenderPane)->Apply(Scales)->Unit(benchmark::kMillisecond);

void BM_Pick(benchmark::State& state) {
    Scene scene(state);
    if (!scene.surface.HasContext()) return state.SkipWithError("no OpenGL context");
    scene.Frame();
    const Rect& pane = scene.pane;
    int32_t x = pane.CentreX() - 20, y = pane.CentreY() + 10;
    if (!scene.view.Pick(scene.surface, pane, scene.paneGl, x, y, scene.surface.Height()))
        return state.SkipWithError("the pick missed the model");
    for (auto _ : state) {
        benchmark::DoNotOptimize(scene.view.Pick(scene.surface, pane, scene.paneGl, x, y, scene.surface.Height()));
    }
}
BENCHMARK(BM_Pick)->Args({10, 1})->Args({36, 2})->Unit(benchmark::kMillisecond);

void BM_Backdrop(benchmark::State& state) {
    Scene scene(state);
    Dib backdrop = Dib::CreateBlank(800, 600);
    const BgrRows rows{backdrop.PixelBytes(), 800, 600, backdrop.Stride()};
    for (auto _ : state) (void)scene.surface.DrawPicture(rows, {0, 0, 800, 600}, 0, 0);
}
BENCHMARK(BM_Backdrop)->Apply(Scales)->Unit(benchmark::kMillisecond);

}  // namespace
