// Loading model files: counts and lists, the reader's edge cases, and what checking leaves out.
#include "graphics/ModelMesh.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include "graphics/SectionFile.h"
#include "support/TempDir.h"

namespace {

using ::testing::Contains;
using ::testing::HasSubstr;

ModelMesh FromText(const std::string& text) {
    SectionFile file;
    file.OpenText(text);
    ModelMesh mesh;
    mesh.Load(file);
    return mesh;
}

// One triangle over three vertices and three texture coordinates.
const std::string sum = "[SUM]\nMaterials=1\nTriangles=1\nVerticies=3\nNormals=1\nTexture=3\n";
const std::string data =
    "[DATA]\nMaterials={1,0.5,0.25,1,1,1,0,0,0,0,0,0,1,12.5,0}\n"
    "Triangles={0,1,2,0,0,0,2,1,0}\n"
    "Vertices={0,0,0},{1.5,0,0},\n{0,-2,1e1}\n"
    "Normals={0,0,1}\n"
    "Textures={0,0},{1,0},{.5,1}\n"
    "Material_ref={7,-8}\n";

TEST(ModelMeshTest, LoadsEveryListOfSoundFile) {
    TempDir dir;
    ModelMesh mesh;
    ASSERT_TRUE(mesh.Load(dir.Write("Fly01.ini", sum + data)));
    EXPECT_EQ(mesh.materialCount, 1);
    EXPECT_EQ(mesh.triangleCount, 1);
    EXPECT_EQ(mesh.vertexCount, 3);
    EXPECT_EQ(mesh.normalCount, 1);
    EXPECT_EQ(mesh.textureCount, 3);
    EXPECT_EQ(mesh.materials, (std::vector<float>{1, 0.5f, 0.25f, 1, 1, 1, 0, 0, 0, 0, 0, 0, 1,
                                                  12.5f, 0}));
    EXPECT_EQ(mesh.triangles, (std::vector<int16_t>{0, 1, 2, 0, 0, 0, 2, 1, 0}));
    EXPECT_EQ(mesh.vertices, (std::vector<float>{0, 0, 0, 1.5f, 0, 0, 0, -2, 10}));
    EXPECT_EQ(mesh.textureCoords, (std::vector<float>{0, 0, 1, 0, 0.5f, 1}));
    EXPECT_EQ(mesh.materialRefs, (std::vector<int32_t>{7, -8}));
    EXPECT_TRUE(mesh.problems.empty()) << mesh.problems.front();
}

TEST(ModelMeshTest, ListLinesJoinWithoutTheirTrailingSeparator) {
    std::string sum2 = "[sum]\nverticies = 2\n";
    ModelMesh joined = FromText(sum2 + "[data]\nvertices=0,0,0.5\n1.0,2,3\n");
    EXPECT_EQ(joined.vertices, (std::vector<float>{0, 0, 0.51f, 2, 3, 0}));
    EXPECT_THAT(joined.problems, Contains(HasSubstr("\"0.51.0\" is not a number")));
    ModelMesh separated = FromText(sum2 + "[data]\nvertices=0,0,0.5,\n1.0,2,3\n");
    EXPECT_EQ(separated.vertices, (std::vector<float>{0, 0, 0.5f, 1, 2, 3}));
}

TEST(ModelMeshTest, ListsKeepAsManyNumbersAsCountsAskAndShortOrMisnamedOnesReadZero) {
    std::string list;
    for (int i = 0; i < 27; ++i) list += "0,";
    ModelMesh longer = FromText(
        "[SUM]\nTriangles=2\nVerticies=1\nTexture=1\n[DATA]\nTriangles=" + list + "\n");
    EXPECT_EQ(longer.triangleCount, 2);
    EXPECT_EQ(longer.triangles.size(), 18u);
    EXPECT_THAT(longer.problems, Contains(HasSubstr("holds 27 numbers")));
    ModelMesh mesh = FromText("[SUM]\nVerticies=2\nMaterials=1\n[DATA]\nVerticies=1,2,3\n"
                              "Materials=1,2\n");
    EXPECT_EQ(mesh.vertices, std::vector<float>(6, 0.0f));
    EXPECT_EQ(mesh.materials[0], 1.0f);
    EXPECT_EQ(mesh.materials[1], 2.0f);
    EXPECT_EQ(mesh.materials[14], 0.0f);
    EXPECT_EQ(mesh.materialRefs, (std::vector<int32_t>{0, 0}));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("DATA Vertices is missing")));
}

TEST(ModelMeshTest, NegativeOrImpossibleCountsCountZero) {
    ModelMesh mesh = FromText("[SUM]\nMaterials=-1\nTriangles=2000000000\nVerticies=9999\n"
                              "Normals=-5\nTexture=abc\n[DATA]\nVertices=1,2,3\n");
    EXPECT_EQ(mesh.materialCount, 0);
    EXPECT_EQ(mesh.triangleCount, 0);
    EXPECT_EQ(mesh.vertexCount, 0);
    EXPECT_EQ(mesh.normalCount, 0);
    EXPECT_EQ(mesh.textureCount, 0);
    EXPECT_TRUE(mesh.triangles.empty());
    EXPECT_TRUE(mesh.vertices.empty());
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("Materials=-1 is negative")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("Triangles=2000000000 is more than")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("Texture=abc is not a whole number")));
}

TEST(ModelMeshTest, LeavesOutTrianglesWithIndicesOutsideTheirLists) {
    ModelMesh mesh = FromText(
        "[SUM]\nTriangles=4\nVerticies=3\nTexture=2\n[DATA]\nVertices=0,0,0,1,0,0,0,1,0\n"
        "Triangles={0,1,2,0,0,0,0,1,1},{0,1,3,0,0,0,0,0,0},{0,-1,2,0,0,0,0,0,0},"
        "{2,1,0,9,9,9,1,1,2},{2,1,0,0,0,0,1,0,0}\nTextures=0,0,1,1\n");
    EXPECT_EQ(mesh.triangleCount, 1);
    EXPECT_EQ(mesh.triangles, (std::vector<int16_t>{0, 1, 2, 0, 0, 0, 0, 1, 1}));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("triangle 1: vertex index 3")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("triangle 2: vertex index -1")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("triangle 3: texture index 2")));
}

TEST(ModelMeshTest, MalformedPiecesReadTheirPrefixAndAreReported) {
    ModelMesh mesh = FromText(
        "[SUM]\nVerticies=2\nTriangles=1\nMaterials=1\n[DATA]\nVertices=abc,12x,-.5,+2,1e999,3e\n"
        "Triangles=70000,-70000\nMaterials=1e2,2.5e1\nMaterial_ref=99999999999\n");
    EXPECT_EQ(mesh.vertices, (std::vector<float>{0, 12, -0.5f, 2, 0, 3}));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("\"abc\" is not a number")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("\"1e999\" is out of range")));
    EXPECT_EQ(mesh.materials[0], 1.0f);  // no point: read as an integer
    EXPECT_EQ(mesh.materials[1], 25.0f);
    EXPECT_EQ(mesh.materialRefs[0], INT32_MAX);
    // Values beyond 16 bits are clamped, never wrapped onto a valid index; the triangle is
    // then left out.
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("\"70000\" is out of range")));
    EXPECT_THAT(mesh.problems, Contains(HasSubstr("vertex index 32767")));
    EXPECT_EQ(mesh.triangleCount, 0);
}

TEST(ModelMeshTest, ReloadingReplacesEverythingAndAMissingFileEmptiesTheMesh) {
    ModelMesh mesh = FromText(sum + data);
    SectionFile other;
    other.OpenText("[SUM]\nVerticies=1\n[DATA]\nVertices=4,5,6\n");
    mesh.Load(other);
    EXPECT_EQ(mesh.triangleCount, 0);
    EXPECT_TRUE(mesh.materials.empty());
    EXPECT_EQ(mesh.vertices, (std::vector<float>{4, 5, 6}));
    TempDir dir;
    mesh = FromText(sum + data);
    EXPECT_FALSE(mesh.Load(dir.File("Fly09.ini")));
    EXPECT_EQ(mesh.triangleCount, 0);
    EXPECT_TRUE(mesh.triangles.empty());
    EXPECT_TRUE(mesh.vertices.empty());
}

TEST(ModelMeshTest, CountsTheProblemsPastTheHundredthWithoutWordingThem) {
    // 900 numbers that are not numbers, then 200 triangles whose vertex index is out of range.
    std::string vertices, triangles;
    for (int i = 0; i < 900; ++i) vertices += "x,";
    for (int i = 0; i < 200; ++i) triangles += "999,0,0,0,0,0,0,0,0,";
    const ModelMesh mesh =
        FromText("[SUM]\nTriangles=200\nVerticies=300\nTexture=1\n[DATA]\nVertices=" + vertices +
                 "\nTriangles=" + triangles + "\nTextures=0,0\n");
    EXPECT_EQ(mesh.triangleCount, 0);
    ASSERT_EQ(mesh.problems.size(), 101u);
    EXPECT_THAT(mesh.problems[0], HasSubstr("Vertices number 0"));
    EXPECT_EQ(mesh.problems.back(), "and 1000 more problems");
}

}  // namespace
