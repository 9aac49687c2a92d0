// The sound engine over the fake audio port: the node list, restarts, failures and their
// messages, the output volume and shut-down.
#include "sound/SoundEngine.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "sound/SoundTestKit.h"

namespace {

struct EngineRig {
    explicit EngineRig(bool init = true) {
        if (init) {
            EXPECT_EQ(engine.Init(), 0);
        }
    }
    FakeAudioDevice device;
    FakeMessageBoxes boxes;
    SoundEngine engine{device, boxes};
    TempDir dir;
    std::string tone = WriteTone(dir, "tone.wav");
};

TEST(SoundEngineTest, InitFailuresShowTheDesignedMessagesOrNone) {
    struct Case {
        AudioOpen result;
        Messages messages;
    };
    const Case cases[] = {
        {AudioOpen::noFormatInfo, {{"DirectSound", "ACM Metrics failed, aborting"}}},
        {AudioOpen::noMemory, {{"DirectSound", "Out of Memory"}}},
        {AudioOpen::noDevice, {}},
    };
    for (const Case& c : cases) {
        FakeAudioDevice device;
        device.openResult = c.result;
        FakeMessageBoxes boxes;
        EXPECT_EQ(StartSoundEngine(device, boxes), nullptr);
        EXPECT_EQ(boxes.shown, c.messages);
    }
}

TEST(SoundEngineTest, PlayBeforeInitShowsTheMessageAndPlaysNothing) {
    EngineRig rig(false);
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 0);
    EXPECT_EQ(rig.boxes.shown, (Messages{{"Not Initialized", "Please Init DSnd at first"}}));
    EXPECT_TRUE(rig.device.sounds.empty());
}

TEST(SoundEngineTest, PlayMakesOneNodeWithTheFilesSamplesAtFullVolume) {
    EngineRig rig;
    ToneSpec stereo8{.channels = 2, .rate = 11025, .bits = 8, .frames = 300};
    std::string path = WriteTone(rig.dir, "b.wav", stereo8);
    EXPECT_EQ(rig.engine.Play(path, false, false), 1);

    const SoundNode* node = rig.engine.Find(path);
    ASSERT_NE(node, nullptr);
    EXPECT_EQ(node->size, 600u);
    EXPECT_EQ(node->format.size(), 18u);
    EXPECT_TRUE(node->playing);
    FakeSound* sound = rig.device.Latest();
    EXPECT_EQ(sound->samples, ToneSamples(stereo8));
    EXPECT_EQ(sound->format.channels, 2);
    EXPECT_EQ(sound->format.rate, 11025u);
    EXPECT_EQ(sound->format.bits, 8);
    EXPECT_EQ(sound->volumeCalls, std::vector<int32_t>{0});
    EXPECT_FALSE(sound->looping);
    EXPECT_EQ(rig.engine.IsPlaying(path), 1);
}

TEST(SoundEngineTest, PlayingAgainRestartsTheSameNodeWithoutReadingTheFile) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    std::remove(rig.tone.c_str());

    // While it plays: rewound and started again.
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    FakeSound* sound = rig.device.Latest();
    EXPECT_EQ(sound->rewinds, 1);
    EXPECT_EQ(sound->plays, 2);
    // After it ended: started again, with no rewind needed.
    rig.device.FinishAll();
    EXPECT_EQ(rig.engine.IsPlaying(rig.tone), 0);
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    EXPECT_EQ(sound->rewinds, 1);
    EXPECT_EQ(sound->plays, 3);

    EXPECT_EQ(rig.engine.Nodes().size(), 1u);
    EXPECT_EQ(rig.device.sounds.size(), 1u);
}

TEST(SoundEngineTest, PathsThatDifferInLetterCaseAreTwoNodes) {
    EngineRig rig;
    std::string upper = WriteTone(rig.dir, "TONE.wav");
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    EXPECT_EQ(rig.engine.Play(upper, false, false), 1);
    EXPECT_EQ(rig.engine.Nodes().size(), 2u);
    EXPECT_EQ(rig.engine.StopByName(upper), 1);
    EXPECT_EQ(rig.engine.IsPlaying(rig.tone), 1);
}

TEST(SoundEngineTest, LoopingAndSilentStartAreKept) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.Play(rig.tone, true, true), 1);
    FakeSound* sound = rig.device.Latest();
    EXPECT_TRUE(sound->looping);
    EXPECT_EQ(sound->volume, -10000);
    EXPECT_EQ(rig.engine.Find(rig.tone)->volume, -10000);
    rig.device.FinishAll();  // a loop does not end
    EXPECT_EQ(rig.engine.IsPlaying(rig.tone), 1);
}

// Files that cannot be read are skipped silently; a format the mixer refuses shows the message.
// Neither leaves a node, and the engine stays usable.
TEST(SoundEngineTest, SoundsThatCannotBeMadeLeaveNoNode) {
    EngineRig rig;
    std::string notWave = rig.dir.Write("text.wav", std::string("just some text"));
    EXPECT_EQ(rig.engine.Play(rig.dir.File("missing.wav"), false, false), 0);
    EXPECT_EQ(rig.engine.Play(notWave, false, false), 0);
    EXPECT_EQ(rig.engine.Play(rig.dir.Path(), false, false), 0);  // a folder
    EXPECT_TRUE(rig.boxes.shown.empty());
    rig.device.refuseBuffers = true;
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 0);
    EXPECT_EQ(rig.boxes.shown, (Messages{{"Direct Sound Error", "Cannot create new buffer"}}));
    EXPECT_TRUE(rig.engine.Nodes().empty());
    rig.device.refuseBuffers = false;
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 1);
}

TEST(SoundEngineTest, MixerRefusalsWhileStartingAndStopping) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    FakeSound* sound = rig.device.Latest();

    // A rewind that fails is reported, and the sound still starts.
    sound->refuseRewind = true;
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    // A stop that fails is reported and the node still counts as playing.
    sound->refuseStop = true;
    EXPECT_EQ(rig.engine.StopByName(rig.tone), 1);
    EXPECT_TRUE(rig.engine.Find(rig.tone)->playing);
    EXPECT_EQ(rig.boxes.shown, (Messages{{"Direct Sound Error", "Cannot set current position"},
                                         {"Direct Sound Error", "Cannot stop sound"}}));
}

TEST(SoundEngineTest, ANewSoundThatWillNotStartIsUnlinkedAndReleased) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    rig.device.Latest()->refusePlay = true;
    EXPECT_EQ(rig.engine.Play(rig.tone, false, false), 0);  // an old node stays
    EXPECT_EQ(rig.engine.Nodes().size(), 1u);

    // The fake refuses to play every buffer it makes from now on.
    struct RefusingDevice : FakeAudioDevice {
        std::unique_ptr<AudioBuffer> CreateBuffer(const SampleFormat& f,
                                                  std::span<const uint8_t> s) override {
            auto buffer = FakeAudioDevice::CreateBuffer(f, s);
            if (buffer) Latest()->refusePlay = true;
            return buffer;
        }
    } device;
    FakeMessageBoxes boxes;
    SoundEngine engine(device, boxes);
    ASSERT_EQ(engine.Init(), 0);
    EXPECT_EQ(engine.Play(rig.tone, false, false), 0);
    EXPECT_TRUE(engine.Nodes().empty());
    EXPECT_TRUE(device.Latest()->released);
    EXPECT_EQ(boxes.shown, (Messages{{"Direct Sound Error", "Cannot start playing"}}));
}

TEST(SoundEngineTest, StopAndRemoveByName) {
    EngineRig rig;
    ASSERT_EQ(rig.engine.Play(rig.tone, false, false), 1);
    EXPECT_EQ(rig.engine.StopByName(rig.dir.File("other.wav")), 0);
    EXPECT_EQ(rig.engine.RemoveByName(rig.dir.File("other.wav")), 0);

    EXPECT_EQ(rig.engine.StopByName(rig.tone), 1);
    EXPECT_EQ(rig.engine.IsPlaying(rig.tone), 0);
    EXPECT_EQ(rig.engine.StopByName(rig.tone), 1);  // found again, nothing more to stop
    EXPECT_EQ(rig.device.Latest()->stops, 1);

    EXPECT_EQ(rig.engine.RemoveByName(rig.tone), 1);
    EXPECT_TRUE(rig.device.Latest()->released);
    EXPECT_EQ(rig.engine.Find(rig.tone), nullptr);
    EXPECT_EQ(rig.engine.IsPlaying(rig.tone), 0);
    EXPECT_EQ(rig.engine.RemoveByName(rig.tone), 0);
}

// Levels 1 and 0 are held by the volume bar's tests, level 3 by the mixer's output.
TEST(SoundEngineTest, TheVolumeScaleStopsAtBothEnds) {
    EXPECT_EQ(SoundEngine::OutputVolumeForLevel(6), 65532u | (65532u << 16));
    EXPECT_EQ(SoundEngine::OutputVolumeForLevel(-2), 0u);  // never a negative volume
    EXPECT_EQ(SoundEngine::OutputVolumeForLevel(9), SoundEngine::OutputVolumeForLevel(6));
}

TEST(SoundEngineTest, TheFirstVolumeChangeKeepsTheOldVolumeForShutdown) {
    FakeAudioDevice device;
    device.outputVolume = 0x80008000u;
    FakeMessageBoxes boxes;
    {
        SoundEngine engine(device, boxes);
        ASSERT_EQ(engine.Init(), 0);
        EXPECT_EQ(engine.SetOutputVolume(SoundEngine::OutputVolumeForLevel(3)), 0);
        EXPECT_EQ(engine.SetOutputVolume(SoundEngine::OutputVolumeForLevel(0)), 0);
        EXPECT_EQ(engine.SavedVolume(), 0x80008000u);
        EXPECT_EQ(device.outputVolume, 0u);
        engine.Shutdown();
        EXPECT_EQ(device.outputVolume, 0x80008000u);
        EXPECT_FALSE(device.open);
    }
    EXPECT_EQ(device.closes, 1);  // the destructor does not shut down twice
}

// A volume the device cannot take is left alone, with no message: 0 without separate channel
// volumes, -1 when asking for the old volume or setting the new one fails.
TEST(SoundEngineTest, AVolumeTheDeviceCannotTakeIsLeftAlone) {
    const struct {
        VolumeControl control;
        bool refuseGet, refuseSet;
        int result;
    } cases[] = {{VolumeControl::none, false, false, 0},
                 {VolumeControl::failed, false, false, -1},
                 {VolumeControl::leftRight, true, false, -1},
                 {VolumeControl::leftRight, false, true, -1}};
    for (const auto& c : cases) {
        EngineRig rig;
        rig.device.volumeControl = c.control;
        rig.device.refuseGetVolume = c.refuseGet;
        rig.device.refuseSetVolume = c.refuseSet;
        EXPECT_EQ(rig.engine.SetOutputVolume(SoundEngine::OutputVolumeForLevel(6)), c.result);
        rig.engine.Shutdown();
        EXPECT_TRUE(rig.device.volumeSets.empty());
        EXPECT_TRUE(rig.boxes.shown.empty());
    }
}

TEST(SoundEngineTest, ShutdownReleasesEveryNodeBeforeClosingTheDevice) {
    EngineRig rig;
    std::string second = WriteTone(rig.dir, "second.wav");
    ASSERT_EQ(rig.engine.Play(rig.tone, true, false), 1);
    ASSERT_EQ(rig.engine.Play(second, false, false), 1);
    rig.engine.Shutdown();
    EXPECT_EQ(rig.device.LiveBuffers(), 0);
    EXPECT_EQ(rig.device.sounds[0]->stops, 1);
    EXPECT_TRUE(rig.engine.Nodes().empty());
    EXPECT_EQ(rig.device.closes, 1);
    EXPECT_FALSE(rig.engine.IsReady());
}

}  // namespace
