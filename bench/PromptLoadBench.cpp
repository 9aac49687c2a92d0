// The time to load a spoken prompt into the mixer: the installation's IMA ADPCM file against the
// same length of 16-bit PCM. Runs on SDL's dummy audio driver.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/MessageBoxes.h"
#include "platform/audio/SdlAudioDevice.h"
#include "sound/SoundEngine.h"
#include "sound/WaveReader.h"

namespace {

class NoBoxes final : public MessageBoxes {
public:
    void Show(const std::string&, const std::string&) override {}
    bool AskYesNo(const std::string&, const std::string&) override { return false; }
};

void Load(benchmark::State& state, const std::string& path) {
    setenv("SDL_AUDIODRIVER", "dummy", 1);
    SdlAudioDevice device;
    NoBoxes boxes;
    auto engine = StartSoundEngine(device, boxes);
    if (!engine) return state.SkipWithError("no mixer");
    for (auto _ : state) {
        if (engine->Play(path, false, true) != 1) return state.SkipWithError("not played");
        (void)engine->RemoveByName(path);
    }
}

void ImaAdpcm(benchmark::State& state) { Load(state, ZEPHINE_BENCH_PROMPT); }

// A 16-bit mono file as long as the prompt, as the prompts were before.
void Pcm(benchmark::State& state) {
    const Wave ima = LoadWave(ZEPHINE_BENCH_PROMPT);
    if (ima.code != waveOk) return state.SkipWithError("no prompt");
    const unsigned perBlock = ima.format.at(18) | (ima.format.at(19) << 8);
    const size_t frames = ima.size / ima.Format().blockAlign * perBlock;
    const std::vector<uint8_t> format = {1, 0, 1, 0, 0x22, 0x56, 0, 0, 0x44, 0xAC, 0, 0, 2, 0, 16, 0, 0, 0};
    std::vector<uint8_t> samples(frames * 2);
    for (size_t i = 0; i < samples.size(); ++i) samples[i] = uint8_t(i * 37);
    const std::vector<uint8_t> file = WaveFile(format, samples);
    const std::string path = "/tmp/zephine-bench-pcm.wav";
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return state.SkipWithError("cannot write");
    std::fwrite(file.data(), 1, file.size(), out);
    std::fclose(out);
    Load(state, path);
    std::remove(path.c_str());
}

BENCHMARK(ImaAdpcm)->Unit(benchmark::kMicrosecond);
BENCHMARK(Pcm)->Unit(benchmark::kMicrosecond);

}  // namespace
