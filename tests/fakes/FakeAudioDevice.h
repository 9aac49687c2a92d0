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

class FakeAudioDevice : public AudioDevice {
public:
    [[nodiscard]] AudioOpen Open() override;
    void Close() override;
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBuffer(
        const SampleFormat& format, std::span<const uint8_t> samples) override;
    // Keeps the whole file as the sound's samples, with the format tag 0.
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBufferFromWave(
        std::span<const uint8_t> file) override;
    [[nodiscard]] VolumeControl OutputVolumeControl() override { return volumeControl; }
    [[nodiscard]] bool GetOutputVolume(uint32_t& value) override;
    [[nodiscard]] bool SetOutputVolume(uint32_t value) override;

    // Every sound that is playing once (not in a loop) runs to its end.
    void FinishAll();
    // Buffers made and not yet released.
    [[nodiscard]] int LiveBuffers() const;
    // The last buffer made; null when none was.
    [[nodiscard]] FakeSound* Latest() const;

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
