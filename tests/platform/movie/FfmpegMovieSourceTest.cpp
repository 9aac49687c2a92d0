// The FFmpeg movie adapter: length and frame rate, the exact frame at any time in any order,
// continuous play decoding each frame once, and files that are not movies.
#include "platform/movie/FfmpegMovieSource.h"

#include <gtest/gtest.h>

#include "TestMovies.h"
#include "support/TempDir.h"

namespace {

std::string Encode(const TempDir& dir, const std::string& name, const TestMovie& movie) {
    std::string error;
    const std::string path = dir.File(name);
    EXPECT_TRUE(WriteTestMovie(path, movie, error)) << error;
    return path;
}

int32_t FrameAt(FfmpegMovieSource& source, int32_t t) {
    MoviePicture picture;
    if (!source.PictureAt(t, picture)) return -100;
    return FrameShown(picture);
}

TEST(FfmpegMovieSourceTest, ReportsTheFrameCountAndTheFrameRate) {
    TempDir dir;
    FfmpegMovieSource source;
    ASSERT_TRUE(source.Open(Encode(dir, "a.mov", {.frames = 40, .fps = 15})));
    EXPECT_EQ(source.Duration(), 40);
    EXPECT_EQ(source.TimeScale(), 15);
    MoviePicture picture;
    ASSERT_TRUE(source.PictureAt(0, picture));
    EXPECT_EQ(picture.width, 128);
    EXPECT_EQ(picture.height, 96);
    EXPECT_EQ(picture.stride, 384);
    EXPECT_GE(picture.pixels.size(), size_t(384 * 96));
}

TEST(FfmpegMovieSourceTest, GivesTheExactFrameAtEveryTimeInAnyOrder) {
    TempDir dir;
    FfmpegMovieSource source;
    ASSERT_TRUE(source.Open(Encode(dir, "a.mov", {.frames = 40, .keyInterval = 12})));
    // Forward in steps, jumps both ways, just before and on key frames, and out of range.
    const int32_t times[] = {0, 1, 2, 17, 5, 39, 12, 11, 24, 23, 35, 36, 0, 3, 1};
    for (int32_t t : times) EXPECT_EQ(FrameAt(source, t), t) << "time " << t;
    EXPECT_EQ(FrameAt(source, 40), 39) << "the duration shows the last frame";
    EXPECT_EQ(FrameAt(source, 500), 39);
    EXPECT_EQ(FrameAt(source, -3), 0);
    for (int32_t t = 39; t >= 0; --t) EXPECT_EQ(FrameAt(source, t), t) << "backwards " << t;
}

TEST(FfmpegMovieSourceTest, ContinuousPlayDecodesEachFrameOnceInOrder) {
    TempDir dir;
    FfmpegMovieSource source;
    ASSERT_TRUE(source.Open(Encode(dir, "a.mov", {.frames = 40, .keyInterval = 12})));
    for (int32_t t = 0; t < 40; ++t) ASSERT_EQ(FrameAt(source, t), t);
    EXPECT_EQ(source.FramesDecoded(), 40);
    EXPECT_EQ(source.Seeks(), 0);
    EXPECT_EQ(FrameAt(source, 39), 39);
    EXPECT_EQ(source.FramesDecoded(), 40) << "the same time again decodes nothing";
}

TEST(FfmpegMovieSourceTest, AJumpDecodesFromTheKeyFrameBeforeIt) {
    TempDir dir;
    FfmpegMovieSource source;
    ASSERT_TRUE(source.Open(Encode(dir, "a.mov", {.frames = 60, .keyInterval = 12})));
    ASSERT_EQ(FrameAt(source, 3), 3);
    const int64_t before = source.FramesDecoded();
    ASSERT_EQ(FrameAt(source, 50), 50);
    EXPECT_EQ(source.Seeks(), 1);
    // From key frame 48: at most the key frame, the frames up to 50 and the B-frames' delay.
    EXPECT_LE(source.FramesDecoded() - before, 6);
    ASSERT_EQ(FrameAt(source, 52), 52);
    EXPECT_EQ(source.Seeks(), 1) << "a short step forward decodes on";
}

TEST(FfmpegMovieSourceTest, StepsOneFramePerTimeUnitWhateverTheContainerCountsIn) {
    TempDir dir;
    FfmpegMovieSource source;
    // Matroska counts in milliseconds.
    ASSERT_TRUE(source.Open(
        Encode(dir, "a.mkv", {.frames = 25, .fps = 10, .keyInterval = 10, .container = "matroska"})));
    EXPECT_EQ(source.Duration(), 25);
    EXPECT_EQ(source.TimeScale(), 10);
    for (int32_t t : {0, 7, 24, 13, 1}) EXPECT_EQ(FrameAt(source, t), t) << "time " << t;
    ASSERT_TRUE(source.Open(
        Encode(dir, "a.mp4", {.frames = 30, .fps = 25, .keyInterval = 8, .container = "mp4"})));
    EXPECT_EQ(source.Duration(), 30);
    EXPECT_EQ(source.TimeScale(), 25);
    for (int32_t t : {0, 29, 9, 15, 16}) EXPECT_EQ(FrameAt(source, t), t) << "time " << t;
}

TEST(FfmpegMovieSourceTest, RefusesFilesThatAreNotMoviesAndSurvivesATruncatedOne) {
    TempDir dir;
    FfmpegMovieSource source;
    MoviePicture picture;
    EXPECT_FALSE(source.Open(dir.File("missing.mov")));
    EXPECT_FALSE(source.Open(dir.Write("text.mov", std::string("[FRAME]\nFrame1=3,0,4,9\n"))));
    EXPECT_FALSE(source.Open(dir.Write("empty.mov", std::string())));
    EXPECT_EQ(source.Duration(), 0);
    EXPECT_EQ(source.TimeScale(), 0);
    EXPECT_FALSE(source.PictureAt(0, picture));

    const std::vector<uint8_t> whole = ReadBytes(Encode(dir, "a.mov", {.frames = 40}));
    ASSERT_GT(whole.size(), 1000u);
    for (size_t keep : {whole.size() / 2, whole.size() - 100, size_t(600)}) {
        const std::vector<uint8_t> part(whole.begin(), whole.begin() + std::ptrdiff_t(keep));
        if (!source.Open(dir.Write("cut.mov", part))) continue;
        // Whatever it gives, it gives safely: a picture is a whole picture.
        for (int32_t t : {0, 39, 10, 20, 5}) {
            if (source.PictureAt(t, picture)) {
                EXPECT_GE(picture.pixels.size(), size_t(picture.stride) * size_t(picture.height));
            }
        }
    }
}

}  // namespace
