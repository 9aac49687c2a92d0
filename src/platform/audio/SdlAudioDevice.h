// SdlAudioDevice: the AudioDevice port over SDL2_mixer. Each buffer owns its converted samples and
// one mixer channel of its own, so playing it again restarts it. The master volume is a gain
// applied to the finished mix, left and right apart.
#pragma once

#include <atomic>
#include <cstdint>
#include <vector>

#include "platform/AudioDevice.h"

struct Mix_Chunk;

class SdlAudioDevice final : public AudioDevice {
public:
    SdlAudioDevice() = default;
    // Must outlive every buffer it made.
    ~SdlAudioDevice() override;
    SdlAudioDevice(const SdlAudioDevice&) = delete;
    SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

    [[nodiscard]] AudioOpen Open() override;
    void Close() override;
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBuffer(
        const SampleFormat& format, std::span<const uint8_t> samples) override;
    [[nodiscard]] std::unique_ptr<AudioBuffer> CreateBufferFromWave(
        std::span<const uint8_t> file) override;
    [[nodiscard]] VolumeControl OutputVolumeControl() override;
    [[nodiscard]] bool GetOutputVolume(uint32_t& value) override;
    [[nodiscard]] bool SetOutputVolume(uint32_t value) override;

    // Used by the buffers.
    [[nodiscard]] bool IsOpen() const { return open; }
    [[nodiscard]] int AcquireChannel();
    void ReleaseChannel(int channel);

private:
    [[nodiscard]] std::unique_ptr<AudioBuffer> Hold(std::unique_ptr<uint8_t[]> samples,
                                                    Mix_Chunk* chunk);
    static void ApplyGain(void* self, uint8_t* stream, int length);

    bool open = false;
    bool toldNoSound = false;  // the one line on stderr, once
    int deviceRate = 0;
    uint16_t deviceFormat = 0;
    int deviceChannels = 0;
    std::vector<bool> channelInUse;
    // Written on the UI thread, read by the mixer's thread.
    std::atomic<uint32_t> outputVolume{0xFFFFFFFFu};
};
