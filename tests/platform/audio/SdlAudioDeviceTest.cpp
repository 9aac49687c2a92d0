// The SDL2_mixer adapter: formats it takes and refuses, restart and looping, the output volume,
// and (with the disk driver) the samples the sound engine on top of it puts out.
#include "platform/audio/SdlAudioDevice.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "fakes/FakeAudioFiles.h"
#include "fakes/FakePorts.h"
#include "sound/SoundEngine.h"
#include "support/TempDir.h"

namespace {

using namespace std::chrono_literals;

SampleFormat FormatOf(const ToneSpec& tone) {
    return {tone.tag, tone.channels, tone.rate, tone.bits};
}

std::unique_ptr<AudioBuffer> MakeBuffer(SdlAudioDevice& device, const ToneSpec& tone) {
    return device.CreateBuffer(FormatOf(tone), ToneSamples(tone));
}

// Sets an environment variable for one test and puts the old value back.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const std::string& value) : name(name) {
        if (const char* old = std::getenv(name)) saved = old, had = true;
        setenv(name, value.c_str(), 1);
    }
    ~ScopedEnv() { had ? (void)setenv(name, saved.c_str(), 1) : (void)unsetenv(name); }

private:
    const char* name;
    std::string saved;
    bool had = false;
};

struct OpenDevice {
    SdlAudioDevice device;
    OpenDevice() { EXPECT_EQ(device.Open(), AudioOpen::opened); }
};

TEST(SdlAudioDeviceTest, PlaysEightAndSixteenBitMonoAndStereoAtCommonRates) {
    OpenDevice open;
    const ToneSpec tones[] = {
        {.channels = 1, .rate = 11025, .bits = 8},  {.channels = 2, .rate = 22050, .bits = 8},
        {.channels = 1, .rate = 22050, .bits = 16}, {.channels = 2, .rate = 44100, .bits = 16},
        {.channels = 1, .rate = 48000, .bits = 16}, {.channels = 2, .rate = 8000, .bits = 16},
    };
    for (const ToneSpec& tone : tones) {
        SCOPED_TRACE(testing::Message() << tone.channels << " x " << tone.bits << " @ " << tone.rate);
        auto buffer = MakeBuffer(open.device, tone);
        ASSERT_NE(buffer, nullptr);
        EXPECT_TRUE(buffer->SetVolume(0));
        EXPECT_TRUE(buffer->Play(false));
        EXPECT_TRUE(buffer->IsPlaying());
        EXPECT_TRUE(buffer->Stop());
        EXPECT_FALSE(buffer->IsPlaying());
    }
}

TEST(SdlAudioDeviceTest, RefusesWhatTheMixerCannotTake) {
    SdlAudioDevice closed;
    EXPECT_EQ(MakeBuffer(closed, {}), nullptr);
    OpenDevice open;
    EXPECT_EQ(MakeBuffer(open.device, {.tag = 2}), nullptr);       // compressed
    EXPECT_EQ(MakeBuffer(open.device, {.bits = 24}), nullptr);     // packed 24-bit
    EXPECT_EQ(MakeBuffer(open.device, {.channels = 0}), nullptr);
    EXPECT_EQ(MakeBuffer(open.device, {.rate = 0}), nullptr);
    EXPECT_EQ(MakeBuffer(open.device, {.frames = 0}), nullptr);
    std::vector<uint8_t> halfFrame(3);  // 16-bit stereo needs 4 bytes a frame
    EXPECT_EQ(open.device.CreateBuffer({1, 2, 22050, 16}, halfFrame), nullptr);
    // Still usable.
    EXPECT_NE(MakeBuffer(open.device, {}), nullptr);
}

TEST(SdlAudioDeviceTest, ASoundEndsOnItsOwnUnlessItLoops) {
    OpenDevice open;
    ToneSpec brief{.rate = 22050, .frames = 441};  // 20 ms
    auto once = MakeBuffer(open.device, brief);
    auto looped = MakeBuffer(open.device, brief);
    ASSERT_TRUE(once && looped);
    ASSERT_TRUE(once->Play(false));
    ASSERT_TRUE(looped->Play(true));
    std::this_thread::sleep_for(400ms);
    EXPECT_FALSE(once->IsPlaying());
    EXPECT_TRUE(looped->IsPlaying());
    // Played again, the ended sound starts over on its own channel.
    EXPECT_TRUE(once->Rewind());
    EXPECT_TRUE(once->Play(false));
    EXPECT_TRUE(once->IsPlaying());
    EXPECT_TRUE(looped->IsPlaying());
}

TEST(SdlAudioDeviceTest, TheOutputVolumeHasLeftAndRight) {
    SdlAudioDevice device;
    EXPECT_EQ(device.OutputVolumeControl(), VolumeControl::failed);
    ASSERT_EQ(device.Open(), AudioOpen::opened);
    EXPECT_EQ(device.OutputVolumeControl(), VolumeControl::leftRight);
    uint32_t value = 0;
    ASSERT_TRUE(device.GetOutputVolume(value));
    EXPECT_EQ(value, 0xFFFFFFFFu);
    ASSERT_TRUE(device.SetOutputVolume(0x1234ABCDu));
    ASSERT_TRUE(device.GetOutputVolume(value));
    EXPECT_EQ(value, 0x1234ABCDu);
}

TEST(SdlAudioDeviceTest, APlayedWaveFileReachesTheOutputAtTheChosenVolume) {
    TempDir dir;
    std::string output = dir.File("output.raw");
    ScopedEnv driver("SDL_AUDIODRIVER", "disk");
    ScopedEnv file("SDL_DISKAUDIOFILE", output);

    SdlAudioDevice device;
    FakeMessageBoxes boxes;
    auto engine = StartSoundEngine(device, boxes);
    ASSERT_NE(engine, nullptr);
    // 16-bit stereo at the device's own rate, so the samples pass unconverted.
    ToneSpec tone{.channels = 2, .rate = 44100, .bits = 16, .frames = 8820, .amplitude = 16000};
    std::string path = dir.Write("tone.wav", ToneWave(tone));
    ASSERT_EQ(engine->SetOutputVolume(SoundEngine::OutputVolumeForLevel(3)), 0);
    ASSERT_EQ(engine->Play(path, false, false), 1);
    std::this_thread::sleep_for(600ms);
    engine->Shutdown();

    std::vector<uint8_t> bytes = ReadBytes(output);
    ASSERT_GE(bytes.size(), 4u * 8820u);
    int peak = 0;
    for (size_t i = 0; i + 1 < bytes.size(); i += 2) {
        int sample = static_cast<int16_t>(bytes[i] | (bytes[i + 1] << 8));
        peak = std::max(peak, std::abs(sample));
    }
    // Level 3 is 32766 of 65535 in each channel: half the tone's amplitude.
    EXPECT_NEAR(peak, 16000 * 32766 / 65535, 2);
}

// Without a sound card ALSA prints a wall of lines; the child's family sees one line instead,
// once however often the sound is asked for.
TEST(SdlAudioDeviceTest, NoSoundDeviceSaysSoInOneLine) {
    ScopedEnv driver("SDL_AUDIODRIVER", "alsa");
    testing::internal::CaptureStderr();
    SdlAudioDevice device;
    const AudioOpen first = device.Open();
    const AudioOpen second = first == AudioOpen::opened ? first : device.Open();
    const std::string said = testing::internal::GetCapturedStderr();
    if (first == AudioOpen::opened) GTEST_SKIP() << "this machine has a sound card";
    EXPECT_EQ(second, AudioOpen::noDevice);
    EXPECT_EQ(said, "zephine: no sound device; playing on silently\n");
}

}  // namespace
