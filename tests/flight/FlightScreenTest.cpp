// The flight screen's narration choice: the cue of the next step starts on the frame after a
// mark, and the movie holds on a mark while a narration still speaks.
#include "flight/FlightScreen.h"

#include <gtest/gtest.h>

namespace {

TEST(FlightScreenTest, NarrationStartsOnTheFrameAfterAMark) {
    const int32_t marks[] = {10, 40, 70, 90};
    NarrationStep s = ChooseNarration(71, marks, 4, 12, true);
    EXPECT_EQ(s.cue, "12-04");
    EXPECT_EQ(s.target, -1);
    s = ChooseNarration(11, marks, 4, 7, false);
    EXPECT_EQ(s.cue, "7-02");
}

TEST(FlightScreenTest, MovieHoldsOnAMarkUntilTheNarrationEnds) {
    const int32_t marks[] = {10, 40};
    EXPECT_EQ(ChooseNarration(40, marks, 2, 3, false).target, 40);
    EXPECT_EQ(ChooseNarration(40, marks, 2, 3, true).target, -1);
    EXPECT_TRUE(ChooseNarration(40, marks, 2, 3, false).cue.empty());
    EXPECT_EQ(ChooseNarration(25, marks, 2, 3, false).target, -1);
    EXPECT_EQ(ChooseNarration(41, marks, 0, 3, false).target, -1) << "no marks: run on";
}

}  // namespace
