// The sound engine: the node list, playing, restarting and stopping by name, the output volume.
#include "sound/SoundEngine.h"

#include <algorithm>
#include <new>
#include <utility>

#include "platform/MessageBoxes.h"
#include "sound/WaveReader.h"

namespace {

constexpr int32_t fullVolume = 0;
constexpr int32_t silentVolume = -10000;
constexpr uint32_t levelStep = 10922;
constexpr int32_t topLevel = 6;

// The engine's own messages, in English whatever the child's language.
constexpr const char* mixerError = "Direct Sound Error";

}  // namespace

SoundEngine::SoundEngine(AudioDevice& device, MessageBoxes& boxes) : device(device), boxes(boxes) {}

SoundEngine::~SoundEngine() { Shutdown(); }

int SoundEngine::Init() {
    if (ready) return 0;
    sounds.clear();
    switch (device.Open()) {
        case AudioOpen::opened:
            ready = true;
            return 0;
        case AudioOpen::noFormatInfo:
            boxes.Show("DirectSound", "ACM Metrics failed, aborting");
            return -1;
        case AudioOpen::noMemory:
            boxes.Show("DirectSound", "Out of Memory");
            return -1;
        case AudioOpen::noDevice:
            return -1;
    }
    return -1;
}

int SoundEngine::Play(const PathString& path, bool looping, bool silent) {
    if (!ready) {
        boxes.Show("Not Initialized", "Please Init DSnd at first");
        return 0;
    }
    if (SoundNode* node = FindNode(path)) return StartNode(*node) ? 1 : 0;

    std::unique_ptr<SoundNode> made = MakeNode(path, looping, silent);
    if (!made) return 0;
    SoundNode& node = *made;
    sounds.push_back(std::move(made));
    if (silent) {
        node.volume = silentVolume;
        node.buffer->SetVolume(silentVolume);
    }
    if (StartNode(node)) return 1;
    Unlink(&node);
    return 0;
}

// A node with its buffer, or null (after the designed message, if any).
std::unique_ptr<SoundNode> SoundEngine::MakeNode(const PathString& path, bool looping,
                                                 bool silent) {
    std::unique_ptr<SoundNode> node(new (std::nothrow) SoundNode);
    if (!node) {
        boxes.Show("Out of Memory", "Cannot add this file");
        return nullptr;
    }
    node->name = path;
    node->looping = looping;
    node->silent = silent;
    Wave wave = LoadWave(path);
    if (wave.code != waveOk) return nullptr;  // an unreadable file is skipped silently
    node->size = wave.size;
    node->format = std::move(wave.format);
    if (!CreateBuffer(*node, wave.data)) {
        boxes.Show(mixerError, "Cannot create new buffer");
        return nullptr;
    }
    // The buffer holds its own converted copy; the file's bytes are not needed again.
    return node;
}

bool SoundEngine::CreateBuffer(SoundNode& node, const std::vector<uint8_t>& data) {
    Wave described;
    described.format = node.format;
    WaveFormat fields = described.Format();
    SampleFormat format{fields.tag, fields.channels, fields.rate, fields.bits};
    if (fields.tag == 1 || fields.tag == 3) {
        node.buffer = device.CreateBuffer(format, data);
    } else {
        // A compressed file (the prompts are IMA ADPCM) goes to the mixer whole, format block
        // and all, for its own decoder.
        std::vector<uint8_t> file = WaveFile(node.format, data);
        if (!file.empty()) node.buffer = device.CreateBufferFromWave(file);
    }
    if (!node.buffer) return false;
    if (!node.buffer->SetVolume(fullVolume)) {
        node.buffer.reset();
        return false;
    }
    node.volume = fullVolume;
    return true;
}

bool SoundEngine::StartNode(SoundNode& node) {
    if (node.buffer->IsPlaying() && !node.buffer->Rewind()) {
        boxes.Show(mixerError, "Cannot set current position");
    }
    if (!node.buffer->Play(node.looping)) {
        boxes.Show(mixerError, "Cannot start playing");
        return false;
    }
    node.playing = true;
    return true;
}

void SoundEngine::StopNode(SoundNode& node) {
    if (!node.playing) return;
    if (node.buffer->Stop()) {
        node.playing = false;
    } else {
        boxes.Show(mixerError, "Cannot stop sound");
    }
}

int SoundEngine::StopByName(const PathString& path) {
    SoundNode* node = FindNode(path);
    if (node == nullptr) return 0;
    StopNode(*node);
    return 1;
}

int SoundEngine::RemoveByName(const PathString& path) {
    SoundNode* node = FindNode(path);
    if (node == nullptr) return 0;
    StopNode(*node);
    Unlink(node);
    return 1;
}

int SoundEngine::IsPlaying(const PathString& path) const {
    const SoundNode* node = Find(path);
    return node != nullptr && node->buffer->IsPlaying() ? 1 : 0;
}

int SoundEngine::SetOutputVolume(uint32_t value) {
    switch (device.OutputVolumeControl()) {
        case VolumeControl::failed: return -1;
        case VolumeControl::none: return 0;
        case VolumeControl::leftRight: break;
    }
    if (savedVolume == 0 && !device.GetOutputVolume(savedVolume)) return -1;
    return device.SetOutputVolume(value) ? 0 : -1;
}

void SoundEngine::Shutdown() {
    while (!sounds.empty()) {
        StopNode(*sounds.front());
        sounds.erase(sounds.begin());
    }
    if (savedVolume != 0) {
        device.SetOutputVolume(savedVolume);
        savedVolume = 0;
    }
    if (ready) device.Close();
    ready = false;
}

uint32_t SoundEngine::OutputVolumeForLevel(int32_t level) {
    uint32_t channel = levelStep * static_cast<uint32_t>(std::clamp(level, 0, topLevel));
    return channel | (channel << 16);
}

const SoundNode* SoundEngine::Find(const PathString& path) const {
    for (const auto& node : sounds) {
        if (node->name == path) return node.get();
    }
    return nullptr;
}

SoundNode* SoundEngine::FindNode(const PathString& path) {
    return const_cast<SoundNode*>(std::as_const(*this).Find(path));
}

void SoundEngine::Unlink(const SoundNode* node) {
    std::erase_if(sounds, [node](const auto& held) { return held.get() == node; });
}

std::unique_ptr<SoundEngine> StartSoundEngine(AudioDevice& device, MessageBoxes& boxes) {
    auto engine = std::make_unique<SoundEngine>(device, boxes);
    if (engine->Init() != 0) return nullptr;
    return engine;
}
