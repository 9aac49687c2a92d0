// The workshop's figures: a pencil move during a stroke up to the painted frame (handler and
// paint of what it invalidated), one preview refresh (render of a 500-triangle model in the 3D
// pane and its copy to the window, after the paint of the pane that asks for it), opening the
// works box on a page of eight works with their thumbnails, and one save to the disk, on the
// real OpenGL surface and file system.
#include <benchmark/benchmark.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "fakes/FakePlatform.h"
#include "platform/files/DiskWorkFiles.h"
#include "platform/gl/OsMesaSurface.h"
#include "shell/Controller.h"

namespace {

// A waved sheet of 25 x 10 squares over the whole skin, as a model file, and a 400 x 300 skin.
void WriteModel(const std::string& root) {
    std::filesystem::create_directories(root + "/Model");
    constexpr int columns = 25, rows = 10;
    std::ostringstream vertices, uvs, triangles;
    for (int j = 0; j <= rows; ++j)
        for (int i = 0; i <= columns; ++i) {
            const float u = float(i) / columns, v = float(j) / rows;
            vertices << "{" << u * 1.2f - 0.6f << "," << v * 0.8f - 0.4f << ","
                     << 0.1f * std::sin(u * 6.0f) << "},";
            uvs << "{" << u << "," << v << "},";
        }
    for (int j = 0; j < rows; ++j)
        for (int i = 0; i < columns; ++i) {
            const int a = j * (columns + 1) + i, b = a + 1, c = a + columns + 1, d = c + 1;
            triangles << "{" << a << "," << b << "," << c << ",0,0,0," << a << "," << b << ","
                      << c << "},{" << b << "," << d << "," << c << ",0,0,0," << b << "," << d
                      << "," << c << "},";
        }
    std::ofstream(root + "/Model/Fly01.ini")
        << "[SUM]\nMaterials=0\nTriangles=" << columns * rows * 2
        << "\nVerticies=" << (columns + 1) * (rows + 1) << "\nNormals=0\nTexture="
        << (columns + 1) * (rows + 1) << "\n[DATA]\nTriangles=" << triangles.str()
        << "\nVertices=" << vertices.str() << "\nTextures=" << uvs.str() << "\n";
    Dib skin = Dib::CreateBlank(400, 300);
    for (int y = 0; y < 300; ++y)
        for (int x = 0; x < 400; ++x) skin.PixelAt(x, y)[0] = skin.PixelAt(x, y)[1] = skin.PixelAt(x, y)[2] = 255;
    (void)skin.SaveToFile(root + "/Model/Fly01.bmp");
    std::ofstream(root + "/MoPleat5.ini") << "[Path]\nModel=" << root << "/Model/\n";
}

struct Workshop {
    Workshop() {
        WriteModel(f.dir.Path());
        f.platform.makeGlSurface = [](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
            return std::make_unique<OsMesaSurface>(w, h);
        };
        f.platform.workFiles = &files;
        c = std::make_unique<Controller>(f.window, f.platform);
        c->Tours().Stop();
    }
    void Click(const Rect& r) {
        c->ButtonDown(r.CentreX(), r.CentreY());
        c->ButtonUp(r.CentreX(), r.CentreY());
    }
    // Paints what the handlers invalidated, as the window does once its queue is empty.
    void PaintPending() {
        Rect all;
        lastPaint = {};
        for (const Rect& r : f.window.invalidated) all = Union(all, r);
        f.window.invalidated.clear();
        if (!all.IsEmpty()) c->Paint(all.left, all.top, all.right, all.bottom);
        lastPaint = all;
    }
    Rect lastPaint;
    FakePlatform f;
    DiskWorkFiles files{f.dir.Path() + "/data"};
    std::unique_ptr<Controller> c;
};

void BM_PencilMoveToFrame(benchmark::State& state) {
    Workshop w;
    const Rect canvas = w.c->Layout().canvas;
    w.c->ButtonDown(canvas.left + 40, canvas.top + 40);
    int step = 0;
    int32_t invalidatedPixels = 0;
    for (auto _ : state) {
        // Back and forth over the skin, 6 pixels a move, as a quick hand gives.
        const int32_t phase = step++ % 100;
        const int32_t x = canvas.left + 40 + 6 * (phase < 50 ? phase : 100 - phase);
        w.c->MouseMove(x, canvas.top + 40 + (phase % 7) * 3);
        w.PaintPending();
        benchmark::DoNotOptimize(w.f.window.client.PixelAt(x, canvas.top + 40));
        if (step == 20) invalidatedPixels = w.lastPaint.Width() * w.lastPaint.Height();
    }
    w.c->ButtonUp(canvas.left + 40, canvas.top + 40);
    state.counters["paintedPixels"] = invalidatedPixels;
}
BENCHMARK(BM_PencilMoveToFrame)->Unit(benchmark::kMillisecond);

void BM_PreviewRefresh(benchmark::State& state) {
    Workshop w;
    const Rect pane = w.c->Layout().view;
    for (auto _ : state) {
        // A paint of the pane asks for the render, as after a stroke.
        w.c->Paint(pane.left, pane.top, pane.right, pane.bottom);
        w.c->Timer(2);
    }
}
BENCHMARK(BM_PreviewRefresh)->Unit(benchmark::kMillisecond);

void BM_OpenWorksBoxOfEight(benchmark::State& state) {
    Workshop w;
    const ScreenLayout& l = w.c->Layout();
    for (int k = 0; k < 8; ++k) w.Click(l.docin);
    w.PaintPending();
    for (auto _ : state) {
        w.Click(l.docout);
        w.PaintPending();
        state.PauseTiming();
        w.Click(l.saveback);
        w.PaintPending();
        state.ResumeTiming();
    }
    state.counters["thumbnails"] = w.c->WorkshopScreen().Works().ThumbnailsShown();
}
BENCHMARK(BM_OpenWorksBoxOfEight)->Unit(benchmark::kMillisecond);

void BM_SaveWork(benchmark::State& state) {
    Workshop w;
    const ScreenLayout& l = w.c->Layout();
    const std::string first = w.f.dir.Path() + "/data/zephine/works/Fly01-0.bmp";
    for (auto _ : state) {
        w.Click(l.docin);
        state.PauseTiming();
        std::filesystem::remove(first);
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SaveWork)->Unit(benchmark::kMillisecond);

}  // namespace
