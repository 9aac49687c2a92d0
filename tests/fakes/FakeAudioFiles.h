// WAVE files made by the tests: tones of a chosen format, written as RIFF bytes.
#pragma once

#include <cstdint>
#include <vector>

struct ToneSpec {
    uint16_t tag = 1;  // 1 = PCM
    uint16_t channels = 1;
    uint32_t rate = 22050;
    uint16_t bits = 16;
    uint32_t frames = 2205;     // 0.1 s at 22050
    int32_t amplitude = 8000;   // on the 16-bit scale; 8-bit samples take the top byte
    uint32_t period = 50;       // frames per square-wave period
};

// The samples of a square wave in the described layout (channels interleaved, little-endian).
[[nodiscard]] std::vector<uint8_t> ToneSamples(const ToneSpec& tone);
// A whole WAVE file: "RIFF", "WAVE", "fmt " and "data" chunks.
[[nodiscard]] std::vector<uint8_t> ToneWave(const ToneSpec& tone);
