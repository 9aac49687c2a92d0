// The volume bar: the knob's place, dragging and release, and the output volume it sets.
#include "sound/VolumeBar.h"

#include <gtest/gtest.h>

#include "base/ScreenLayout.h"
#include "sound/SoundTestKit.h"

namespace {

constexpr uint32_t knobColour = 0x3060C0;

struct BarRig {
    explicit BarRig(int32_t knobWidth = 25) {
        (void)SolidPicture(knobWidth, 20, knobColour).SaveToFile(dir.File("sound-s.bmp"));
        bar.LoadKnob(dir.File(""));
    }
    // Sets the level as a release at x does.
    void ReleaseAt(int32_t x) {
        ASSERT_TRUE(bar.Press(vol, vol.left, vol.top));
        EXPECT_TRUE(bar.Release(vol, x));
    }
    TempDir dir;
    ScreenLayout layout{1024, 768};
    const Rect& vol = layout.vol;  // (277, 157, 402, 182): 125 wide, the knob has 100 to move
    Surface screen{1024, 768};
    VolumeBar bar;
};

TEST(VolumeBarTest, TheKnobMovesRightAndRisesWithTheLevel) {
    BarRig rig;
    const int32_t expected[7][2] = {{277, 165}, {293, 163}, {310, 161}, {327, 159},
                                    {343, 157}, {360, 155}, {377, 153}};
    for (int32_t level = 0; level <= 6; ++level) {
        rig.ReleaseAt(277 + 17 * level);
        ASSERT_EQ(rig.bar.Level(), level);
        EXPECT_EQ(rig.bar.KnobX(rig.vol), expected[level][0]) << level;
        EXPECT_EQ(rig.bar.KnobY(rig.vol), expected[level][1]) << level;
    }
}

TEST(VolumeBarTest, DrawingShowsTheKnobAndSetsTheOutputVolume) {
    BarRig rig;
    VoiceRig voice;
    rig.ReleaseAt(277 + 17);
    rig.bar.Draw(rig.screen, rig.vol, &voice.engine);
    EXPECT_EQ(voice.device.outputVolume, 10922u | (10922u << 16));
    EXPECT_EQ(rig.screen.PixelAt(293 + 5, 163 + 5), knobColour);
    EXPECT_EQ(rig.screen.PixelAt(293, 163), 0u);  // white is left out
    rig.ReleaseAt(100);
    rig.bar.Draw(rig.screen, rig.vol, &voice.engine);
    EXPECT_EQ(voice.device.outputVolume, 0u);
    // Without sound the knob is still drawn.
    rig.ReleaseAt(401);
    rig.bar.Draw(rig.screen, rig.vol, nullptr);
    EXPECT_EQ(rig.screen.PixelAt(377 + 5, 153 + 5), knobColour);
}

TEST(VolumeBarTest, DraggingInsideTheBarFollowsThePointer) {
    BarRig rig;
    EXPECT_FALSE(rig.bar.Press(rig.vol, 276, 160));
    EXPECT_FALSE(rig.bar.Move(rig.vol, 300, 160));  // not held: nothing
    EXPECT_EQ(rig.bar.Level(), 3);

    ASSERT_TRUE(rig.bar.Press(rig.vol, 280, 160));
    EXPECT_TRUE(rig.bar.Move(rig.vol, 277 + 34, 170));  // 34 × 6 / 100 = 2
    EXPECT_EQ(rig.bar.Level(), 2);
    EXPECT_TRUE(rig.bar.Move(rig.vol, 401, 170));  // the right end of the bar: capped at 6
    EXPECT_EQ(rig.bar.Level(), 6);
    EXPECT_FALSE(rig.bar.Move(rig.vol, 300, 200));  // outside the bar: the level stays
    EXPECT_EQ(rig.bar.Level(), 6);
    Rect redrawn = rig.vol;
    redrawn.Inflate(20, 20);
    EXPECT_EQ(VolumeBar::RedrawArea(rig.vol), redrawn);
}

TEST(VolumeBarTest, TheReleaseSetsTheLevelWhereverItHappensAndLetsGo) {
    struct Case {
        int32_t x;
        int32_t level;
    };
    // Right end, beyond it, inside, left of the bar (silent, never negative).
    for (Case c : {Case{377, 6}, Case{900, 6}, Case{277 + 50, 3}, Case{100, 0}, Case{260, 0}}) {
        BarRig rig;
        rig.ReleaseAt(c.x);
        EXPECT_EQ(rig.bar.Level(), c.level) << c.x;
        EXPECT_FALSE(rig.bar.IsHeld());
        EXPECT_FALSE(rig.bar.Release(rig.vol, 300));  // no longer held
    }
}

TEST(VolumeBarTest, AKnobAsWideAsTheBarLeavesTheLevelAlone) {
    BarRig rig(125);
    rig.ReleaseAt(390);
    EXPECT_EQ(rig.bar.Level(), 3);
}

}  // namespace
