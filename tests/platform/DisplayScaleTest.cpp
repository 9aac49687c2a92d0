// The scale the design is shown at, and the pointer's way back into design coordinates.
#include <gtest/gtest.h>

#include "platform/DisplayScale.h"

namespace {

struct Case {
    int32_t width, height;
    double scale;
    Rect device;  // where the design shows
};

TEST(DisplayScaleTest, TheDesignFillsTheDisplayKeepingItsShapeCentred) {
    const Case cases[] = {
        {800, 600, 1.0, {0, 0, 800, 600}},
        {1024, 768, 1.28, {0, 0, 1024, 768}},
        {1366, 768, 1.28, {171, 0, 1195, 768}},
        {1920, 1080, 1.8, {240, 0, 1680, 1080}},
        {3840, 2160, 3.6, {480, 0, 3360, 2160}},
        {1280, 1024, 1.6, {0, 32, 1280, 992}},
        {799, 599, 599.0 / 600, {0, 0, 799, 599}},
        {640, 480, 0.8, {0, 0, 640, 480}},
    };
    for (const Case& c : cases) {
        const DisplayScale s(c.width, c.height, false);
        EXPECT_NEAR(s.Scale(), c.scale, 1e-9) << c.width << "x" << c.height;
        EXPECT_EQ(s.DeviceArea(), c.device) << c.width << "x" << c.height;
        // The logic's display holds the whole design, and its centring places it where it shows.
        EXPECT_GE(s.LogicalWidth(), 800);
        EXPECT_GE(s.LogicalHeight(), 600);
        EXPECT_EQ(s.LogicalX(c.device.left), s.DesignArea().left);
        EXPECT_EQ(s.LogicalY(c.device.bottom - 1), s.DesignArea().bottom - 1);
    }
    EXPECT_EQ(DisplayScale(1920, 1080, false).LogicalWidth(), 1067);
}

TEST(DisplayScaleTest, EveryDesignPixelComesBackFromTheDevicePixelAtItsCentre) {
    // (Below scale 1 some design pixels have no device pixel of their own.)
    for (auto [w, h] : {std::pair{1366, 768}, {1280, 1024}, {1920, 1080}, {3840, 2160}}) {
        const DisplayScale s(w, h, false);
        const Rect d = s.DesignArea();
        for (int32_t x = d.left; x < d.right; ++x)
            ASSERT_EQ(s.LogicalX(s.DeviceX(x)), x) << w << "x" << h << " at " << x;
        for (int32_t y = d.top; y < d.bottom; ++y)
            ASSERT_EQ(s.LogicalY(s.DeviceY(y)), y) << w << "x" << h << " at " << y;
    }
}

TEST(DisplayScaleTest, MarginsMapOffTheDesignAndUnscaledIsTheIdentity) {
    const DisplayScale s(1920, 1080, false);
    EXPECT_LT(s.LogicalX(0), s.DesignArea().left);
    EXPECT_LT(s.LogicalX(239), s.DesignArea().left);
    EXPECT_GE(s.LogicalX(1919), s.DesignArea().right);
    const DisplayScale one(1920, 1080, true);
    EXPECT_EQ(one.Scale(), 1.0);
    EXPECT_EQ(one.LogicalWidth(), 1920);
    EXPECT_EQ(one.DesignArea(), (Rect{560, 240, 1360, 840}));
    EXPECT_EQ(one.DeviceArea(), one.DesignArea());
    for (int32_t x : {0, 559, 560, 1000, 1919}) EXPECT_EQ(one.LogicalX(x), x);
    // A rectangle's device cover holds every device pixel of it.
    EXPECT_EQ(s.DeviceRect({133, 0, 933, 600}), s.DeviceArea());
    EXPECT_EQ(s.DeviceRect({134, 1, 135, 2}), (Rect{241, 1, 244, 4}));
}

}  // namespace
