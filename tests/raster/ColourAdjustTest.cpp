// The block adjustment against hand-computed values and, pixel by pixel, against the integer
// hue/saturation/value conversions, whose fast division is held to the language's.
#include <gtest/gtest.h>

#include <algorithm>

#include "raster/ColourAdjust.h"
#include "raster/RasterTestSupport.h"

namespace {

// One pixel through AdjustHsv.
uint32_t Adjusted(uint32_t colour, int hue, int saturation, int lightness) {
    OwnedBlock block = ColourBlock(1, 1, colour);
    EXPECT_EQ(AdjustHsv(block.get(), hue, saturation, lightness), 1);
    return ColourAt(block.get(), 0, 0);
}

// The conversion written plainly with the language's divisions.
Hsv PlainRgbToHsv(int r, int g, int b) {
    int max = std::max({r, g, b}), min = std::min({r, g, b});
    Hsv hsv{0, max ? (max - min) * 255 / max : 0, max};
    if (hsv.saturation == 0) return {kNoHue, 0, max};
    int delta = max - min;
    if (r == max)
        hsv.hue = (g - b) * 60 / delta;
    else if (g == max)
        hsv.hue = (b - r) * 60 / delta + 120;
    else
        hsv.hue = (r - g) * 60 / delta + 240;
    if (hsv.hue < 0) hsv.hue += 360;
    return hsv;
}

// AdjustHsv's steps for one pixel, written out with the public conversions.
uint32_t PlainAdjusted(int r, int g, int b, int hue, int saturation, int lightness) {
    if (hue < 0) hue += 360;
    Hsv hsv = RgbToHsv(r, g, b);
    if (hsv.hue != kNoHue) {
        hsv.hue += hue;
        if (hsv.hue > 360) hsv.hue -= 360 * ((hsv.hue - 1) / 360);
    }
    hsv.saturation = std::clamp(hsv.saturation + saturation * 255 / 100, 0, 255);
    hsv.value = std::clamp(hsv.value + lightness * 255 / 100, 0, 255);
    HsvToRgb(hsv, r, g, b);
    return Rgb(r, g, b);
}

}  // namespace

TEST(ColourAdjustTest, FastDivisionMatchesPlainDivisionEverywhere) {
    for (int max = 0; max < 256; ++max) {
        for (int min = 0; min <= max; ++min) {
            for (int mid : {min, (min + max) / 2, max}) {
                Hsv fast = RgbToHsv(mid, max, min), plain = PlainRgbToHsv(mid, max, min);
                ASSERT_EQ(fast.hue, plain.hue) << max << " " << min << " " << mid;
                ASSERT_EQ(fast.saturation, plain.saturation);
                Hsv fast2 = RgbToHsv(max, min, mid), plain2 = PlainRgbToHsv(max, min, mid);
                ASSERT_EQ(fast2.hue, plain2.hue);
            }
        }
    }
}

TEST(ColourAdjustTest, HueShiftTurnsRedToGreen) {
    EXPECT_EQ(Adjusted(Rgb(255, 0, 0), 120, 0, 0), Rgb(0, 255, 0));
}

TEST(ColourAdjustTest, ZeroChangeStillRoundTrips) {
    EXPECT_EQ(Adjusted(Rgb(10, 20, 30), 0, 0, 0), Rgb(10, 20, 30));
    EXPECT_EQ(Adjusted(Rgb(0, 7, 112), 0, 0, 0), Rgb(0, 6, 112));
}

TEST(ColourAdjustTest, GreyPixelsHaveNoHueToShift) {
    EXPECT_EQ(Adjusted(Rgb(128, 128, 128), 90, 0, 0), Rgb(128, 128, 128));
    EXPECT_EQ(Adjusted(Rgb(128, 128, 128), 0, 100, 0), Rgb(128, 128, 128));
    EXPECT_EQ(Adjusted(Rgb(0, 0, 0), 0, 100, 0), Rgb(0, 0, 0));
    EXPECT_EQ(Adjusted(Rgb(0, 0, 0), 0, -100, 0), Rgb(0, 0, 0));
    // Still grey after the change: grey of the new value.
    EXPECT_EQ(Adjusted(Rgb(100, 100, 100), 0, 0, 10), Rgb(125, 125, 125));
}

TEST(ColourAdjustTest, LightnessSaturatesAtBothEnds) {
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 0, 0, -100), Rgb(0, 0, 0));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 0, 0, 100), Rgb(255, 128, 64));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 0, -100, 0), Rgb(200, 200, 200));
}

TEST(ColourAdjustTest, NegativeHueIsTakenAsItsPositiveTurn) {
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), -30, 0, 0), Rgb(200, 51, 76));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 330, 0, 0), Rgb(200, 51, 76));
    // Full turns either way change nothing beyond the round trip.
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 360, 0, 0), Adjusted(Rgb(200, 100, 50), 0, 0, 0));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), -360, 0, 0), Adjusted(Rgb(200, 100, 50), 0, 0, 0));
}

TEST(ColourAdjustTest, OutOfRangeChangesActLikeTheirRangeEquivalents) {
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 720 + 120, 0, 0), Adjusted(Rgb(200, 100, 50), 120, 0, 0));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), -1000000, 0, 0),
              Adjusted(Rgb(200, 100, 50), -1000000 % 360, 0, 0));
    EXPECT_EQ(Adjusted(Rgb(200, 100, 50), 0, 0, 2000000000), Rgb(255, 128, 64));
}

TEST(ColourAdjustTest, RefusesMissingAndGreyBlocksAndKeepsPadding) {
    EXPECT_EQ(AdjustHsv(nullptr, 10, 0, 0), 0);
    OwnedBlock grey = GreyBlock(4, 4, 9);
    EXPECT_EQ(AdjustHsv(grey.get(), 10, 0, 0), 0);
    OwnedBlock block = ColourBlock(5, 2, Rgb(0, 7, 112));
    BlockPixels(block.get())[15] = 77;  // row padding
    ASSERT_EQ(AdjustHsv(block.get(), 0, 0, 0), 1);
    EXPECT_EQ(BlockPixels(block.get())[15], 77);
    EXPECT_EQ(ColourAt(block.get(), 4, 0), Rgb(0, 6, 112));
}

TEST(ColourAdjustTest, BlockAdjustmentEqualsPixelByPixelConversion) {
    const int changes[][3] = {{0, 0, 0},   {120, 0, 0}, {-45, 0, 0}, {360, 0, 0},     {0, 30, 0},
                              {0, -60, 0}, {0, 0, 25},  {0, 0, -70}, {200, 100, -100}};
    OwnedBlock block = ColourBlock(52, 52 * 52);
    for (const auto& change : changes) {
        for (int y = 0; y < 52 * 52; ++y) {
            for (int x = 0; x < 52; ++x)
                SetColour(block.get(), x, y, Rgb(x * 5, y % 52 * 5, y / 52 * 5));
        }
        ASSERT_EQ(AdjustHsv(block.get(), change[0], change[1], change[2]), 1);
        for (int y = 0; y < 52 * 52; ++y) {
            for (int x = 0; x < 52; ++x) {
                ASSERT_EQ(
                    ColourAt(block.get(), x, y),
                    PlainAdjusted(x * 5, y % 52 * 5, y / 52 * 5, change[0], change[1], change[2]))
                    << x * 5 << "," << y % 52 * 5 << "," << y / 52 * 5 << " change " << change[0]
                    << "," << change[1] << "," << change[2];
            }
        }
    }
}
