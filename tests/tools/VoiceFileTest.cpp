// The installation's voices: a spoken file compressed to IMA ADPCM by the generator, played
// back through the real mixer (SDL's disk driver records what reaches the output).
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "VoiceFile.h"
#include "fakes/FakeAudioFiles.h"
#include "platform/MessageBoxes.h"
#include "platform/audio/SdlAudioDevice.h"
#include "sound/SoundEngine.h"
#include "sound/WaveReader.h"
#include "support/TempDir.h"

namespace {

class QuietBoxes final : public MessageBoxes {
public:
    void Show(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

TEST(VoiceFileTest, ACompressedPromptKeepsItsSoundAndPlaysThroughTheMixer) {
    TempDir dir;
    // One second of tone between half a second of silence on either side.
    const ToneSpec tone{.frames = 22050};
    const Wave pcm = ReadWave(ToneWave(tone));
    std::vector<uint8_t> samples(22050, 0);
    const std::vector<uint8_t> sound = ToneSamples(tone);
    samples.insert(samples.end(), sound.begin(), sound.end());
    samples.resize(samples.size() + 22050, 0);
    const std::string path = dir.Write("c205.wav", WaveFile(pcm.format, samples));

    std::string error;
    ASSERT_TRUE(CompressVoice(path, error)) << error;
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const Wave ima = ReadWave(bytes);
    ASSERT_EQ(ima.code, waveOk);
    EXPECT_EQ(ima.Format().tag, 0x11);
    EXPECT_EQ(ima.Format().rate, 22050u);
    // The silences are cut to 150 ms; the encoder fills its last block of 2041 samples.
    const unsigned perBlock = ima.format.at(18) | (ima.format.at(19) << 8);
    const double seconds = double(ima.size / ima.Format().blockAlign) * perBlock / 22050;
    EXPECT_GE(seconds, 1.3);
    EXPECT_LT(seconds, 1.3 + 2041.0 / 22050);
    EXPECT_LT(bytes.size(), samples.size() / 3);

    std::vector<uint8_t> cut(bytes.begin(), bytes.begin() + bytes.size() / 2);
    std::vector<uint8_t> badBlocks = bytes;
    badBlocks[32] = 3, badBlocks[33] = 0;  // smaller than a block's own header
    const std::string output = dir.File("output.raw");
    setenv("SDL_AUDIODRIVER", "disk", 1);
    setenv("SDL_DISKAUDIOFILE", output.c_str(), 1);
    {
        SdlAudioDevice device;
        QuietBoxes boxes;
        auto engine = StartSoundEngine(device, boxes);
        ASSERT_NE(engine, nullptr);
        EXPECT_EQ(engine->Play(dir.Write("cut.wav", cut), false, false), 0);
        EXPECT_EQ(engine->Play(dir.Write("blocks.wav", badBlocks), false, false), 0);
        ASSERT_EQ(engine->Play(path, false, false), 1);
        std::this_thread::sleep_for(std::chrono::milliseconds(1800));
        engine->Shutdown();
    }
    unsetenv("SDL_AUDIODRIVER");
    unsetenv("SDL_DISKAUDIOFILE");

    // 16-bit stereo at 44,100 Hz: the sounding part lasts the tone's second.
    const std::vector<uint8_t> out = ReadBytes(output);
    size_t first = 0, last = 0;
    for (size_t i = 0; i + 1 < out.size(); i += 2) {
        if (std::abs(static_cast<int16_t>(out[i] | (out[i + 1] << 8))) < 1000) continue;
        if (first == 0) first = i;
        last = i;
    }
    ASSERT_GT(last, first);
    EXPECT_NEAR(double(last - first) / (4 * 44100), 1.0, 0.05);
}

TEST(VoiceFileTest, TrimmingKeepsAQuietFileWhole) {
    const std::vector<int16_t> quiet(5000, 20);
    const SampleRange range = TrimmedRange(quiet, 22050);
    EXPECT_EQ(range.first, 0u);
    EXPECT_EQ(range.count, quiet.size());
}

}  // namespace
