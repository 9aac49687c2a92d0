// The movie player over the fake movie source: its pacing, its end, and its one-picture
// prefetch.
#include "flight/MoviePlayer.h"

#include <gtest/gtest.h>

#include <vector>

#include "fakes/FakeMovieSource.h"

namespace {

struct Rig {
    Rig() { source.movies["Fly01.mov"] = 100; }
    [[nodiscard]] bool Open() { return player.Open("Movie/Fly01.mov"); }
    // One timer step `ms` after the last.
    int Step(uint32_t ms = 67) { return player.Draw(window, area, -1, now += ms); }
    [[nodiscard]] uint32_t Shown() const { return window.PixelAt(15, 15); }

    FakeMovieSource source;
    MoviePlayer player{&source};
    Surface window{64, 48};
    Rect area{10, 10, 42, 34};
    uint32_t now = 5000;
};

TEST(MoviePlayerTest, AMovieOfDurationHundredDrawsHundredAndOnePicturesThenStops) {
    Rig r;
    ASSERT_TRUE(r.Open());
    int drawn = 0;
    for (int i = 0; i < 150; ++i) drawn += r.Step();
    EXPECT_EQ(drawn, 101);
    EXPECT_EQ(r.player.CurrentTime(), 101);
    EXPECT_EQ(r.Shown(), FakeMovieSource::ColourOf(100)) << "the last picture stays";
}

TEST(MoviePlayerTest, ContinuousPlayFetchesEachPictureOnceInOrder) {
    Rig r;
    ASSERT_TRUE(r.Open());
    for (int i = 0; i < 10; ++i) ASSERT_EQ(r.Step(), 1);
    const std::vector<int32_t> expected = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    EXPECT_EQ(r.source.fetched, expected) << "each step draws the picture in hand, fetches one";
    EXPECT_EQ(r.Shown(), FakeMovieSource::ColourOf(9));
    // Drawing the time shown again, as a wait at a mark or a repaint does, fetches nothing.
    r.player.Draw(r.window, r.area, 9, r.now);
    EXPECT_EQ(r.source.fetched.size(), expected.size());
}

TEST(MoviePlayerTest, StepsArePacedByTheTimeScaleNotByTheTimer) {
    Rig r;
    ASSERT_TRUE(r.Open());
    EXPECT_EQ(r.Step(), 1);
    // 15 a second: 66 ms a frame, whatever the 10 ms timer does.
    for (int i = 0; i < 6; ++i) EXPECT_EQ(r.Step(10), 0) << i;
    EXPECT_EQ(r.Step(10), 1);
    EXPECT_EQ(r.player.CurrentTime(), 2);
}

TEST(MoviePlayerTest, AJumpDrawsAtOnceAndThumbnailsLeaveThePlayAsItWas) {
    Rig r;
    ASSERT_TRUE(r.Open());
    EXPECT_EQ(r.player.Draw(r.window, r.area, 40, r.now), 1);
    EXPECT_EQ(r.player.CurrentTime(), 40);
    EXPECT_EQ(r.Shown(), FakeMovieSource::ColourOf(40));
    Surface thumbnail(8, 6);
    EXPECT_TRUE(r.player.DrawStill(thumbnail, thumbnail.Bounds(), 90));
    EXPECT_EQ(thumbnail.PixelAt(3, 3), FakeMovieSource::ColourOf(90));
    EXPECT_EQ(r.player.CurrentTime(), 40);
    r.source.fetched.clear();
    ASSERT_EQ(r.Step(), 1);
    ASSERT_EQ(r.Step(), 1);
    EXPECT_EQ(r.source.fetched, (std::vector<int32_t>{42})) << "41 was in hand";
    EXPECT_FALSE(r.player.DrawStill(thumbnail, thumbnail.Bounds(), 101));
}

TEST(MoviePlayerTest, OpensOneMovieAtATimeAndDrawsNothingWithout) {
    Rig r;
    EXPECT_FALSE(r.player.Open("Movie/Fly02.mov")) << "not a movie the source knows";
    ASSERT_TRUE(r.Open());
    EXPECT_FALSE(r.Open()) << "already open";
    r.player.Close();
    EXPECT_FALSE(r.player.IsLoaded());
    EXPECT_TRUE(r.Open());
    r.source.failPictures = true;
    EXPECT_EQ(r.Step(), 1);
    EXPECT_EQ(r.Shown(), 0u) << "a picture that cannot be had is not drawn";
    MoviePlayer none(nullptr);
    EXPECT_FALSE(none.Open("Movie/Fly01.mov"));
}

}  // namespace
