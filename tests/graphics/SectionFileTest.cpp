// Reading sectioned key=value text: matching, spaces, continuation lines and section ends.
#include "graphics/SectionFile.h"

#include <gtest/gtest.h>

#include "support/TempDir.h"

namespace {

SectionFile FromText(const std::string& text) {
    SectionFile file;
    file.OpenText(text);
    return file;
}

TEST(SectionFileTest, OpensFilesAndFailsOnMissingOnes) {
    TempDir dir;
    SectionFile file;
    EXPECT_FALSE(file.Open(dir.File("missing.ini")));
    EXPECT_FALSE(file.Open(dir.Path()));
    ASSERT_TRUE(file.Open(dir.Write("a.ini", std::string("[SUM]\r\nMaterials=3\r\n"))));
    EXPECT_EQ(file.Value("SUM", "Materials"), "3");
}

TEST(SectionFileTest, MatchesSectionAndKeyWithoutRegardToCase) {
    SectionFile file = FromText("[sum]\nmaterials=3\n");
    EXPECT_EQ(file.Value("SUM", "Materials"), "3");
    EXPECT_EQ(file.Value("Sum", "MATERIALS"), "3");
}

TEST(SectionFileTest, DropsSpacesAndTabsWherever) {
    SectionFile file = FromText("[SUM]\n  Tri angles \t=  1 2\t\n\n\nNormals=4");
    EXPECT_EQ(file.Value("SUM", "Triangles"), "12");
    EXPECT_EQ(file.Value("SUM", "Normals"), "4");
}

TEST(SectionFileTest, JoinsContinuationLinesWithNothingBetween) {
    SectionFile file = FromText("[DATA]\nlead\nVertices=1,2,\n3,4\n5\nTextures=6\n");
    EXPECT_EQ(file.Value("DATA", "Vertices"), "1,2,3,45");
    EXPECT_EQ(file.Value("DATA", "Textures"), "6");
    // A first line without "=" is an entry of its own, with an empty value.
    EXPECT_EQ(file.Value("DATA", "lead"), "");
}

TEST(SectionFileTest, FirstMatchingSectionAndKeyWinAndValueEndsAtSecondEquals) {
    SectionFile file = FromText("[A]\nk=1=2\nk=2\n[A]\nk=3\nj=4\n");
    EXPECT_EQ(file.Value("A", "k"), "1");
    EXPECT_EQ(file.Value("A", "j"), std::nullopt);
}

TEST(SectionFileTest, BracketEndsSectionEvenInsideValue) {
    SectionFile file = FromText("[A]\nk=1[B]\nm=2\n[C]n=3");
    EXPECT_EQ(file.Value("A", "k"), "1");
    EXPECT_EQ(file.Value("A", "m"), std::nullopt);
    EXPECT_EQ(file.Value("B", "m"), "2");
    EXPECT_EQ(file.Value("C", "n"), "3");  // text after "]" is the section's first line
}

TEST(SectionFileTest, ByteFFEndsInput) {
    SectionFile file = FromText(std::string("[A]\nk=1\xFFz=2\n[B]\nm=3\n"));
    EXPECT_EQ(file.Value("A", "k"), "1");
    EXPECT_EQ(file.Value("B", "m"), std::nullopt);
}

TEST(SectionFileTest, AbsentSectionOrKeyGivesNone) {
    SectionFile file = FromText("[A]\nk=1\n[B");
    EXPECT_EQ(file.Value("Z", "k"), std::nullopt);
    EXPECT_EQ(file.Value("A", "z"), std::nullopt);
    EXPECT_EQ(file.Value("B", "k"), std::nullopt);  // a name that never closes holds nothing
    EXPECT_EQ(FromText("").Value("A", "k"), std::nullopt);
}

TEST(SectionFileTest, SwitchingSectionsRereadsEach) {
    SectionFile file = FromText("[SUM]\nVertices=2\n[DATA]\nVertices=1,2\n");
    EXPECT_EQ(file.Value("SUM", "Vertices"), "2");
    EXPECT_EQ(file.Value("DATA", "Vertices"), "1,2");
    EXPECT_EQ(file.Value("SUM", "Vertices"), "2");
}

TEST(SectionFileTest, FormsNumberedKeys) {
    SectionFile file = FromText("[FRAME]\nFrame1=3,10\nFrame12=2,5\n");
    EXPECT_EQ(file.Value("FRAME", "Frame", 12), "2,5");
    EXPECT_EQ(file.Value("FRAME", "Frame", 2), std::nullopt);
}

// Section names have no length limit: a long name matches only itself.
TEST(SectionFileTest, LongSectionNamesMatchWhole) {
    std::string longName(100, 'N');
    SectionFile file = FromText("[" + longName + "]\nk=1\n");
    EXPECT_EQ(file.Value(longName, "k"), "1");
    EXPECT_EQ(file.Value(longName.substr(0, 80), "k"), std::nullopt);
}

TEST(SectionFileTest, DropsBlanksInsideRunsAndEndsTheSectionMidLine) {
    SectionFile file = FromText("[A]\n k e y = v a\tl\r\n ue \nnext=1[B]\nnext=2");
    EXPECT_EQ(file.Value("A", "key"), "value");
    EXPECT_EQ(file.Value("A", "next"), "1");
    EXPECT_EQ(file.Value("B", "next"), "2");
}

}  // namespace
