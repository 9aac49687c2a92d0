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

TEST(SectionFileTest, ValuesOfTheReadersRules) {
    const std::nullopt_t none = std::nullopt;
    const struct {
        std::string text;
        const char* section;
        std::string key;
        std::optional<std::string> value;
    } cases[] = {
        // Section and key match without regard to case.
        {"[sum]\nmaterials=3\n", "SUM", "Materials", "3"},
        {"[sum]\nmaterials=3\n", "Sum", "MATERIALS", "3"},
        // Spaces and tabs are dropped wherever they are.
        {"[SUM]\n  Tri angles \t=  1 2\t\n\n\nNormals=4", "SUM", "Triangles", "12"},
        {"[SUM]\n  Tri angles \t=  1 2\t\n\n\nNormals=4", "SUM", "Normals", "4"},
        // Continuation lines join with nothing between; a first line without "=" is a key of
        // its own with an empty value.
        {"[DATA]\nlead\nVertices=1,2,\n3,4\n5\nTextures=6\n", "DATA", "Vertices", "1,2,3,45"},
        {"[DATA]\nlead\nVertices=1,2,\n3,4\n5\nTextures=6\n", "DATA", "Textures", "6"},
        {"[DATA]\nlead\nVertices=1,2,\n3,4\n5\nTextures=6\n", "DATA", "lead", ""},
        // The first matching section and key win; a value ends at a second "=".
        {"[A]\nk=1=2\nk=2\n[A]\nk=3\nj=4\n", "A", "k", "1"},
        {"[A]\nk=1=2\nk=2\n[A]\nk=3\nj=4\n", "A", "j", none},
        // A bracket ends the section even inside a value; text after "]" is a first line.
        {"[A]\nk=1[B]\nm=2\n[C]n=3", "A", "k", "1"},
        {"[A]\nk=1[B]\nm=2\n[C]n=3", "A", "m", none},
        {"[A]\nk=1[B]\nm=2\n[C]n=3", "B", "m", "2"},
        {"[A]\nk=1[B]\nm=2\n[C]n=3", "C", "n", "3"},
        // The byte FF ends the input.
        {"[A]\nk=1\xFFz=2\n[B]\nm=3\n", "A", "k", "1"},
        {"[A]\nk=1\xFFz=2\n[B]\nm=3\n", "B", "m", none},
        // Absent sections and keys, and a name that never closes, hold nothing.
        {"[A]\nk=1\n[B", "Z", "k", none},
        {"[A]\nk=1\n[B", "A", "z", none},
        {"[A]\nk=1\n[B", "B", "k", none},
        {"", "A", "k", none},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FromText(c.text).Value(c.section, c.key), c.value) << c.text << " / " << c.key;
    }
    // Section names have no length limit: a long name matches only itself.
    const std::string longName(100, 'N');
    EXPECT_EQ(FromText("[" + longName + "]\nk=1\n").Value(longName, "k"), "1");
    EXPECT_EQ(FromText("[" + longName + "]\nk=1\n").Value(longName.substr(0, 80), "k"), none);
}

TEST(SectionFileTest, SwitchingSectionsRereadsEachAndNumberedKeysAreFormed) {
    SectionFile file =
        FromText("[SUM]\nVertices=2\n[DATA]\nVertices=1,2\n[FRAME]\nFrame1=3\nFrame12=2,5\n");
    EXPECT_EQ(file.Value("SUM", "Vertices"), "2");
    EXPECT_EQ(file.Value("DATA", "Vertices"), "1,2");
    EXPECT_EQ(file.Value("SUM", "Vertices"), "2");
    EXPECT_EQ(file.Value("FRAME", "Frame", 12), "2,5");
    EXPECT_EQ(file.Value("FRAME", "Frame", 2), std::nullopt);
}

}  // namespace
