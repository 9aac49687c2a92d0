// The fast raster kernels against the reference copy of the plain ones: random blocks, every
// adjustment, zooms and angles must give the same bytes, on every vector level the processor has.
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstring>
#include <random>
#include <vector>

#include "raster/ColourAdjust.h"
#include "raster/RasterTestSupport.h"
#include "raster/ReferenceKernels.h"
#include "raster/StampComposite.h"
#include "raster/StampRotation.h"
#include "raster/StampScaling.h"
#include "raster/VectorLevel.h"

namespace {

size_t BlockSize(const uint8_t* block) {
    const size_t table = IsColourBlock(block) ? 0 : kGreyTableSize;
    return kHeaderSize + table + static_cast<size_t>(BlockStride(block)) * BlockHeight(block);
}

std::vector<uint8_t> BytesOf(const uint8_t* block) {
    if (!block) return {};
    return std::vector<uint8_t>(block, block + BlockSize(block));
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

// Runs `check` once on every vector level the processor offers, ending at the best.
template <typename Check>
void OnEveryLevel(Check check) {
    const VectorLevel best = SupportedVectorLevel();
    for (VectorLevel level : {VectorLevel::Plain, VectorLevel::Avx2}) {
        if (level > best) break;
        LimitVectorLevel(level);
        SCOPED_TRACE(level == VectorLevel::Plain ? "plain" : "avx2");
        check();
    }
    LimitVectorLevel(best);
}

void ExpectSameAdjustment(const uint8_t* block, int hue, int saturation, int lightness) {
    OwnedBlock fast = Copy(block);
    OwnedBlock plain = Copy(block);
    ASSERT_EQ(AdjustHsv(fast.get(), hue, saturation, lightness),
              reference::AdjustHsv(plain.get(), hue, saturation, lightness));
    ASSERT_EQ(BytesOf(fast.get()), BytesOf(plain.get()))
        << BlockWidth(block) << " x " << BlockHeight(block) << ", changes " << hue << ", "
        << saturation << ", " << lightness;
}

}  // namespace

TEST(KernelDifferentialTest, AdjustHsvMatchesForEveryChange) {
    OnEveryLevel([] {
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
    });
}

TEST(KernelDifferentialTest, AdjustHsvMatchesAcrossTheColourCube) {
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
    OnEveryLevel([&] {
        for (int hue : {0, 1, 59, 60, 179, 359, 360, -1}) {
            for (int change : {-100, -37, 0, 50, 100}) {
                ExpectSameAdjustment(block.get(), hue, change, -change / 2);
            }
        }
    });
}

TEST(KernelDifferentialTest, StretchCopyMatchesForZoomsAndOffsets) {
    OnEveryLevel([] {
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
            OwnedBlock fast = random.Block(colour, width, height);
            OwnedBlock plain = Copy(fast.get());
            ASSERT_EQ(
                StretchCopy(fast.get(), dx, dy, dw, dh, source.get(), sx, sy, sw, sh),
                reference::StretchCopy(plain.get(), dx, dy, dw, dh, source.get(), sx, sy, sw, sh));
            ASSERT_EQ(BytesOf(fast.get()), BytesOf(plain.get()))
                << sw << " x " << sh << " to " << dw << " x " << dh << " at " << dx << ", " << dy
                << " from " << sx << ", " << sy << " in " << width << " x " << height;
        }
    });
}

TEST(KernelDifferentialTest, RotationTrimAndCropMatchOverAWholeTurn) {
    OnEveryLevel([] {
        Random random(22);
        for (int i = 0; i < 200; ++i) {
            const int colour = random.Between(0, 1);
            OwnedBlock block = random.Block(colour, random.Side(), random.Side());
            // Quarter turns land corners on whole pixels; the rest are anywhere in a turn.
            float angle = static_cast<float>(random.Real(-6.2831853, 6.2831853));
            if (i % 8 == 0) angle = static_cast<float>(1.5707963 * random.Between(-4, 4));
            const uint32_t fill = static_cast<uint32_t>(random.Between(0, 0xFFFFFF));
            OwnedBlock fast = RotateBlock(block.get(), angle, fill);
            OwnedBlock plain = reference::RotateBlock(block.get(), angle, fill);
            ASSERT_EQ(BytesOf(fast.get()), BytesOf(plain.get())) << "turn by " << angle;
            OwnedBlock fastMask = RotateMask(block.get(), angle, fill);
            OwnedBlock plainMask = reference::RotateMask(block.get(), angle, fill);
            ASSERT_EQ(BytesOf(fastMask.get()), BytesOf(plainMask.get())) << "mask by " << angle;
            const int32_t w = random.Between(-1, BlockWidth(block.get()) + 1);
            const int32_t h = random.Between(-1, BlockHeight(block.get()) + 1);
            ASSERT_EQ(BytesOf(CropCentred(block.get(), w, h).get()),
                      BytesOf(reference::CropCentred(block.get(), w, h).get()));
        }
    });
}

TEST(KernelDifferentialTest, CompositeMatchesForOffsetsLimitsAndPlainColours) {
    OnEveryLevel([] {
        Random random(23);
        for (int i = 0; i < 300; ++i) {
            OwnedBlock destination = random.Block(1, random.Side(), random.Side());
            const int32_t w = random.Side(), h = random.Side();
            OwnedBlock picture = random.Block(1, w, h);
            OwnedBlock mask = random.Block(random.Between(0, 4) == 0, w, h);
            OwnedBlock fast = Copy(destination.get());
            CompositeRequest q;
            q.destination = fast.get();
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
            const int fastResult = CompositeThroughMask(q);
            OwnedBlock plain = Copy(destination.get());
            q.destination = plain.get();
            ASSERT_EQ(fastResult, reference::CompositeThroughMask(q));
            ASSERT_EQ(BytesOf(fast.get()), BytesOf(plain.get()));
        }
    });
}

TEST(KernelDifferentialTest, WholeStampChainMatches) {
    OnEveryLevel([] {
        Random random(24);
        for (int i = 0; i < 60; ++i) {
            const int32_t w = random.Side(), h = random.Side();
            OwnedBlock picture = random.Block(1, w, h);
            OwnedBlock mask = random.Block(0, w, h);
            const double zoom = std::exp(random.Real(std::log(0.05), std::log(4.0)));
            const int32_t sw = std::min(static_cast<int32_t>(w * zoom), 400);
            const int32_t sh = std::min(static_cast<int32_t>(h * zoom), 400);
            if (sw < 1 || sh < 1) continue;
            const float angle = static_cast<float>(random.Real(0.0, 6.2831853));
            std::vector<uint8_t> skins[2];
            for (int fast = 0; fast < 2; ++fast) {
                auto stretch = fast ? StretchCopy : reference::StretchCopy;
                OwnedBlock p = CreateBitmapBlock(1, sw, sh, nullptr, 0);
                OwnedBlock m = CreateBitmapBlock(0, sw, sh, nullptr, 0);
                ASSERT_EQ(stretch(p.get(), 0, 0, sw, sh, picture.get(), 0, 0, w, h), 1);
                ASSERT_EQ(stretch(m.get(), 0, 0, sw, sh, mask.get(), 0, 0, w, h), 1);
                p = fast ? RotateBlock(p.get(), angle, 0)
                         : reference::RotateBlock(p.get(), angle, 0);
                m = fast ? RotateMask(m.get(), angle, 0) : reference::RotateMask(m.get(), angle, 0);
                if (!p || !m) continue;
                const int32_t cw = BlockWidth(m.get()), ch = BlockHeight(m.get());
                OwnedBlock cut =
                    fast ? CropCentred(p.get(), cw, ch) : reference::CropCentred(p.get(), cw, ch);
                OwnedBlock skin = ColourBlock(256, 256, Rgb(90, 140, 200));
                CompositeRequest q;
                q.destination = skin.get();
                q.destX = 100 - cw / 2;
                q.destY = 120 - ch / 2;
                q.picture = cut ? cut.get() : p.get();
                q.mask = m.get();
                q.widthLimit = cw;
                q.heightLimit = ch;
                (void)(fast ? CompositeThroughMask(q) : reference::CompositeThroughMask(q));
                skins[fast] = BytesOf(skin.get());
            }
            ASSERT_EQ(skins[1], skins[0]) << w << " x " << h << " by " << zoom << ", " << angle;
        }
    });
}
