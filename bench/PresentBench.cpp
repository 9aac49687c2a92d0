// Presenting a whole changed frame on a scaled display: the upload of the logical display and
// the renderer's stretch to the device. On SDL's first choice of renderer for the display in
// DISPLAY (the program's own choice, or the one SDL_RENDER_DRIVER names: "opengl" for Mesa's
// software GL under Xvfb), else its dummy driver's software renderer.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

#include "platform/sdl/SdlWindow.h"

namespace {

class Nothing final : public WindowEvents {
public:
    bool OnCreate() override { return true; }
    void OnDestroy() override {}
    void OnPaint(const Rect&) override {}
    void OnButtonDown(int32_t, int32_t) override {}
    void OnButtonUp(int32_t, int32_t) override {}
    void OnMouseMove(int32_t, int32_t) override {}
    void OnTimer(int) override {}
    void OnIdle() override {}
};

void BM_PresentWholeFrame(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) setenv("SDL_VIDEODRIVER", "dummy", 1);
    const int32_t width = int32_t(state.range(0)), height = int32_t(state.range(1));
    SdlWindow window(width, height, false);
    Nothing events;
    int32_t w = 0, h = 0;
    if (!window.DisplaySize(w, h) || !window.Create({0, 0, w, h}, "Zephine", events)) {
        state.SkipWithError("no window");
        return;
    }
    uint32_t colour = 0;
    for (auto _ : state) {
        window.Client().Fill(window.Client().Bounds(), colour += 0x010101);
        window.Present(window.Client().Bounds());
    }
    state.SetLabel(std::to_string(w) + "x" + std::to_string(h) + " logical");
}

}  // namespace

BENCHMARK(BM_PresentWholeFrame)->Args({800, 600})->Args({1920, 1080})->Args({3840, 2160})
    ->Unit(benchmark::kMillisecond);
