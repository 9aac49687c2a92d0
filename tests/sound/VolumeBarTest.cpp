// The volume bar: the knob's place, dragging and release, and the output volume it sets.
#include "sound/VolumeBar.h"

#include <gtest/gtest.h>

#include "sound/SoundTestKit.h"

namespace {

constexpr uint32_t knobColour = 0x3060C0;

struct BarRig {
    FakeSoundHost host;
    int32_t volumeLevel = 3;
    VolumeBar bar{volumeLevel};
    const Rect& vol = host.layout.vol;  // (277, 157, 402, 182) on 1024 by 768: 125 wide

    BarRig() { bar.knob = SolidPicture(25, 20, knobColour); }  // leaves the knob 100 to move
    [[nodiscard]] Rect Redrawn() const {
        Rect r = vol;
        r.Inflate(20, 20);
        return r;
    }
};

TEST(VolumeBarTest, TheKnobMovesRightAndRisesWithTheLevel) {
    BarRig rig;
    const int32_t expected[7][2] = {{277, 165}, {293, 163}, {310, 161}, {327, 159},
                                    {343, 157}, {360, 155}, {377, 153}};
    for (int32_t level = 0; level <= 6; ++level) {
        rig.bar.volumeLevel = level;
        EXPECT_EQ(rig.bar.KnobX(rig.vol), expected[level][0]) << level;
        EXPECT_EQ(rig.bar.KnobY(rig.vol), expected[level][1]) << level;
    }
}

TEST(VolumeBarTest, DrawingShowsTheKnobAndSetsTheOutputVolume) {
    BarRig rig;
    VoiceRig voice;
    rig.bar.volumeLevel = 1;
    rig.bar.Draw(rig.host.screen, rig.vol, &voice.engine);
    EXPECT_EQ(voice.device.outputVolume, 10922u | (10922u << 16));
    EXPECT_EQ(rig.host.screen.PixelAt(293 + 5, 163 + 5), knobColour);
    EXPECT_EQ(rig.host.screen.PixelAt(293, 163), 0u);  // white is left out
    rig.bar.volumeLevel = 0;
    rig.bar.Draw(rig.host.screen, rig.vol, &voice.engine);
    EXPECT_EQ(voice.device.outputVolume, 0u);
    // Without sound the knob is still drawn.
    rig.bar.volumeLevel = 6;
    rig.bar.Draw(rig.host.screen, rig.vol, nullptr);
    EXPECT_EQ(rig.host.screen.PixelAt(377 + 5, 153 + 5), knobColour);
}

TEST(VolumeBarTest, DraggingInsideTheBarFollowsThePointer) {
    BarRig rig;
    EXPECT_FALSE(rig.bar.Press(rig.host, 276, 160));
    EXPECT_EQ(rig.host.pressed, 0);
    rig.bar.Move(rig.host, 300, 160);  // not held: nothing
    EXPECT_EQ(rig.bar.volumeLevel, 3);

    ASSERT_TRUE(rig.bar.Press(rig.host, 280, 160));
    EXPECT_EQ(rig.host.pressed, 26);
    EXPECT_EQ(rig.host.armed, 1);
    rig.bar.Move(rig.host, 277 + 34, 170);  // 34 × 6 / 100 = 2
    EXPECT_EQ(rig.bar.volumeLevel, 2);
    EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{rig.Redrawn()});
    rig.bar.Move(rig.host, 401, 170);  // the right end of the bar: capped at 6
    EXPECT_EQ(rig.bar.volumeLevel, 6);
    rig.bar.Move(rig.host, 300, 200);  // outside the bar: the level stays
    EXPECT_EQ(rig.bar.volumeLevel, 6);
    EXPECT_EQ(rig.host.invalidated.size(), 2u);
}

TEST(VolumeBarTest, TheReleaseSetsTheLevelWhereverItHappensAndLetsGo) {
    struct Case {
        int32_t x;
        int32_t level;
    };
    // Right end, beyond it, inside, left of the bar (silent, never negative).
    for (Case c : {Case{377, 6}, Case{900, 6}, Case{277 + 50, 3}, Case{100, 0}, Case{260, 0}}) {
        BarRig rig;
        ASSERT_TRUE(rig.bar.Press(rig.host, 300, 160));
        EXPECT_TRUE(rig.bar.Release(rig.host, c.x));
        EXPECT_EQ(rig.bar.volumeLevel, c.level) << c.x;
        EXPECT_EQ(rig.host.pressed, 0);
        EXPECT_EQ(rig.host.armed, 0);
        EXPECT_EQ(rig.host.invalidated, std::vector<Rect>{rig.Redrawn()});
        EXPECT_FALSE(rig.bar.Release(rig.host, 300));  // no longer held
    }
}

TEST(VolumeBarTest, AKnobAsWideAsTheBarLeavesTheLevelAlone) {
    BarRig rig;
    rig.bar.knob = SolidPicture(125, 20, knobColour);
    ASSERT_TRUE(rig.bar.Press(rig.host, 300, 160));
    rig.bar.Move(rig.host, 390, 160);
    EXPECT_TRUE(rig.bar.Release(rig.host, 390));
    EXPECT_EQ(rig.bar.volumeLevel, 3);
}

}  // namespace
