// Sound and voice inside the running Controller: the start-up tune, volume and greeting, the
// tour paced by the spoken cues, and a program without a sound device.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>
#include <vector>

#include "fakes/FakeAudioDevice.h"
#include "fakes/FakeAudioFiles.h"
#include "fakes/FakePlatform.h"
#include "shell/Controller.h"
#include "shell/StartupPaths.h"
#include "sound/SoundEngine.h"

namespace {

// A fake platform with a fake sound device and the files the start-up plays.
struct VoicePlatform {
    explicit VoicePlatform(const std::string& commandLine = "zephine-program c0")
        : f(1024, 768, commandLine) {
        f.platform.audio = &audio;
        const InstallPaths paths = ReadInstallPaths(f.platform.environment);
        ToneSpec tone{.frames = 64};
        for (const PathString& folder : {paths.effectDir, paths.chineseDir, paths.englishDir}) {
            std::filesystem::create_directories(folder);
        }
        Write(paths.effectDir + "Diy.wav", tone);
        for (int n = 205; n <= 269; ++n) {
            Write(paths.chineseDir + "c" + std::to_string(n) + ".wav", tone);
            Write(paths.englishDir + "c" + std::to_string(n) + ".wav", tone);
        }
    }
    static void Write(const PathString& path, const ToneSpec& tone) {
        std::vector<uint8_t> bytes = ToneWave(tone);
        FILE* file = std::fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr) << path;
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }

    FakePlatform f;
    FakeAudioDevice audio;
};

TEST(ControllerVoiceTest, StartUpPlaysTheTuneSetsTheVolumeAndGreets) {
    VoicePlatform v;
    Controller c(v.f.window, v.f.platform);
    ASSERT_NE(c.Sound(), nullptr);
    EXPECT_EQ(c.Sound()->IsPlaying(c.Paths().effectDir + "Diy.wav"), 1);
    EXPECT_TRUE(v.audio.sounds.front()->looping);
    EXPECT_EQ(v.audio.outputVolume, SoundEngine::OutputVolumeForLevel(3));
    EXPECT_EQ(c.Prompts().CurrentCue(), c.Paths().chineseDir + "c205.wav");
    EXPECT_FALSE(c.IsCueFinished());
}

TEST(ControllerVoiceTest, InEnglishTheCuesComeFromTheEnglishFolder) {
    VoicePlatform v("zephine-program e0");
    Controller c(v.f.window, v.f.platform);
    v.audio.FinishAll();
    c.Timer(2);
    v.audio.FinishAll();
    c.Timer(2);
    EXPECT_EQ(c.Prompts().CurrentCue(), c.Paths().englishDir + "c207.wav");
    EXPECT_EQ(c.Sound()->IsPlaying(c.Paths().englishDir + "c207.wav"), 1);
}

TEST(ControllerVoiceTest, WithoutASoundDeviceTheProgramRunsSilently) {
    VoicePlatform v;
    v.audio.openResult = AudioOpen::noDevice;
    Controller c(v.f.window, v.f.platform);
    EXPECT_EQ(c.Sound(), nullptr);
    // The test installation has no model: its "Load Error" is the only message.
    for (const auto& box : v.f.boxes.shown) EXPECT_EQ(box.first, "Load Error");
    EXPECT_TRUE(c.IsCueFinished());
    c.Timer(2);
    EXPECT_EQ(c.Tours().State().demoStep, 2);
    c.PlayEffect("B100");
    c.StopCue();
    EXPECT_TRUE(v.audio.sounds.empty());
}

TEST(ControllerVoiceTest, ASaveClicksOnlyWhenTheWorkIsWritten) {
    VoicePlatform v;
    Controller c(v.f.window, v.f.platform);
    VoicePlatform::Write(c.Paths().effectDir + "B100.wav", ToneSpec{.frames = 64});
    c.Tours().Stop();
    const Rect& save = c.Layout().docin;
    v.f.files.failWrites = true;
    c.ButtonDown(save.CentreX(), save.CentreY());
    c.ButtonUp(save.CentreX(), save.CentreY());
    EXPECT_EQ(c.Sound()->IsPlaying(c.Paths().effectDir + "B100.wav"), 0);
    v.f.files.failWrites = false;
    c.ButtonDown(save.CentreX(), save.CentreY());
    c.ButtonUp(save.CentreX(), save.CentreY());
    EXPECT_EQ(c.Sound()->IsPlaying(c.Paths().effectDir + "B100.wav"), 1);
}

TEST(ControllerVoiceTest, ClosingTheProgramReleasesTheSoundsAndGivesTheVolumeBack) {
    VoicePlatform v;
    v.audio.outputVolume = 0x40004000u;
    { Controller c(v.f.window, v.f.platform); }
    EXPECT_EQ(v.audio.LiveBuffers(), 0);
    EXPECT_EQ(v.audio.outputVolume, 0x40004000u);
    EXPECT_FALSE(v.audio.open);
}

}  // namespace
