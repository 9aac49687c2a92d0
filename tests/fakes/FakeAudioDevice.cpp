// The in-memory audio port.
#include "fakes/FakeAudioDevice.h"

namespace {

class FakeBuffer final : public AudioBuffer {
public:
    explicit FakeBuffer(std::shared_ptr<FakeSound> sound) : sound(std::move(sound)) {}
    ~FakeBuffer() override {
        sound->playing = false;
        sound->released = true;
    }
    bool IsPlaying() override { return sound->playing; }
    bool Rewind() override {
        if (sound->refuseRewind) return false;
        ++sound->rewinds;
        return true;
    }
    bool Play(bool looping) override {
        if (sound->refusePlay) return false;
        ++sound->plays;
        sound->playing = true;
        sound->looping = looping;
        return true;
    }
    bool Stop() override {
        if (sound->refuseStop) return false;
        ++sound->stops;
        sound->playing = false;
        return true;
    }
    bool SetVolume(int32_t hundredthsOfDb) override {
        sound->volume = hundredthsOfDb;
        sound->volumeCalls.push_back(hundredthsOfDb);
        return true;
    }

private:
    std::shared_ptr<FakeSound> sound;
};

}  // namespace

AudioOpen FakeAudioDevice::Open() {
    ++opens;
    open = openResult == AudioOpen::opened;
    return openResult;
}

void FakeAudioDevice::Close() {
    ++closes;
    open = false;
}

std::unique_ptr<AudioBuffer> FakeAudioDevice::CreateBuffer(const SampleFormat& format,
                                                           std::span<const uint8_t> samples) {
    if (!open || refuseBuffers || samples.empty()) return nullptr;
    auto sound = std::make_shared<FakeSound>();
    sound->format = format;
    sound->samples.assign(samples.begin(), samples.end());
    sounds.push_back(sound);
    return std::make_unique<FakeBuffer>(sound);
}

std::unique_ptr<AudioBuffer> FakeAudioDevice::CreateBufferFromWave(std::span<const uint8_t> file) {
    return CreateBuffer(SampleFormat{}, file);
}

bool FakeAudioDevice::GetOutputVolume(uint32_t& value) {
    if (refuseGetVolume) return false;
    value = outputVolume;
    return true;
}

bool FakeAudioDevice::SetOutputVolume(uint32_t value) {
    if (refuseSetVolume) return false;
    outputVolume = value;
    volumeSets.push_back(value);
    return true;
}

void FakeAudioDevice::FinishAll() {
    for (auto& sound : sounds) {
        if (!sound->looping) sound->playing = false;
    }
}

int FakeAudioDevice::LiveBuffers() const {
    int live = 0;
    for (const auto& sound : sounds) live += sound->released ? 0 : 1;
    return live;
}

FakeSound* FakeAudioDevice::Latest() const {
    return sounds.empty() ? nullptr : sounds.back().get();
}
