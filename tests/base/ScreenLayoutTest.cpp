// The layout's placement on displays of several sizes.
#include "base/ScreenLayout.h"

#include <gtest/gtest.h>

TEST(ScreenLayoutTest, CentresTheDesignOnALargerDisplay) {
    const ScreenLayout layout(1024, 768);
    EXPECT_EQ(layout.exit, (Rect{784, 600, 912, 684}));
    EXPECT_EQ(layout.DesignScreen, (Rect{0, 0, 800, 600}));  // the back buffer is not moved
    EXPECT_EQ(layout.Screen, (Rect{112, 84, 912, 684}));
}

TEST(ScreenLayoutTest, FlipsThePanesForOpenGl) {
    const ScreenLayout layout(1024, 768);
    EXPECT_EQ(layout.canvas, (Rect{252, 204, 647, 509}));
    EXPECT_EQ(layout.canvasGl, (Rect{252, 259, 647, 564}));
    const ScreenLayout odd(1025, 769);  // the flip height is even: (769 / 2) * 2
    EXPECT_EQ(odd.viewGl.top, 768 - odd.view.bottom);
}

TEST(ScreenLayoutTest, ASmallDisplayCutsTheDesignOnAllSides) {
    const ScreenLayout layout(640, 480);
    EXPECT_EQ(layout.Screen, (Rect{-80, -60, 720, 540}));
    EXPECT_EQ(layout.exit, (Rect{592, 456, 720, 540}));  // the design's (672, 516, 800, 600)
}

TEST(ScreenLayoutTest, EveryEntryIsFoundByItsName) {
    ScreenLayout layout(800, 600);
    EXPECT_EQ(ScreenLayout::Names().size(), 72u);
    for (std::string_view name : ScreenLayout::Names()) {
        ASSERT_NE(layout.Find(name), nullptr) << name;
        if (!name.ends_with("Gl")) {
            EXPECT_EQ(*layout.Find(name), *ScreenLayout::DesignRect(name));
        }
    }
    EXPECT_EQ(layout.Find("pencil"), &layout.pencil);
    EXPECT_EQ(layout.Find("nothing"), nullptr);
    // rolepic and choosecolor share one rectangle; which is live is the workshop's choice.
    EXPECT_EQ(layout.rolepic, layout.choosecolor);
}
