// The frame file's list, the mark searches of `pre` and `next`, and the names of movies and
// narrations.
#include "flight/StepMarks.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

TEST(StepMarksTest, ReadsTheCountThenTheMarksAtAnySeparator) {
    StepMarks m;
    m.ReadList("4;0,40{90}/120*");
    ASSERT_EQ(m.count, 4);
    EXPECT_EQ(std::vector<int32_t>(m.marks.begin(), m.marks.begin() + 4),
              (std::vector<int32_t>{0, 40, 90, 120}));
    m.ReadList("3,7");
    EXPECT_EQ(m.count, 3);
    EXPECT_EQ(m.marks[1], 0) << "marks the list lacks are 0";
    m.ReadList("");
    EXPECT_EQ(m.count, 0);
    m.ReadList("-5,1,2");
    EXPECT_EQ(m.count, 0);
    m.ReadList("2,12x,abc");
    EXPECT_EQ(m.marks[0], 12);
    EXPECT_EQ(m.marks[1], 0);
}

TEST(StepMarksTest, KeepsTheFirstThirtyOfALongerList) {
    std::string list = "40";
    for (int i = 0; i < 40; ++i) list += "," + std::to_string(i * 10);
    StepMarks m;
    m.ReadList(list);
    EXPECT_EQ(m.count, 30);
    EXPECT_EQ(m.marks[29], 290);
    EXPECT_EQ(m.Next(285), 290);
    EXPECT_EQ(m.Next(290), std::nullopt) << "the marks past the table are gone";
    m.ReadList("99999999999,1,2");
    EXPECT_EQ(m.count, 30);
    EXPECT_EQ(m.marks[2], 0);
}

TEST(StepMarksTest, PreviousAndNextMoveBetweenMarks) {
    StepMarks m;
    m.ReadList("3,0,40,90");
    EXPECT_EQ(m.Previous(50), 40);
    EXPECT_EQ(m.Next(50), 90);
    EXPECT_EQ(m.Next(90), std::nullopt);
    EXPECT_EQ(m.Previous(40), 0);
    EXPECT_EQ(m.Previous(0), std::nullopt);
    m.ReadList("3,10,40,90");
    EXPECT_EQ(m.Next(5), 40) << "the search starts at the second mark";
}

TEST(StepMarksTest, NamesTheMovieAndTheNarrationsByModel) {
    EXPECT_EQ(MovieFileName("Movie/", 9), "Movie/Fly09.mov");
    EXPECT_EQ(MovieFileName("Movie/", 10), "Movie/Fly10.mov");
    EXPECT_EQ(NarrationName(9, 1), "9-01");
    EXPECT_EQ(NarrationName(10, 1), "10-01");
    EXPECT_EQ(NarrationName(12, 4), "12-04");
    EXPECT_EQ(NarrationName(3, 11), "3-11");
}

}  // namespace
