// AudioDevice port: the mixer the sound engine plays its decoded files through, and the
// program's master output volume.
#pragma once

#include <cstdint>
#include <memory>
#include <span>


// The layout of a WAVE file's samples, taken from its format block.
struct SampleFormat {
    uint16_t tag = 0;  // 1 = integer PCM, 3 = floating point
    uint16_t channels = 0;
    uint32_t rate = 0;  // frames per second
    uint16_t bits = 0;  // per sample
};

// One decoded sound held by the mixer, converted to the device's format when it was made.
// Releasing the object stops it and frees its samples.
class AudioBuffer {
public:
    virtual ~AudioBuffer() = default;
    // True while the mixer plays it (a sound that ran to its end is not playing).
    [[nodiscard]] virtual bool IsPlaying() = 0;
    // Moves the play position back to the start; false when the mixer refuses.
    [[nodiscard]] virtual bool Rewind() = 0;
    // Plays from the current position, in a loop when asked; false when the mixer refuses.
    [[nodiscard]] virtual bool Play(bool looping) = 0;
    // False when the mixer refuses to stop it.
    [[nodiscard]] virtual bool Stop() = 0;
    // Hundredths of a decibel: 0 is full, -10000 is silent. False when refused.
    [[nodiscard]] virtual bool SetVolume(int32_t hundredthsOfDb) = 0;
};

enum class AudioOpen {
    opened,
    noFormatInfo,  // the device cannot say which formats it takes
    noMemory,      // no memory for the device's working state
    noDevice,      // no sound device, or it would not start
};

enum class VolumeControl {
    failed,     // the device's capabilities cannot be read
    none,       // no volume control, or no separate left and right control
    leftRight,  // volume with separate left and right control
};

class AudioDevice {
public:
    virtual ~AudioDevice() = default;

    // Opens the device and keeps its mixer running until Close.
    [[nodiscard]] virtual AudioOpen Open() = 0;
    // Every buffer must have been released before.
    virtual void Close() = 0;

    // A buffer holding a copy of the samples, converted once. Null when the mixer cannot take
    // the format, there are no whole frames or memory runs out.
    [[nodiscard]] virtual std::unique_ptr<AudioBuffer> CreateBuffer(
        const SampleFormat& format, std::span<const uint8_t> samples) = 0;
    // A buffer decoded by the mixer from a whole WAVE file of a compressed format (IMA ADPCM).
    // Null when the mixer cannot decode it or memory runs out.
    [[nodiscard]] virtual std::unique_ptr<AudioBuffer> CreateBufferFromWave(
        std::span<const uint8_t> file) = 0;

    // The master output volume: left channel in the low 16 bits, right in the high 16 bits.
    [[nodiscard]] virtual VolumeControl OutputVolumeControl() = 0;
    // False when the volume cannot be read.
    [[nodiscard]] virtual bool GetOutputVolume(uint32_t& value) = 0;
    // False when the volume cannot be set.
    [[nodiscard]] virtual bool SetOutputVolume(uint32_t value) = 0;
};
