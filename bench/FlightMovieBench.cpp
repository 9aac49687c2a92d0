// The flight screen's figures on model 1's generated movie (320 by 240, 15 frames a second):
// one step of continuous play (draw the picture in hand, decode the next), a jump to a step mark
// (seek and decode to it), the memory held after 20 whole plays, and one picture of the movie
// drawn live from its fold animation with a painted texture.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include "flight/FoldMovieSource.h"
#include "flight/MoviePlayer.h"
#include "platform/gl/OsMesaSurface.h"
#include "platform/movie/FfmpegMovieSource.h"

namespace {

constexpr const char* kMovie = ZEPHINE_BENCH_MOVIE;
const Rect kMovieArea{275, 256, 595, 496};  // on a 1024 by 768 screen
// Model 1's marks, from its frame file.
const std::vector<int32_t> kMarks = {0, 40, 64, 88, 112, 136, 160, 184, 208, 246};

// Resident memory in kilobytes.
long ResidentKb() {
    long pages = 0, resident = 0;
    FILE* f = std::fopen("/proc/self/statm", "r");
    if (f == nullptr) return 0;
    if (std::fscanf(f, "%ld %ld", &pages, &resident) != 2) resident = 0;
    std::fclose(f);
    return resident * 4;
}

struct Player {
    Player() {
        if (!player.Open(kMovie)) std::fprintf(stderr, "cannot open %s\n", kMovie);
    }
    FfmpegMovieSource source;
    MoviePlayer player{&source};
    Surface window{1024, 768};
    uint32_t now = 1000;
};

void BM_ContinuousPlayFrame(benchmark::State& state) {
    Player p;
    if (!p.player.IsLoaded()) return state.SkipWithError("no movie");
    for (auto _ : state) {
        if (p.player.Draw(p.window, kMovieArea, -1, p.now += 67) == 0) {
            state.PauseTiming();
            (void)p.player.Draw(p.window, kMovieArea, 0, p.now);
            state.ResumeTiming();
        }
    }
    state.counters["decoded"] = double(p.source.FramesDecoded());
}
BENCHMARK(BM_ContinuousPlayFrame)->Unit(benchmark::kMillisecond);

void BM_JumpToMark(benchmark::State& state) {
    Player p;
    if (!p.player.IsLoaded()) return state.SkipWithError("no movie");
    size_t i = 0;
    for (auto _ : state) {
        // Every other mark backwards: each jump leaves the frames in hand behind.
        i = (i + kMarks.size() - 3) % kMarks.size();
        (void)p.player.Draw(p.window, kMovieArea, kMarks[i], p.now);
    }
    state.counters["seeks"] = double(p.source.Seeks());
}
BENCHMARK(BM_JumpToMark)->Unit(benchmark::kMillisecond);

void BM_MemoryOverTwentyPlays(benchmark::State& state) {
    for (auto _ : state) {
        Player p;
        if (!p.player.IsLoaded()) return state.SkipWithError("no movie");
        long afterFirst = 0;
        for (int play = 1; play <= 20; ++play) {
            (void)p.player.Draw(p.window, kMovieArea, 0, p.now);
            while (p.player.Draw(p.window, kMovieArea, -1, p.now += 67) == 1) {}
            if (play == 1) afterFirst = ResidentKb();
        }
        state.counters["rss_after_1_kb"] = double(afterFirst);
        state.counters["rss_after_20_kb"] = double(ResidentKb());
    }
}
BENCHMARK(BM_MemoryOverTwentyPlays)->Iterations(1)->Unit(benchmark::kMillisecond);

// Every frame of the movie in turn, as continuous play asks for them.
void BM_LiveFrame(benchmark::State& state) {
    FoldMovieSource source(nullptr, [](int32_t w, int32_t h) -> std::unique_ptr<GlSurface> {
        return std::make_unique<OsMesaSurface>(w, h);
    });
    std::vector<uint8_t> texture(256 * 768);
    for (size_t i = 0; i < texture.size(); ++i) texture[i] = uint8_t(i * 7 / 3);
    source.UseTexture({texture.data(), 256, 256, 768});
    if (!source.Open(kMovie) || !source.Drawing()) return state.SkipWithError("no fold animation");
    MoviePicture picture;
    int32_t t = 0;
    for (auto _ : state) {
        if (!source.PictureAt(t, picture)) return state.SkipWithError("no picture");
        t = (t + 1) % source.Duration();
    }
    state.counters["frames"] = double(source.Duration());
}
BENCHMARK(BM_LiveFrame)->Unit(benchmark::kMillisecond);

}  // namespace
