// FakeAudioDevice: the audio port in memory. Tests decide when a sound ends and inject every
// failure the mixer and the volume control can report.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/AudioDevice.h"

// What the fake knows of one buffer it made. It outlives the buffer, so tests can look at a
// sound the engine has released.
struct FakeSound {
    SampleFormat format;
    std::vector<uint8_t> samples;
    bool playing = false;
    bool looping = false;
    bool released = false;
    int plays = 0;
    int rewinds = 0;
    int stops = 0;
    int32_t volume = 0;
    std::vector<int32_t> volumeCalls;
    bool refuseRewind = false;
    bool refusePlay = false;
    bool refuseStop = false;
};

class FakeBuffer final : public AudioBuffer {
public:
    explicit FakeBuffer(std::shared_ptr<FakeSound> sound) : sound(std::move(sound)) {}
    ~FakeBuffer() override { sound->playing = false, sound->released = true; }
    bool IsPlaying() override { return sound->playing; }
    bool Rewind() override {
        if (sound->refuseRewind) return false;
        ++sound->rewinds;
        return true;
    }
    bool Play(bool looping) override {
        if (sound->refusePlay) return false;
        ++sound->plays;
        sound->playing = true, sound->looping = looping;
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

class FakeAudioDevice : public AudioDevice {
public:
    [[nodiscard]] AudioOpen Open() override {
        ++opens;
        open = openResult == AudioOpen::opened;
        return openResult;
    }
    void Close() override { ++closes, open = false; }
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBuffer(
        const SampleFormat& format, std::span<const uint8_t> samples) override {
        if (!open || refuseBuffers || samples.empty()) return nullptr;
        auto sound = std::make_shared<FakeSound>();
        sound->format = format;
        sound->samples.assign(samples.begin(), samples.end());
        sounds.push_back(sound);
        return std::make_unique<FakeBuffer>(sound);
    }
    // Keeps the whole file as the sound's samples, with the format tag 0.
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBufferFromWave(
        std::span<const uint8_t> file) override {
        return CreateBuffer(SampleFormat{}, file);
    }
    [[nodiscard]] VolumeControl OutputVolumeControl() override { return volumeControl; }
    [[nodiscard]] bool GetOutputVolume(uint32_t& value) override {
        if (refuseGetVolume) return false;
        value = outputVolume;
        return true;
    }
    [[nodiscard]] bool SetOutputVolume(uint32_t value) override {
        if (refuseSetVolume) return false;
        outputVolume = value;
        volumeSets.push_back(value);
        return true;
    }

    // Every sound that is playing once (not in a loop) runs to its end.
    void FinishAll() {
        for (auto& sound : sounds)
            if (!sound->looping) sound->playing = false;
    }
    // Buffers made and not yet released.
    [[nodiscard]] int LiveBuffers() const {
        int live = 0;
        for (const auto& sound : sounds) live += sound->released ? 0 : 1;
        return live;
    }
    // The last buffer made; null when none was.
    [[nodiscard]] FakeSound* Latest() const {
        return sounds.empty() ? nullptr : sounds.back().get();
    }

    // Injected behaviour.
    AudioOpen openResult = AudioOpen::opened;
    VolumeControl volumeControl = VolumeControl::leftRight;
    bool refuseBuffers = false;
    bool refuseGetVolume = false;
    bool refuseSetVolume = false;

    // What happened.
    bool open = false;
    int opens = 0;
    int closes = 0;
    uint32_t outputVolume = 0xFFFFFFFFu;
    std::vector<uint32_t> volumeSets;
    std::vector<std::shared_ptr<FakeSound>> sounds;  // every buffer made, in order
};
