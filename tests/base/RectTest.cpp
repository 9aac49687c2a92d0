// Rect arithmetic and hit tests.
#include "base/Rect.h"

#include <gtest/gtest.h>

TEST(RectTest, ContainsExcludesRightAndBottomEdges) {
    const Rect r{10, 10, 20, 20};
    EXPECT_TRUE(r.Contains(10, 10));
    EXPECT_TRUE(r.Contains(19, 19));
    EXPECT_FALSE(r.Contains(20, 15));
    EXPECT_FALSE(r.Contains(15, 20));
    EXPECT_FALSE((Rect{20, 0, 10, 5}).Contains(15, 2));  // inverted: no point
}

TEST(RectTest, MeasuresAndMoves) {
    EXPECT_EQ((Rect{20, 0, 10, 5}).Width(), 10);
    EXPECT_EQ((Rect{0, 0, 5, 0}).CentreX(), 2);
    Rect scaled{-3, 0, 3, 0};
    scaled.Scale(0.5f, 1.0f);
    EXPECT_TRUE(scaled.Equals(-1, 0, 1, 0));  // truncated toward zero
    Rect r{0, 0, 4, 4};
    r.Offset(2, 3);
    r.Inflate(1, 1);
    EXPECT_EQ(r, (Rect{1, 2, 7, 8}));
}

TEST(RectTest, IntersectAndUnion) {
    Rect out{1, 1, 1, 1};
    EXPECT_TRUE(Intersect({0, 0, 10, 10}, {5, 5, 15, 15}, out));
    EXPECT_EQ(out, (Rect{5, 5, 10, 10}));
    EXPECT_FALSE(Intersect({0, 0, 10, 10}, {10, 0, 20, 10}, out));  // touching edges only
    EXPECT_EQ(out, Rect{});
    EXPECT_EQ(Union({0, 0, 2, 2}, {5, 5, 6, 6}), (Rect{0, 0, 6, 6}));
    EXPECT_EQ(Union({}, {5, 5, 6, 6}), (Rect{5, 5, 6, 6})) << "an empty one adds nothing";
}
