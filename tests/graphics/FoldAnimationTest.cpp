// Fold-animation files: what is written is read back, and whatever the bytes, the reader either
// gives an animation whose every index and number can be used or refuses it.
#include "graphics/FoldAnimation.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

#include "support/TempDir.h"
#include "support/TestFoldAnimation.h"

namespace {

using ::testing::HasSubstr;

bool Reads(const std::vector<uint8_t>& bytes, std::string* why = nullptr) {
    FoldAnimation a;
    std::string error;
    const bool ok = ReadFoldAnimation(bytes, a, error);
    if (why != nullptr) *why = error;
    EXPECT_EQ(ok, !a.frames.empty());  // a refused file leaves nothing behind
    return ok;
}

void PutF32(std::vector<uint8_t>& bytes, size_t at, float v) { std::memcpy(&bytes[at], &v, 4); }

// Where the parts of SheetAnimation(5, {0, 2}) lie in its file.
constexpr size_t kHeader = 4 + 2 + 16, kMarks = kHeader, kUv = kMarks + 4, kTriangles = kUv + 32;
constexpr size_t kPoses = kTriangles + 12, kFrames = kPoses + 24 + 24;

}  // namespace

TEST(FoldAnimationTest, WhatIsWrittenReadsBackAndLoadsFromAFile) {
    const FoldAnimation a = SheetAnimation();
    const std::vector<uint8_t> bytes = FoldAnimationBytes(a);
    ASSERT_EQ(bytes.size(), kFrames + 5 * 148);
    FoldAnimation b;
    std::string error;
    ASSERT_TRUE(ReadFoldAnimation(bytes, b, error)) << error;
    EXPECT_EQ(b.marks, a.marks);
    EXPECT_EQ(b.uv, a.uv);
    EXPECT_EQ(b.triangles, a.triangles);
    ASSERT_EQ(b.frames.size(), 5u);
    EXPECT_EQ(b.frames[1].guide, FoldGuideKind::valley);
    EXPECT_EQ(b.frames[1].guideArrow, a.frames[1].guideArrow);
    EXPECT_EQ(b.frames[4].backdrop, FoldBackdrop::sky);
    EXPECT_EQ(b.frames[3].transform, a.frames[3].transform);

    TempDir dir;
    const std::string path = dir.Write("Fly01.fan", bytes);
    EXPECT_EQ(FoldAnimationFileFor(dir.File("Fly01.mov")), path);
    EXPECT_TRUE(LoadFoldAnimation(path, b, error)) << error;
    EXPECT_FALSE(LoadFoldAnimation(dir.File("Fly02.fan"), b, error));
    EXPECT_THAT(error, HasSubstr("Fly02.fan"));
}

TEST(FoldAnimationTest, PosesKeepPositionsToSixteenBits) {
    const std::vector<float> positions = {-150, 0, 0.15f, 150, 0.001f, 0, 3.25f, -7, 0.3f};
    const FoldPose pose = MakeFoldPose(positions);
    FoldAnimation a;
    for (size_t v = 0; v < 3; ++v)
        for (size_t axis = 0; axis < 3; ++axis)
            EXPECT_NEAR(a.Position(pose, v)[axis], positions[v * 3 + axis], 300.0 / 65535);
    // A flat axis stays exact.
    const FoldPose flat = MakeFoldPose(std::vector<float>{1, 2, 5, 3, 4, 5});
    EXPECT_EQ(a.Position(flat, 1)[2], 5.0f);
}

TEST(FoldAnimationTest, CutShortCountsIndicesAndNumbersOutOfBoundsAreRefused) {
    const std::vector<uint8_t> good = FoldAnimationBytes(SheetAnimation());
    for (size_t n = 0; n < good.size(); ++n)
        EXPECT_FALSE(Reads({good.begin(), good.begin() + long(n)})) << "cut short at " << n;
    std::vector<uint8_t> longer = good;
    longer.push_back(0);
    EXPECT_FALSE(Reads(longer));
    auto with = [&](auto change) {
        std::vector<uint8_t> b = good;
        change(b);
        std::string why;
        EXPECT_FALSE(Reads(b, &why));
        return why;
    };
    EXPECT_THAT(with([](auto& b) { b[0] = 'X'; }), HasSubstr("not a fold animation"));
    EXPECT_THAT(with([](auto& b) { b[4] = 2; }), HasSubstr("version"));
    EXPECT_THAT(with([](auto& b) { b[6] = 0, b[7] = 0; }), HasSubstr("size"));       // width 0
    EXPECT_THAT(with([](auto& b) { b[12] = 0xFF, b[13] = 0xFF; }), HasSubstr("frame count"));
    EXPECT_THAT(with([](auto& b) { b[14] = 31; }), HasSubstr("step marks"));
    EXPECT_THAT(with([](auto& b) { b[16] = 0xFF, b[17] = 0xFF; }), HasSubstr("mesh"));  // vertices
    EXPECT_THAT(with([](auto& b) { b[20] = 6; }), HasSubstr("pose count"));  // more poses than frames
    EXPECT_THAT(with([](auto& b) { b[20] = 2; }), HasSubstr("shorter"));     // a pose the file lacks
    EXPECT_THAT(with([](auto& b) { b[kMarks + 2] = 0; }), HasSubstr("rising"));
    EXPECT_THAT(with([](auto& b) { b[kMarks + 2] = 9; }), HasSubstr("rising"));  // past the last frame
    EXPECT_THAT(with([](auto& b) { PutF32(b, kUv, NAN); }), HasSubstr("texture"));
    EXPECT_THAT(with([](auto& b) { b[kTriangles + 4] = 4; }), HasSubstr("vertex"));
    EXPECT_THAT(with([](auto& b) { PutF32(b, kPoses + 12, INFINITY); }), HasSubstr("box"));
    EXPECT_THAT(with([](auto& b) { b[kFrames] = 1; }), HasSubstr("frame"));        // pose 1 of 1
    EXPECT_THAT(with([](auto& b) { b[kFrames + 2] = 2; }), HasSubstr("frame"));    // backdrop
    EXPECT_THAT(with([](auto& b) { b[kFrames + 3] = 3; }), HasSubstr("frame"));    // guide
    EXPECT_THAT(with([](auto& b) { PutF32(b, kFrames + 4, 1e30f); }), HasSubstr("frame"));
    EXPECT_THAT(with([](auto& b) { PutF32(b, kFrames + 4 + 48 + 36, 0); }), HasSubstr("frame"));  // no field of view
}
