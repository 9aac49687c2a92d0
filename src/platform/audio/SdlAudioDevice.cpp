// The SDL2_mixer adapter of the audio port.
#include "platform/audio/SdlAudioDevice.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <fcntl.h>
#include <unistd.h>

#include <climits>
#include <cmath>
#include <cstdio>
#include <new>

namespace {

// While the sound system is probed: ALSA and the sound servers print a wall of lines on a
// machine without sound. The one line that matters is printed by Open itself.
class QuietStderr {
public:
    QuietStderr() : saved(dup(STDERR_FILENO)) {
        const int null = open("/dev/null", O_WRONLY | O_CLOEXEC);
        if (saved >= 0 && null >= 0) (void)dup2(null, STDERR_FILENO);
        if (null >= 0) close(null);
    }
    ~QuietStderr() {
        if (saved < 0) return;
        (void)dup2(saved, STDERR_FILENO);
        close(saved);
    }
    QuietStderr(const QuietStderr&) = delete;
    QuietStderr& operator=(const QuietStderr&) = delete;

private:
    int saved;
};

constexpr int openRate = 44100;
constexpr int openChannels = 2;
// 2048 frames are 46 ms: a click still sounds with the press, and the mixer thread wakes
// 22 times a second instead of 43.
constexpr int openChunkFrames = 2048;

// The SDL format of a WAVE file's samples; 0 when the mixer cannot take it.
SDL_AudioFormat SourceFormat(const SampleFormat& format) {
    if (format.tag == 1) {
        switch (format.bits) {
            case 8: return AUDIO_U8;
            case 16: return AUDIO_S16LSB;
            case 32: return AUDIO_S32LSB;
            default: return 0;
        }
    }
    if (format.tag == 3 && format.bits == 32) return AUDIO_F32LSB;
    return 0;
}

// Hundredths of a decibel to the mixer's 0 to 128 scale.
int MixVolume(int32_t hundredthsOfDb) {
    if (hundredthsOfDb <= -10000) return 0;
    if (hundredthsOfDb >= 0) return MIX_MAX_VOLUME;
    double gain = std::pow(10.0, hundredthsOfDb / 2000.0);
    return static_cast<int>(std::lround(gain * MIX_MAX_VOLUME));
}

class SdlAudioBuffer final : public AudioBuffer {
public:
    SdlAudioBuffer(SdlAudioDevice& device, std::unique_ptr<uint8_t[]> samples, Mix_Chunk* chunk,
                   int channel)
        : device(device), samples(std::move(samples)), chunk(chunk), channel(channel) {}

    ~SdlAudioBuffer() override {
        if (device.IsOpen()) device.ReleaseChannel(channel);
        // A chunk made by Mix_QuickLoad_RAW leaves our samples alone when freed; one the mixer
        // decoded frees its own.
        Mix_FreeChunk(chunk);
    }

    bool IsPlaying() override {
        return device.IsOpen() && Mix_Playing(channel) != 0 && Mix_GetChunk(channel) == chunk;
    }
    // Playing a chunk on its channel always starts it from the beginning.
    bool Rewind() override { return device.IsOpen(); }
    bool Play(bool looping) override {
        if (!device.IsOpen()) return false;
        return Mix_PlayChannel(channel, chunk, looping ? -1 : 0) == channel;
    }
    bool Stop() override {
        if (!device.IsOpen()) return false;
        Mix_HaltChannel(channel);
        return true;
    }
    bool SetVolume(int32_t hundredthsOfDb) override {
        Mix_VolumeChunk(chunk, MixVolume(hundredthsOfDb));
        return true;
    }

private:
    SdlAudioDevice& device;
    std::unique_ptr<uint8_t[]> samples;
    Mix_Chunk* chunk;
    int channel;
};

}  // namespace

SdlAudioDevice::~SdlAudioDevice() { Close(); }

AudioOpen SdlAudioDevice::Open() {
    if (open) return AudioOpen::opened;
    bool started = false;
    {
        const QuietStderr quiet;
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) == 0) {
            started = Mix_OpenAudio(openRate, AUDIO_S16SYS, openChannels, openChunkFrames) == 0;
            if (!started) SDL_QuitSubSystem(SDL_INIT_AUDIO);
        }
    }
    if (!started) {
        if (!toldNoSound) std::fputs("zephine: no sound device; playing on silently\n", stderr);
        toldNoSound = true;
        return AudioOpen::noDevice;
    }
    Mix_QuerySpec(&deviceRate, &deviceFormat, &deviceChannels);
    // Channels are handed out one per buffer as buffers are made.
    Mix_AllocateChannels(0);
    channelInUse.clear();
    Mix_SetPostMix(&SdlAudioDevice::ApplyGain, this);
    open = true;
    return AudioOpen::opened;
}

void SdlAudioDevice::Close() {
    if (!open) return;
    Mix_SetPostMix(nullptr, nullptr);
    Mix_HaltChannel(-1);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    open = false;
    channelInUse.clear();
}

int SdlAudioDevice::AcquireChannel() {
    for (size_t i = 0; i < channelInUse.size(); ++i) {
        if (!channelInUse[i]) {
            channelInUse[i] = true;
            return static_cast<int>(i);
        }
    }
    int wanted = static_cast<int>(channelInUse.size()) + 1;
    if (Mix_AllocateChannels(wanted) != wanted) return -1;
    channelInUse.push_back(true);
    return wanted - 1;
}

void SdlAudioDevice::ReleaseChannel(int channel) {
    if (channel < 0 || static_cast<size_t>(channel) >= channelInUse.size()) return;
    Mix_HaltChannel(channel);
    channelInUse[static_cast<size_t>(channel)] = false;
}

std::unique_ptr<AudioBuffer> SdlAudioDevice::CreateBuffer(const SampleFormat& format,
                                                          std::span<const uint8_t> samples) {
    SDL_AudioFormat source = SourceFormat(format);
    if (!open || source == 0 || format.channels == 0 || format.rate == 0 ||
        format.rate > INT_MAX) {
        return nullptr;
    }
    size_t frame = size_t(format.channels) * (format.bits / 8);
    size_t length = samples.size() / frame * frame;  // whole frames only
    if (length == 0) return nullptr;

    SDL_AudioCVT cvt;
    if (SDL_BuildAudioCVT(&cvt, source, static_cast<Uint8>(format.channels),
                          static_cast<int>(format.rate), deviceFormat,
                          static_cast<Uint8>(deviceChannels), deviceRate) < 0) {
        return nullptr;
    }
    size_t multiple = cvt.needed ? size_t(cvt.len_mult) : 1;
    if (multiple == 0 || length > size_t(INT_MAX) / multiple) return nullptr;
    std::unique_ptr<uint8_t[]> converted(new (std::nothrow) uint8_t[length * multiple]);
    if (!converted) return nullptr;
    SDL_memcpy(converted.get(), samples.data(), length);
    int convertedLength = static_cast<int>(length);
    if (cvt.needed) {
        cvt.buf = converted.get();
        cvt.len = static_cast<int>(length);
        if (SDL_ConvertAudio(&cvt) < 0 || cvt.len_cvt <= 0) return nullptr;
        convertedLength = cvt.len_cvt;
    }

    Mix_Chunk* chunk = Mix_QuickLoad_RAW(converted.get(), static_cast<Uint32>(convertedLength));
    if (chunk == nullptr) return nullptr;
    return Hold(std::move(converted), chunk);
}

// SDL's WAVE loader decodes the compressed formats (IMA and MS ADPCM) and converts to the
// device's format; a truncated or malformed file fails there.
std::unique_ptr<AudioBuffer> SdlAudioDevice::CreateBufferFromWave(std::span<const uint8_t> file) {
    if (!open || file.empty() || file.size() > size_t(INT_MAX)) return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(file.data(), static_cast<int>(file.size()));
    if (source == nullptr) return nullptr;
    Mix_Chunk* chunk = Mix_LoadWAV_RW(source, 1);
    if (chunk == nullptr) return nullptr;
    if (chunk->alen == 0) {
        Mix_FreeChunk(chunk);
        return nullptr;
    }
    return Hold(nullptr, chunk);
}

std::unique_ptr<AudioBuffer> SdlAudioDevice::Hold(std::unique_ptr<uint8_t[]> samples,
                                                  Mix_Chunk* chunk) {
    int channel = AcquireChannel();
    if (channel < 0) {
        Mix_FreeChunk(chunk);
        return nullptr;
    }
    auto* buffer = new (std::nothrow) SdlAudioBuffer(*this, std::move(samples), chunk, channel);
    if (buffer == nullptr) {
        ReleaseChannel(channel);
        Mix_FreeChunk(chunk);
        return nullptr;
    }
    return std::unique_ptr<AudioBuffer>(buffer);
}

VolumeControl SdlAudioDevice::OutputVolumeControl() {
    if (!open) return VolumeControl::failed;
    // The gain works on the signed 16-bit mix the device was opened with.
    return deviceFormat == AUDIO_S16SYS ? VolumeControl::leftRight : VolumeControl::none;
}

bool SdlAudioDevice::GetOutputVolume(uint32_t& value) {
    if (!open) return false;
    value = outputVolume.load();
    return true;
}

bool SdlAudioDevice::SetOutputVolume(uint32_t value) {
    if (!open) return false;
    outputVolume.store(value);
    return true;
}

// Runs on the mixer's thread over the finished mix (signed 16-bit, as opened): even channels
// take the left gain, odd ones the right; a mono device takes their mean.
void SdlAudioDevice::ApplyGain(void* self, uint8_t* stream, int length) {
    auto* device = static_cast<SdlAudioDevice*>(self);
    uint32_t volume = device->outputVolume.load();
    int32_t left = static_cast<int32_t>(volume & 0xFFFF);
    int32_t right = static_cast<int32_t>(volume >> 16);
    if (device->deviceFormat != AUDIO_S16SYS || (left == 0xFFFF && right == 0xFFFF)) return;
    int channels = device->deviceChannels > 0 ? device->deviceChannels : 1;
    if (channels == 1) left = right = (left + right) / 2;
    auto* samples = reinterpret_cast<int16_t*>(stream);
    int count = length / 2;
    for (int i = 0; i < count; ++i) {
        int32_t gain = (i % channels) % 2 == 0 ? left : right;
        samples[i] = static_cast<int16_t>(samples[i] * gain / 0xFFFF);
    }
}
