// The airplane descriptions: faults named with file and line, includes and variants, and the
// files made from them: a model file the program loads cleanly, step marks and narrations that
// match.
#include <gtest/gtest.h>

#include <algorithm>

#include "AirplaneBuild.h"
#include "ModelWriter.h"
#include "Narration.h"
#include "graphics/ModelMesh.h"
#include "support/TempDir.h"

namespace {

const char* const kPlane = R"(sheet 200 100
frame nose 200,50 tail 0,50 up 0,0+0,100
skin dots #ffffff #ff0000
fold valley 0,50 200,50 move 100,90 as half
en Fold it in half.
zh 对折。
open half by 60
name.en Test
name.zh 测试
intro.en Hello.
intro.zh 你好。
open.en Open it.
open.zh 打开。
fly.en Fly.
fly.zh 飞。
)";

std::string ErrorOf(const std::string& text) {
    PlaneDescription d;
    std::string error;
    EXPECT_FALSE(ParseDescription(text, "t.plane", d, error));
    return error;
}

}  // namespace

TEST(AirplaneDescriptionTest, ReadsACompleteDescriptionAndItsNarrationsFollowTheMarks) {
    PlaneDescription d;
    std::string error;
    ASSERT_TRUE(ParseDescription(kPlane, "t.plane", d, error)) << error;
    EXPECT_DOUBLE_EQ(d.width, 200);
    ASSERT_EQ(d.steps.size(), 1u);
    EXPECT_EQ(d.steps[0].kind, FoldKind::valley);
    EXPECT_EQ(d.steps[0].group, 0);
    EXPECT_EQ(d.steps[0].zh, "对折。");
    ASSERT_EQ(d.opens.size(), 1u);
    EXPECT_EQ(d.opens[0].group, 0);
    EXPECT_DOUBLE_EQ(d.up2.y, 100);
    const std::vector<Spoken> texts = NarrationTexts(d, 9);
    // Marks: one a fold, the opening, the flight; narration i + 2 follows mark i.
    ASSERT_EQ(texts.size(), d.steps.size() + 2 + 1);
    EXPECT_EQ(texts[0].name, "9-01");
    EXPECT_EQ(texts[0].en, "Hello.");
    EXPECT_EQ(texts[1].en, "Fold it in half.");
    EXPECT_EQ(texts.back().name, "9-04");
    EXPECT_EQ(texts.back().zh, "飞。");
}

TEST(AirplaneDescriptionTest, FaultsNameTheFileAndLine) {
    EXPECT_EQ(ErrorOf("sheet 200\n").rfind("t.plane:1: ", 0), 0u);
    EXPECT_EQ(ErrorOf("sheet 200 100\nfold sideways 0,0 1,1 move 2,2\n").rfind("t.plane:2: ", 0), 0u);
    EXPECT_NE(ErrorOf("fold valley 0,0 x,1 move 2,2\n").find("x,1"), std::string::npos);
    EXPECT_NE(ErrorOf("fold valley 0,0 1,1\n").find("move"), std::string::npos);
    EXPECT_NE(ErrorOf("en before any fold\n").find("before any fold"), std::string::npos);
    EXPECT_NE(ErrorOf("open wing by 90\n").find("no fold made"), std::string::npos);
    EXPECT_NE(ErrorOf("include missing.fold\n").find("cannot read"), std::string::npos);
    EXPECT_NE(ErrorOf("skin dots #12345 #ffffff\n").find("#rrggbb"), std::string::npos);
    // The Chinese voice reads Latin letters as pinyin.
    std::string latin = kPlane;
    latin.replace(latin.find("你好。"), std::string("你好。").size(), "你好 OK");
    EXPECT_NE(ErrorOf(latin).find("Latin"), std::string::npos);
    // A description that lacks a text is refused as a whole.
    std::string silent = kPlane;
    silent.erase(silent.find("fly.zh"));
    EXPECT_NE(ErrorOf(silent).find("missing"), std::string::npos);
}

TEST(AirplaneDescriptionTest, VariantsReplaceOpeningsAndKeepFolds) {
    TempDir dir;
    (void)dir.Write("base.fold", std::string(kPlane));
    PlaneDescription d;
    std::string error;
    ASSERT_TRUE(ParseDescription("include base.fold\nopen half by 10\nskin stars #000000 #ffffff\n",
                                 dir.File("v.plane"), d, error))
        << error;
    EXPECT_EQ(d.steps.size(), 1u);
    ASSERT_EQ(d.opens.size(), 1u);
    EXPECT_DOUBLE_EQ(d.opens[0].degrees, 10);
    EXPECT_EQ(d.skin.pattern, "stars");
}

TEST(AirplaneDescriptionTest, ModelFileLoadsCleanlyAndKeepsSheetPlaces) {
    PlaneDescription d;
    FoldedPlane f;
    std::vector<Triangle3> model;
    std::string error;
    ASSERT_TRUE(ParseDescription(kPlane, "t.plane", d, error)) << error;
    ASSERT_TRUE(FoldPlane(d, f, error)) << error;
    ASSERT_TRUE(BuildModel(d, f.paper, model, error)) << error;
    TempDir dir;
    ModelMesh mesh;
    ASSERT_TRUE(mesh.Load(dir.Write("Fly01.ini", ModelFileText(model))));
    EXPECT_TRUE(mesh.problems.empty()) << mesh.problems.front();
    ASSERT_EQ(mesh.triangleCount, int(model.size()));
    ASSERT_EQ(mesh.textureCount, 3 * mesh.triangleCount);
    for (float v : mesh.vertices) EXPECT_LE(std::abs(v), 0.61f);  // the view's +-0.5, give or take
    // The whole sheet, corner to corner, is on the skin.
    EXPECT_FLOAT_EQ(*std::min_element(mesh.textureCoords.begin(), mesh.textureCoords.end()), 0);
    EXPECT_FLOAT_EQ(*std::max_element(mesh.textureCoords.begin(), mesh.textureCoords.end()), 1);
}
