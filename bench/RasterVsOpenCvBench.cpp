// The raster kernels next to OpenCV's nearest equivalents on the same sizes, in one run: the
// colour adjustment, the skin's scaling copy and the stamp chain; and the pencil next to
// libmypaint's dabs when that is installed. Built only when OpenCV is installed; the program
// itself uses neither.
#include <benchmark/benchmark.h>

#include <array>
#include <cmath>

#include <opencv2/core.hpp>
#include <opencv2/imgproc.hpp>

#ifdef ZEPHINE_BENCH_MYPAINT
#include <mypaint-fixed-tiled-surface.h>
#endif

#include "Patterned.h"
#include "raster/BitmapBlock.h"
#include "raster/ColourAdjust.h"
#include "raster/PencilBrush.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"

namespace {

constexpr float kTurn = 0.7f;

// The block's pixels as an OpenCV picture of its own.
cv::Mat MatOf(const uint8_t* block) {
    const int type = IsColourBlock(block) ? CV_8UC3 : CV_8UC1;
    return cv::Mat(BlockHeight(block), BlockWidth(block), type,
                   const_cast<uint8_t*>(BlockPixels(block)), BlockStride(block))
        .clone();
}

void AdjustHsvZephine(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    int turn = 0;
    for (auto _ : state) {
        // Back and forth, so that the picture does not drift to grey.
        benchmark::DoNotOptimize(AdjustHsv(skin.get(), (turn++ & 1) ? -20 : 20, 0, 0));
    }
}
BENCHMARK(AdjustHsvZephine)->Unit(benchmark::kMicrosecond);

void AdjustHsvOpenCv(benchmark::State& state) {
    cv::Mat skin = MatOf(Patterned(256, 256).get());
    cv::Mat hsv;
    // OpenCV's 8-bit hue counts in 2-degree steps: +20 degrees is +10, wrapping at 180.
    cv::Mat shift(1, 256, CV_8UC3);
    for (int i = 0; i < 256; ++i) shift.at<cv::Vec3b>(i) = cv::Vec3b((i + 10) % 180, i, i);
    for (auto _ : state) {
        cv::cvtColor(skin, hsv, cv::COLOR_BGR2HSV);
        cv::LUT(hsv, shift, hsv);
        cv::cvtColor(hsv, skin, cv::COLOR_HSV2BGR);
        benchmark::DoNotOptimize(skin.data);
    }
}
BENCHMARK(AdjustHsvOpenCv)->Unit(benchmark::kMicrosecond);

// Sizes (source, then destination): the skin into the 3D view's texture at whole and
// arbitrary ratios, from small to large, and the texture enlarged onto the skin.
void StretchSizes(benchmark::internal::Benchmark* b) {
    for (const auto& s : {std::array<int64_t, 4>{300, 200, 256, 256}, {640, 480, 256, 256},
                          {1024, 512, 256, 256}, {2048, 1448, 256, 256}, {256, 256, 1448, 1024}})
        b->Args({s[0], s[1], s[2], s[3]});
}

void StretchZephine(benchmark::State& state) {
    const auto sw = static_cast<int32_t>(state.range(0)), sh = static_cast<int32_t>(state.range(1));
    const auto dw = static_cast<int32_t>(state.range(2)), dh = static_cast<int32_t>(state.range(3));
    OwnedBlock skin = Patterned(sw, sh);
    OwnedBlock texture = Patterned(dw, dh);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            StretchCopy(texture.get(), 0, 0, dw, dh, skin.get(), 0, 0, sw, sh));
    }
}
BENCHMARK(StretchZephine)->Apply(StretchSizes)->Unit(benchmark::kMicrosecond);

void StretchOpenCv(benchmark::State& state) {
    cv::Mat skin =
        MatOf(Patterned(static_cast<int32_t>(state.range(0)), static_cast<int32_t>(state.range(1)))
                  .get());
    const cv::Size size(static_cast<int>(state.range(2)), static_cast<int>(state.range(3)));
    cv::Mat texture(size, CV_8UC3);
    for (auto _ : state) {
        cv::resize(skin, texture, size, 0, 0, cv::INTER_LINEAR);
        benchmark::DoNotOptimize(texture.data);
    }
}
BENCHMARK(StretchOpenCv)->Apply(StretchSizes)->Unit(benchmark::kMicrosecond);

// The stamp is 200 x 200; the argument is the zoom in percent (50: every other pixel, 70: a
// zoom without whole steps).
void StampChainZephine(benchmark::State& state) {
    OwnedBlock picture = Patterned(200, 200);
    OwnedBlock mask = Patterned(200, 200, 8);
    OwnedBlock skin = Patterned(256, 256);
    const auto side = static_cast<int32_t>(2 * state.range(0));
    for (auto _ : state) {
        OwnedBlock scaled = CreateBitmapBlock(1, side, side, nullptr, 0);
        OwnedBlock scaledMask = CreateBitmapBlock(0, side, side, nullptr, 0);
        (void)StretchCopy(scaled.get(), 0, 0, side, side, picture.get(), 0, 0, 200, 200);
        (void)StretchCopy(scaledMask.get(), 0, 0, side, side, mask.get(), 0, 0, 200, 200);
        (void)RotateBlock(scaled, kTurn, 0);
        (void)RotateMask(scaledMask, kTurn, 0);
        const int32_t w = BlockWidth(scaledMask.get()), h = BlockHeight(scaledMask.get());
        (void)CropCentred(scaled, w, h);
        CompositeRequest q;
        q.destination = skin.get();
        q.destX = 128 - w / 2;
        q.destY = 128 - h / 2;
        q.picture = scaled.get();
        q.mask = scaledMask.get();
        q.widthLimit = w;
        q.heightLimit = h;
        benchmark::DoNotOptimize(CompositeThroughMask(q));
    }
}
BENCHMARK(StampChainZephine)->Arg(50)->Arg(70)->Unit(benchmark::kMicrosecond);

// resize, warpAffine (nearest) of picture and mask onto the turned size, the mask's covered
// box, the same box of the picture, and a blend through the mask into the skin.
void StampChainOpenCv(benchmark::State& state) {
    const cv::Mat picture = MatOf(Patterned(200, 200).get());
    const cv::Mat mask = MatOf(Patterned(200, 200, 8).get());
    cv::Mat skin = MatOf(Patterned(256, 256).get());
    cv::Mat scaled, scaledMask, turned, turnedMask, covered, mask3, inverse, a, b;
    const auto side = static_cast<int>(2 * state.range(0));
    const float half = side / 2.0f;
    for (auto _ : state) {
        cv::resize(picture, scaled, cv::Size(side, side), 0, 0, cv::INTER_LINEAR);
        cv::resize(mask, scaledMask, cv::Size(side, side), 0, 0, cv::INTER_LINEAR);
        const cv::RotatedRect box(cv::Point2f(half, half), cv::Size2f(side, side),
                                  -kTurn * 57.29578f);
        const cv::Rect bounds = box.boundingRect();
        cv::Mat m = cv::getRotationMatrix2D(cv::Point2f(half, half), kTurn * 57.29578, 1.0);
        m.at<double>(0, 2) += bounds.width / 2.0 - half;
        m.at<double>(1, 2) += bounds.height / 2.0 - half;
        cv::warpAffine(scaled, turned, m, bounds.size(), cv::INTER_NEAREST);
        cv::warpAffine(scaledMask, turnedMask, m, bounds.size(), cv::INTER_NEAREST);
        cv::threshold(turnedMask, covered, 19, 255, cv::THRESH_BINARY);
        const cv::Rect trim = cv::boundingRect(covered);
        const cv::Mat cutMask = turnedMask(trim), cutPicture = turned(trim);
        cv::Mat target =
            skin(cv::Rect(128 - trim.width / 2, 128 - trim.height / 2, trim.width, trim.height));
        cv::merge(std::vector<cv::Mat>{cutMask, cutMask, cutMask}, mask3);
        cv::bitwise_not(mask3, inverse);
        cv::multiply(cutPicture, mask3, a, 1.0 / 255);
        cv::multiply(target, inverse, b, 1.0 / 255);
        cv::add(a, b, target);
        benchmark::DoNotOptimize(skin.data);
    }
}
BENCHMARK(StampChainOpenCv)->Arg(50)->Arg(70)->Unit(benchmark::kMicrosecond);

#ifdef ZEPHINE_BENCH_MYPAINT
// One stroke of the 12-pixel pencil across the skin, (28, 40) to (188, 160): 200 pixels.
constexpr int32_t kPencilSize = 12;
constexpr double kStrokeX0 = 28, kStrokeY0 = 40, kStrokeX1 = 188, kStrokeY1 = 160;
constexpr int kStrokeOpacity = 200;
constexpr uint32_t kStrokeColour = 0x2040C0;  // 0x00BBGGRR

void PencilZephine(benchmark::State& state) {
    OwnedBlock skin = Patterned(256, 256);
    PencilBrush brush;
    if (!PencilInit(brush, skin.get(), 0, kPencilSize, kPencilSize, {})) {
        state.SkipWithError("no memory");
    }
    for (auto _ : state) {
        Rect changed;
        (void)PencilBegin(brush, skin.get(), kStrokeX0, kStrokeY0, 255, 1);
        (void)PencilStrokeTo(brush, skin.get(), kStrokeX1, kStrokeY1, kStrokeOpacity, 255,
                             kStrokeColour, 1, changed);
        (void)PencilEnd(brush, skin.get(), kStrokeX1, kStrokeY1, 255);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(PencilZephine)->Unit(benchmark::kMicrosecond);

// The same dabs through libmypaint's own dab renderer: the pencil's radius (half its size), its
// spacing and centres along the same path, its opacity and colour. The pencil's cosine falloff
// covers on average 0.46 of its disc; libmypaint's mean cover over the disc equals its
// hardness, so the hardness is 0.46.
void PencilMyPaint(benchmark::State& state) {
    MyPaintFixedTiledSurface* surface = mypaint_fixed_tiled_surface_new(256, 256);
    MyPaintSurface* paint = mypaint_fixed_tiled_surface_interface(surface);
    const double step = PencilParametersFor(0, kPencilSize).spacing * kPencilSize;
    const double dx = kStrokeX1 - kStrokeX0, dy = kStrokeY1 - kStrokeY0;
    const double length = std::sqrt(dx * dx + dy * dy);
    const float red = (kStrokeColour & 0xFF) / 255.0f;
    const float green = (kStrokeColour >> 8 & 0xFF) / 255.0f;
    const float blue = (kStrokeColour >> 16 & 0xFF) / 255.0f;
    int64_t dabs = 0;
    for (auto _ : state) {
        mypaint_surface_begin_atomic(paint);
        for (double t = 0; t < length; t += step, ++dabs) {
            (void)mypaint_surface_draw_dab(
                paint, static_cast<float>(kStrokeX0 + t * dx / length),
                static_cast<float>(kStrokeY0 + t * dy / length), kPencilSize * 0.5f, red, green,
                blue, kStrokeOpacity / 255.0f, 0.46f, 1.0f, 1.0f, 0.0f, 0.0f, 0.0f);
        }
        MyPaintRectangle roi;
        mypaint_surface_end_atomic(paint, &roi);
        benchmark::ClobberMemory();
    }
    state.counters["dabs"] = static_cast<double>(dabs) / static_cast<double>(state.iterations());
    mypaint_surface_unref(paint);
}
BENCHMARK(PencilMyPaint)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
