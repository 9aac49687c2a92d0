// The 3D view's costs: one preview frame of a 500-triangle model in the 209 by 159 pane of a
// screen-sized surface (texture upload and copy to the window included), and one pick.
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
    Scene() {
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
    OsMesaSurface surface{1024, 768};
    Surface window{1024, 768};
    View3D view;
    ScreenLayout layout{1024, 768};
    const Rect& pane = layout.view;
    const Rect& paneGl = layout.viewGl;
};

void BM_RenderPane(benchmark::State& state) {
    Scene scene;
    if (!scene.surface.HasContext()) return state.SkipWithError("no OpenGL context");
    for (auto _ : state) {
        scene.Frame();
        scene.view.rotationY += 1;
    }
}
BENCHMARK(BM_RenderPane)->Unit(benchmark::kMillisecond);

void BM_Pick(benchmark::State& state) {
    Scene scene;
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
BENCHMARK(BM_Pick)->Unit(benchmark::kMillisecond);

}  // namespace
