// The FFmpeg movie adapter: length and frame rate, the exact frame at any time in any order,
// continuous play decoding each frame once, and files that are not movies.
#include "platform/movie/FfmpegMovieSource.h"

#include <gtest/gtest.h>

#include "TestMovies.h"
#include "support/TempDir.h"

namespace {

class FfmpegMovieSourceTest : public testing::Test {
  protected:
    // Encodes the movie into the test's folder under that name and gives its path.
    std::string Encode(const std::string& name, const TestMovie& movie) {
        std::string error;
        const std::string path = dir.File(name);
        EXPECT_TRUE(WriteTestMovie(path, movie, error)) << error;
        return path;
    }
    // The frame shown at time t, -100 when no picture comes.
    int32_t FrameAt(int32_t t) {
        MoviePicture picture;
        return source.PictureAt(t, picture) ? FrameShown(picture) : -100;
    }

    TempDir dir;
    FfmpegMovieSource source;
};

TEST_F(FfmpegMovieSourceTest, GivesTheExactFrameAtEveryTimeInAnyOrder) {
    ASSERT_TRUE(source.Open(Encode("a.mov", {})));
    // Forward in steps, jumps both ways, just before and on key frames, and out of range.
    const int32_t times[] = {0, 1, 2, 17, 5, 39, 12, 11, 24, 23, 35, 36, 0, 3, 1};
    for (int32_t t : times) EXPECT_EQ(FrameAt(t), t) << "time " << t;
    EXPECT_EQ(FrameAt(40), 39) << "the duration shows the last frame";
    EXPECT_EQ(FrameAt(500), 39);
    EXPECT_EQ(FrameAt(-3), 0);
    for (int32_t t = 39; t >= 0; --t) EXPECT_EQ(FrameAt(t), t) << "backwards " << t;
}

// 40 frames at 15 a second, a key frame every 12 (the test movie's defaults).
TEST_F(FfmpegMovieSourceTest, ContinuousPlayDecodesEachFrameOnceInOrder) {
    ASSERT_TRUE(source.Open(Encode("a.mov", {})));
    EXPECT_EQ(source.Duration(), 40);
    EXPECT_EQ(source.TimeScale(), 15);
    MoviePicture picture;
    ASSERT_TRUE(source.PictureAt(0, picture));
    EXPECT_EQ(picture.width, 128);
    EXPECT_EQ(picture.height, 96);
    EXPECT_EQ(picture.stride, 384);
    EXPECT_GE(picture.pixels.size(), size_t(384 * 96));
    for (int32_t t = 0; t < 40; ++t) ASSERT_EQ(FrameAt(t), t);
    EXPECT_EQ(source.FramesDecoded(), 40);
    EXPECT_EQ(source.Seeks(), 0);
    EXPECT_EQ(FrameAt(39), 39);
    EXPECT_EQ(source.FramesDecoded(), 40) << "the same time again decodes nothing";
}

TEST_F(FfmpegMovieSourceTest, AJumpDecodesFromTheKeyFrameBeforeIt) {
    ASSERT_TRUE(source.Open(Encode("a.mov", {.frames = 60, .keyInterval = 12})));
    ASSERT_EQ(FrameAt(3), 3);
    const int64_t before = source.FramesDecoded();
    ASSERT_EQ(FrameAt(50), 50);
    EXPECT_EQ(source.Seeks(), 1);
    // From key frame 48: at most the key frame, the frames up to 50 and the B-frames' delay.
    EXPECT_LE(source.FramesDecoded() - before, 6);
    ASSERT_EQ(FrameAt(52), 52);
    EXPECT_EQ(source.Seeks(), 1) << "a short step forward decodes on";
}

TEST_F(FfmpegMovieSourceTest, StepsOneFramePerTimeUnitWhateverTheContainerCountsIn) {
    // Matroska counts in milliseconds.
    ASSERT_TRUE(source.Open(
        Encode("a.mkv", {.frames = 25, .fps = 10, .keyInterval = 10, .container = "matroska"})));
    EXPECT_EQ(source.Duration(), 25);
    EXPECT_EQ(source.TimeScale(), 10);
    for (int32_t t : {0, 7, 24, 13, 1}) EXPECT_EQ(FrameAt(t), t) << "time " << t;
    ASSERT_TRUE(source.Open(
        Encode("a.mp4", {.frames = 30, .fps = 25, .keyInterval = 8, .container = "mp4"})));
    EXPECT_EQ(source.Duration(), 30);
    EXPECT_EQ(source.TimeScale(), 25);
    for (int32_t t : {0, 29, 9, 15, 16}) EXPECT_EQ(FrameAt(t), t) << "time " << t;
}

TEST_F(FfmpegMovieSourceTest, RefusesFilesThatAreNotMoviesAndSurvivesATruncatedOne) {
    MoviePicture picture;
    EXPECT_FALSE(source.Open(dir.File("missing.mov")));
    EXPECT_FALSE(source.Open(dir.Write("text.mov", std::string("[FRAME]\nFrame1=3,0,4,9\n"))));
    EXPECT_FALSE(source.Open(dir.Write("empty.mov", std::string())));
    EXPECT_EQ(source.Duration(), 0);
    EXPECT_EQ(source.TimeScale(), 0);
    EXPECT_FALSE(source.PictureAt(0, picture));

    const std::vector<uint8_t> whole = ReadBytes(Encode("a.mov", {}));
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
