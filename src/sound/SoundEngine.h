// SoundEngine: plays the program's WAVE files through the audio port. Each file becomes one
// SoundNode, decoded once and kept by its exact path, so that playing it again only restarts it.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "platform/AudioDevice.h"
#include "base/PathString.h"

class MessageBoxes;

// One file held by the mixer.
struct SoundNode {
    PathString name;               // the file path: the node's key, compared exactly
    uint32_t size = 0;             // number of sample bytes of the file's "data" chunk
    std::vector<uint8_t> format;   // the file's format block
    int32_t volume = 0;            // hundredths of a decibel: 0 full, -10000 silent
    bool looping = false;
    bool silent = false;           // started with the volume at -10000
    bool playing = false;          // the engine started it and has not stopped it
    std::unique_ptr<AudioBuffer> buffer;  // holds the samples, converted once
};

class SoundEngine {
public:
    SoundEngine(AudioDevice& device, MessageBoxes& boxes);
    ~SoundEngine();
    SoundEngine(const SoundEngine&) = delete;
    SoundEngine& operator=(const SoundEngine&) = delete;

    // 0 when the mixer runs, -1 when it cannot start (some failures show a message).
    [[nodiscard]] int Init();
    // 1 when the sound is playing, 0 otherwise. A file played before is restarted from its
    // beginning without reading it again; a file that cannot be read is skipped silently.
    int Play(const PathString& path, bool looping, bool silent);
    // 1 when a node of that name was found (and stopped), else 0.
    int StopByName(const PathString& path);
    // Stops the node and releases it with its samples; 1 when removed, else 0.
    int RemoveByName(const PathString& path);
    // 1 when a node of that name exists and the mixer plays it, else 0.
    [[nodiscard]] int IsPlaying(const PathString& path) const;
    // Sets the master output volume (left in the low 16 bits, right in the high 16 bits).
    // 0 on success or when the device has no separate left and right control, -1 on failure.
    int SetOutputVolume(uint32_t value);
    // Releases every node, gives back the volume found before the first change and closes the
    // device. Runs from the destructor when not called before.
    void Shutdown();

    // The output volume for a volume level: level × 10922 in each channel. Levels outside
    // 0 to 6 count as the nearest end.
    [[nodiscard]] static uint32_t OutputVolumeForLevel(int32_t level);

    [[nodiscard]] bool IsReady() const { return ready; }
    [[nodiscard]] uint32_t SavedVolume() const { return savedVolume; }
    [[nodiscard]] const std::vector<std::unique_ptr<SoundNode>>& Nodes() const { return sounds; }
    [[nodiscard]] const SoundNode* Find(const PathString& path) const;

private:
    [[nodiscard]] SoundNode* FindNode(const PathString& path);
    [[nodiscard]] std::unique_ptr<SoundNode> MakeNode(const PathString& path, bool looping,
                                                      bool silent);
    [[nodiscard]] bool CreateBuffer(SoundNode& node, const std::vector<uint8_t>& data);
    [[nodiscard]] bool StartNode(SoundNode& node);
    void StopNode(SoundNode& node);
    void Unlink(const SoundNode* node);

    AudioDevice& device;
    MessageBoxes& boxes;
    std::vector<std::unique_ptr<SoundNode>> sounds;  // in the order they were added
    uint32_t savedVolume = 0;  // the volume found before the first change; 0 until then
    bool ready = false;
};

// Start-up of the sound: an engine whose mixer runs, or null when it cannot start (the program
// then runs silently).
[[nodiscard]] std::unique_ptr<SoundEngine> StartSoundEngine(AudioDevice& device,
                                                            MessageBoxes& boxes);
