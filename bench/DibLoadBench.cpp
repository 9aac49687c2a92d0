// Loading an 800 by 600 picture, beside merely reading the same file's bytes.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <vector>

#include "graphics/Dib.h"

namespace {

const std::string& PictureFile() {
    static const std::string path = [] {
        const std::string p = (std::filesystem::temp_directory_path() / "zephine-bench-800x600.bmp").string();
        Dib dib = Dib::CreateBlank(800, 600);
        for (int32_t y = 0; y < 600; ++y)
            for (int32_t x = 0; x < 800; ++x) dib.PixelAt(x, y)[0] = uint8_t(x ^ y);
        if (dib.SaveToFile(p) != 1) std::fprintf(stderr, "cannot write %s\n", p.c_str());
        return p;
    }();
    return path;
}

void BM_LoadBitmapFile(benchmark::State& state) {
    const std::string& path = PictureFile();
    for (auto _ : state) {
        Dib dib = Dib::LoadFromFile(path);
        benchmark::DoNotOptimize(dib.PixelBytes());
    }
}
BENCHMARK(BM_LoadBitmapFile);

void BM_ReadFileBytes(benchmark::State& state) {
    const std::string& path = PictureFile();
    for (auto _ : state) {
        std::FILE* f = std::fopen(path.c_str(), "rb");
        std::fseek(f, 0, SEEK_END);
        std::vector<uint8_t> bytes(static_cast<size_t>(std::ftell(f)));
        std::fseek(f, 0, SEEK_SET);
        benchmark::DoNotOptimize(std::fread(bytes.data(), 1, bytes.size(), f));
        std::fclose(f);
    }
}
BENCHMARK(BM_ReadFileBytes);

}  // namespace
