// The AVX2 kernels against the program's own plain ones: random blocks, every adjustment, zooms
// and angles must give the same bytes, padding included, at both vector levels. The plain paths
// themselves are held to hand-computed values by the other raster tests.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "raster/ColourAdjust.h"
#include "raster/PencilBrush.h"
#include "raster/RasterTestSupport.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"
#include "raster/VectorLevel.h"

namespace {

using Bytes = std::vector<uint8_t>;

size_t BlockSize(const uint8_t* block) {
    const size_t table = IsColourBlock(block) ? 0 : kGreyTableSize;
    return kHeaderSize + table + static_cast<size_t>(BlockStride(block)) * BlockHeight(block);
}

Bytes BytesOf(const uint8_t* block) {
    if (!block) return {};
    return Bytes(block, block + BlockSize(block));
}

OwnedBlock Copy(const uint8_t* block) {
    OwnedBlock copy = AllocOwned(BlockSize(block));
    std::memcpy(copy.get(), block, BlockSize(block));
    return copy;
}

class Random {
  public:
    explicit Random(uint32_t seed) : engine_(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    double Real(double low, double high) {
        return std::uniform_real_distribution<double>(low, high)(engine_);
    }
    // Sizes lean small, so that many shapes fit in a short test, but reach 300.
    int32_t Side() { return Between(0, 3) == 0 ? Between(1, 300) : Between(1, 40); }

    // Random bytes with grey pixels and tied components mixed in, padding included: the
    // kernels must neither read nor write what they should not.
    OwnedBlock Block(int colour, int32_t width, int32_t height) {
        OwnedBlock block = CreateBitmapBlock(colour, width, height, nullptr, 0);
        uint8_t* pixels = BlockPixels(block.get());
        const size_t area = static_cast<size_t>(BlockStride(block.get())) * height;
        const int style = Between(0, 3);
        for (size_t i = 0; i < area; ++i) pixels[i] = static_cast<uint8_t>(Between(0, 255));
        if (colour && style != 0) {
            for (size_t i = 0; i + 2 < area; i += 3) {
                const int kind = Between(0, 5);
                if (kind == 0) pixels[i + 1] = pixels[i + 2] = pixels[i];
                if (kind == 1) pixels[i + 1] = pixels[i];
                if (kind == 2) pixels[i + 2] = pixels[i + 1];
                if (kind == 3 && style == 3) pixels[i] = pixels[i + 1] = pixels[i + 2] = 0;
            }
        }
        if (!colour && style == 1) {
            // Masks with a covered island, as stamps have.
            for (int32_t y = 0; y < height; ++y) {
                for (int32_t x = 0; x < width; ++x) {
                    const bool inside = std::abs(x - width / 3) < width / 4 + 1 &&
                                        std::abs(y - height / 2) < height / 3 + 1;
                    // The trim's threshold is 20: its neighbours are common at the edges.
                    const int edge[4] = {19, 20, 21, 255};
                    *PixelAt(block.get(), x, y) =
                        static_cast<uint8_t>(inside ? edge[Between(0, 3)] : Between(0, 19));
                }
            }
        }
        return block;
    }

  private:
    std::mt19937 engine_;
};

class KernelDifferentialTest : public ::testing::Test {
  protected:
    void SetUp() override {
        if (SupportedVectorLevel() != VectorLevel::Avx2) GTEST_SKIP() << "no AVX2 here";
    }
    void TearDown() override { LimitVectorLevel(SupportedVectorLevel()); }

    // `run` (giving the bytes it made) at the plain level and at AVX2; both must agree.
    template <typename Run>
    static void ExpectSame(Run run, const std::string& what) {
        LimitVectorLevel(VectorLevel::Plain);
        const Bytes plain = run();
        LimitVectorLevel(VectorLevel::Avx2);
        const Bytes fast = run();
        ASSERT_EQ(fast, plain) << what;
    }
};

void ExpectSameAdjustment(const uint8_t* block, int hue, int saturation, int lightness) {
    LimitVectorLevel(VectorLevel::Plain);
    OwnedBlock plain = Copy(block);
    const int plainResult = AdjustHsv(plain.get(), hue, saturation, lightness);
    LimitVectorLevel(VectorLevel::Avx2);
    OwnedBlock fast = Copy(block);
    ASSERT_EQ(AdjustHsv(fast.get(), hue, saturation, lightness), plainResult);
    ASSERT_EQ(BytesOf(fast.get()), BytesOf(plain.get()))
        << BlockWidth(block) << " x " << BlockHeight(block) << ", changes " << hue << ", "
        << saturation << ", " << lightness;
}

}  // namespace

TEST_F(KernelDifferentialTest, AdjustHsvMatchesForEveryChange) {
    Random random(20);
    // One block of odd width through every change of each component alone.
    OwnedBlock block = random.Block(1, 37, 9);
    for (int hue = -360; hue <= 360; ++hue) ExpectSameAdjustment(block.get(), hue, 0, 0);
    for (int change = -100; change <= 100; ++change) {
        ExpectSameAdjustment(block.get(), 0, change, 0);
        ExpectSameAdjustment(block.get(), 0, 0, change);
    }
    // Changes beyond the ranges, and mixed ones on random shapes.
    for (int hue : {INT_MIN, -1000, 361, 720, 1000, INT_MAX}) {
        ExpectSameAdjustment(block.get(), hue, INT_MIN, INT_MAX);
    }
    for (int i = 0; i < 60; ++i) {
        OwnedBlock shape = random.Block(1, random.Side(), random.Side());
        ExpectSameAdjustment(shape.get(), random.Between(-360, 360), random.Between(-100, 100),
                             random.Between(-100, 100));
    }
}

TEST_F(KernelDifferentialTest, AdjustHsvMatchesAcrossTheColourCube) {
    // Colours of a cube with neighbours one step apart, where ties and divisions change.
    OwnedBlock block = ColourBlock(16 * 3 + 1, 16 * 16);
    int32_t n = 0;
    for (int r = 0; r < 16; ++r) {
        for (int g = 0; g < 16; ++g) {
            for (int b = 0; b < 49; ++b, ++n) {
                SetColour(block.get(), b, n / 49,
                          Rgb(std::abs(r * 17 - (b & 1)), std::abs(g * 17 - (b % 3 == 0)), b * 5));
            }
        }
    }
    for (int hue : {0, 1, 59, 60, 179, 359, 360, -1}) {
        for (int change : {-100, -37, 0, 50, 100}) {
            ExpectSameAdjustment(block.get(), hue, change, -change / 2);
        }
    }
}

TEST_F(KernelDifferentialTest, StretchCopyMatchesForZoomsAndOffsets) {
    Random random(21);
    for (int i = 0; i < 250; ++i) {
        const int colour = random.Between(0, 2) != 0;
        const int32_t sw = random.Side(), sh = random.Side();
        OwnedBlock source = random.Block(colour, sw, sh);
        // Zooms from 0.05 to 4, most of them round-trip ratios of whole sizes.
        const double zx = std::exp(random.Real(std::log(0.05), std::log(4.0)));
        const double zy = random.Between(0, 1) ? zx : std::exp(random.Real(-3.0, 1.386));
        int32_t dw = std::clamp(static_cast<int32_t>(sw * zx), 1, 400);
        int32_t dh = std::clamp(static_cast<int32_t>(sh * zy), 1, 400);
        if (random.Between(0, 9) == 0) dw = sw, dh = sh;
        const bool offsets = random.Between(0, 3) == 0;
        const int32_t dx = offsets ? random.Between(-20, 20) : 0;
        const int32_t dy = offsets ? random.Between(-20, 20) : 0;
        const int32_t sx = offsets ? random.Between(-20, 20) : 0;
        const int32_t sy = offsets ? random.Between(-20, 20) : 0;
        const int32_t width = offsets ? random.Between(1, dw + 30) : dw;
        const int32_t height = offsets ? random.Between(1, dh + 30) : dh;
        OwnedBlock before = random.Block(colour, width, height);
        ExpectSame(
            [&] {
                OwnedBlock out = Copy(before.get());
                Bytes bytes{static_cast<uint8_t>(
                    StretchCopy(out.get(), dx, dy, dw, dh, source.get(), sx, sy, sw, sh))};
                const Bytes pixels = BytesOf(out.get());
                bytes.insert(bytes.end(), pixels.begin(), pixels.end());
                return bytes;
            },
            std::to_string(sw) + " x " + std::to_string(sh) + " to " + std::to_string(dw) +
                " x " + std::to_string(dh) + " at " + std::to_string(dx) + ", " +
                std::to_string(dy) + " from " + std::to_string(sx) + ", " + std::to_string(sy));
        if (HasFatalFailure()) return;
    }
}

TEST_F(KernelDifferentialTest, RotationAndTrimMatchOverAWholeTurn) {
    Random random(22);
    for (int i = 0; i < 200; ++i) {
        const int colour = random.Between(0, 1);
        OwnedBlock block = random.Block(colour, random.Side(), random.Side());
        // Quarter turns land corners on whole pixels; the rest are anywhere in a turn.
        float angle = static_cast<float>(random.Real(-6.2831853, 6.2831853));
        if (i % 8 == 0) angle = static_cast<float>(1.5707963 * random.Between(-4, 4));
        const uint32_t fill = static_cast<uint32_t>(random.Between(0, 0xFFFFFF));
        const std::string what = "turn by " + std::to_string(angle);
        ExpectSame([&] { return BytesOf(RotateBlock(block.get(), angle, fill).get()); }, what);
        ExpectSame([&] { return BytesOf(RotateMask(block.get(), angle, fill).get()); }, what);
        if (HasFatalFailure()) return;
    }
}

TEST_F(KernelDifferentialTest, CompositeMatchesForOffsetsLimitsAndPlainColours) {
    Random random(23);
    for (int i = 0; i < 300; ++i) {
        OwnedBlock destination = random.Block(1, random.Side(), random.Side());
        const int32_t w = random.Side(), h = random.Side();
        OwnedBlock picture = random.Block(1, w, h);
        OwnedBlock mask = random.Block(random.Between(0, 4) == 0, w, h);
        CompositeRequest q;
        q.destX = random.Between(-w, BlockWidth(destination.get()));
        q.destY = random.Between(-h, BlockHeight(destination.get()));
        q.picture = random.Between(0, 4) == 0 ? nullptr : picture.get();
        q.pictureX = random.Between(0, 3) == 0 ? random.Between(-5, 5) : 0;
        q.pictureY = random.Between(0, 3) == 0 ? random.Between(-5, 5) : 0;
        q.mask = mask.get();
        q.maskX = random.Between(0, 3) == 0 ? random.Between(-5, 5) : 0;
        q.maskY = random.Between(0, 3) == 0 ? random.Between(-5, 5) : 0;
        q.colour = static_cast<uint32_t>(random.Between(0, 0xFFFFFF));
        q.widthLimit = random.Between(0, 3) == 0 ? random.Between(-1, w) : w;
        q.heightLimit = random.Between(0, 3) == 0 ? random.Between(-1, h) : h;
        ExpectSame(
            [&] {
                OwnedBlock out = Copy(destination.get());
                CompositeRequest r = q;
                r.destination = out.get();
                Bytes bytes{static_cast<uint8_t>(CompositeThroughMask(r))};
                const Bytes pixels = BytesOf(out.get());
                bytes.insert(bytes.end(), pixels.begin(), pixels.end());
                return bytes;
            },
            "case " + std::to_string(i));
        if (HasFatalFailure()) return;
    }
}

TEST_F(KernelDifferentialTest, PencilMatchesForSizesAndEdges) {
    Random random(24);
    for (int i = 0; i < 30; ++i) {
        const int32_t width = random.Side(), height = random.Side();
        OwnedBlock before = random.Block(1, width, height);
        // Up to 40, so that rows span more than one group of 16 pixels.
        const int32_t size = random.Between(1, 40);
        const int opacity = random.Between(0, 3) == 0 ? 255 : random.Between(1, 255);
        const uint32_t colour = static_cast<uint32_t>(random.Between(0, 0xFFFFFF));
        const double strengths[3] = {random.Real(0, 255), random.Real(0, 255), 255};
        int32_t points[8];
        // The strokes cross the edges of the block and leave it.
        for (int j = 0; j < 8; j += 2) {
            points[j] = random.Between(-size, width + size);
            points[j + 1] = random.Between(-size, height + size);
        }
        ExpectSame(
            [&] {
                OwnedBlock out = Copy(before.get());
                PencilBrush brush;
                Bytes bytes{static_cast<uint8_t>(
                    PencilInit(brush, out.get(), 0, size, size, {}))};
                bytes.push_back(static_cast<uint8_t>(
                    PencilBegin(brush, out.get(), points[0], points[1], 255, 1)));
                for (int j = 2; j < 8; j += 2) {
                    Rect changed;
                    bytes.push_back(static_cast<uint8_t>(
                        PencilStrokeTo(brush, out.get(), points[j], points[j + 1], opacity,
                                       strengths[j / 2 - 1], colour, 1, changed)));
                }
                const Bytes pixels = BytesOf(out.get());
                bytes.insert(bytes.end(), pixels.begin(), pixels.end());
                return bytes;
            },
            "case " + std::to_string(i));
        if (HasFatalFailure()) return;
    }
}

TEST_F(KernelDifferentialTest, StretchCopyMatchesAtTheSkinsSizes) {
    Random random(25);
    // The skin into the 3D view's texture from small to large, and the texture enlarged.
    const int32_t sizes[][4] = {{300, 200, 256, 256},   {640, 480, 256, 256},
                                {1024, 512, 256, 256},  {2048, 1448, 256, 256},
                                {256, 256, 1448, 1024}, {257, 255, 1447, 1021}};
    for (const auto& z : sizes) {
        OwnedBlock source = random.Block(1, z[0], z[1]);
        OwnedBlock before = random.Block(1, z[2], z[3]);
        ExpectSame(
            [&] {
                OwnedBlock out = Copy(before.get());
                Bytes bytes{static_cast<uint8_t>(
                    StretchCopy(out.get(), 0, 0, z[2], z[3], source.get(), 0, 0, z[0], z[1]))};
                const Bytes pixels = BytesOf(out.get());
                bytes.insert(bytes.end(), pixels.begin(), pixels.end());
                return bytes;
            },
            std::to_string(z[0]) + " x " + std::to_string(z[1]) + " to " +
                std::to_string(z[2]) + " x " + std::to_string(z[3]));
        if (HasFatalFailure()) return;
    }
}
