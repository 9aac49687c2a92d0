// The page printer's figures: one airplane sheet (1024 x 724, the generated skins' size) on an
// A4 landscape page at 300 dots an inch, rows counted but not kept; and the same through the GTK
// adapter into a PDF (run under a display: xvfb-run build/bench/PrintBench).
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>

#include "graphics/Dib.h"
#include "platform/print/GtkPrinter.h"
#include "print/PagePrinter.h"

namespace {

// The printable part of an A4 landscape page at 300 dpi, as GTK gives it.
constexpr int32_t kPageWidth = 3264, kPageHeight = 2330;

Dib Sheet() {
    Dib sheet = Dib::CreateBlank(1024, 724);
    for (int32_t y = 0; y < 724; ++y)
        for (int32_t x = 0; x < 1024; ++x) {
            uint8_t* p = sheet.PixelAt(x, y);
            p[0] = uint8_t(x), p[1] = uint8_t(y), p[2] = uint8_t(x ^ y);
        }
    return sheet;
}

class CountingRows final : public PrintRows {
public:
    void DrawRow(int32_t, std::span<const uint8_t> bgr) override {
        ++rows;
        widest = std::max(widest, bgr.size());
        benchmark::DoNotOptimize(bgr.data());
    }
    bool CancelRequested() override { return false; }
    int64_t rows = 0;
    size_t widest = 0;
};

void BM_PageOfTheSheet(benchmark::State& state) {
    const Dib sheet = Sheet();
    CountingRows rows;
    for (auto _ : state) PrintPicture(RowsOf(sheet), 98, rows, kPageWidth, kPageHeight);
    // What the page printer holds besides the picture: one output row.
    state.counters["rowBytes"] = double(rows.widest);
    state.counters["rowsPerPage"] = double(rows.rows) / double(state.iterations());
}
BENCHMARK(BM_PageOfTheSheet)->Unit(benchmark::kMillisecond);

void BM_SheetToPdf(benchmark::State& state) {
    if (std::getenv("DISPLAY") == nullptr) {
        state.SkipWithError("needs a display: run under xvfb-run");
        return;
    }
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "zephine-print-bench";
    std::filesystem::create_directories(folder);
    ::setenv("ZEPHINE_PRINT_TO", folder.c_str(), 1);
    const Dib sheet = Sheet();
    GtkPrinter printer({nullptr, nullptr, nullptr});
    for (auto _ : state)
        printer.Print("bench", [&](PrintRows& page, int32_t w, int32_t h) {
            PrintPicture(RowsOf(sheet), 98, page, w, h);
        });
    state.counters["pdfBytes"] = double(std::filesystem::file_size(folder / "bench.pdf"));
    std::filesystem::remove_all(folder);
}
BENCHMARK(BM_SheetToPdf)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
