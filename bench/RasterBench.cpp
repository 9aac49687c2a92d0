// Speed of the raster library on the 256 x 256 skin texture: pencil dabs, brush set-up with and
// without cache files, colour adjustment, the stamp chain and the skin's scaling copy.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "Patterned.h"
#include "raster/BitmapBlock.h"
#include "raster/ColourAdjust.h"
#include "raster/PencilBrush.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"

namespace {

void PencilStroke(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    PencilBrush brush;
    if (!PencilInit(brush, skin.get(), 0, 12, 12, {})) state.SkipWithError("no memory");
    int64_t dabs = 0;
    for (auto _ : state) {
        Rect changed;
        (void)PencilBegin(brush, skin.get(), 28, 40, 255, 1);
        (void)PencilStrokeTo(brush, skin.get(), 188, 160, 200, 255, 0x2040C0, 1, changed);
        (void)PencilEnd(brush, skin.get(), 188, 160, 255);
        dabs += 80;  // 200 pixels at 2.5 a dab
        benchmark::ClobberMemory();
    }
    state.counters["dabs/s"] =
        benchmark::Counter(static_cast<double>(dabs), benchmark::Counter::kIsRate);
}
BENCHMARK(PencilStroke);

void PencilInitComputed(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    for (auto _ : state) {
        PencilBrush brush;
        if (!PencilInit(brush, skin.get(), 0, 24, 24, {})) state.SkipWithError("no memory");
        benchmark::DoNotOptimize(brush.tips.tips.get());
    }
}
BENCHMARK(PencilInitComputed)->Unit(benchmark::kMillisecond);

void PencilInitFromCacheFiles(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    const std::filesystem::path folder = std::filesystem::temp_directory_path() /
                                         ("zephine-bench-pen-" + std::to_string(std::rand()));
    std::filesystem::create_directories(folder);
    const std::string text = folder.string() + "/";
    {
        PencilBrush first;  // writes both files
        if (!PencilInit(first, skin.get(), 0, 24, 24, {{}, text})) state.SkipWithError("no memory");
    }
    for (auto _ : state) {
        PencilBrush brush;
        if (!PencilInit(brush, skin.get(), 0, 24, 24, {{}, text})) state.SkipWithError("no memory");
        benchmark::DoNotOptimize(brush.tips.tips.get());
    }
    std::filesystem::remove_all(folder);
}
BENCHMARK(PencilInitFromCacheFiles)->Unit(benchmark::kMicrosecond);

void AdjustWholeSkin(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    int turn = 0;
    for (auto _ : state) {
        // Alternating directions keep the picture from drifting to grey.
        benchmark::DoNotOptimize(AdjustHsv(skin.get(), (turn++ & 1) ? 40 : -40, 0, 0));
    }
}
BENCHMARK(AdjustWholeSkin)->Unit(benchmark::kMicrosecond);

void StampChain(benchmark::State& state) {
    OwnedBlock picture = Patterned(200, 200);
    OwnedBlock mask = Patterned(200, 200, 8);
    OwnedBlock skin = Patterned(256, 256);
    for (auto _ : state) {
        OwnedBlock scaled = CreateBitmapBlock(1, 100, 100, nullptr, 0);
        OwnedBlock scaledMask = CreateBitmapBlock(0, 100, 100, nullptr, 0);
        (void)StretchCopy(scaled.get(), 0, 0, 100, 100, picture.get(), 0, 0, 200, 200);
        (void)StretchCopy(scaledMask.get(), 0, 0, 100, 100, mask.get(), 0, 0, 200, 200);
        (void)RotateBlock(scaled, 0.7f, 0);
        (void)RotateMask(scaledMask, 0.7f, 0);
        (void)CropCentred(scaled, BlockWidth(scaledMask.get()), BlockHeight(scaledMask.get()));
        CompositeRequest q;
        q.destination = skin.get();
        q.destX = 128 - BlockWidth(scaledMask.get()) / 2;
        q.destY = 128 - BlockHeight(scaledMask.get()) / 2;
        q.picture = scaled.get();
        q.mask = scaledMask.get();
        q.widthLimit = BlockWidth(scaledMask.get());
        q.heightLimit = BlockHeight(scaledMask.get());
        benchmark::DoNotOptimize(CompositeThroughMask(q));
    }
}
BENCHMARK(StampChain)->Unit(benchmark::kMicrosecond);

void StretchSkinToTexture(benchmark::State& state) {
    OwnedBlock skin = Patterned(1024, 512);
    OwnedBlock texture = Patterned(256, 256);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            StretchCopy(texture.get(), 0, 0, 256, 256, skin.get(), 0, 0, 1024, 512));
    }
}
BENCHMARK(StretchSkinToTexture)->Unit(benchmark::kMicrosecond);

}  // namespace
