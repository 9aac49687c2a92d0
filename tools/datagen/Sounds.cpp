// Sounds: soft mallet tones on a pentatonic tune over a slow chord loop. Note tails that run
// past the end are added at the start again, so the loop has no seam.
#include "Sounds.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace {

constexpr double beat = 60.0 / 88;  // seconds per beat: an unhurried walk

struct Note {
    double at;      // beat within the bar
    double length;  // beats
    int midi;
};

double Frequency(int midi) { return 440.0 * std::pow(2.0, (midi - 69) / 12.0); }

// A mallet tone: quick attack, exponential decay, a touch of the octave for warmth.
void AddTone(std::vector<float>& out, double start, double seconds, double hz, double level,
             double decay) {
    const size_t n = out.size();
    const auto first = size_t(start * soundRate);
    const auto count = size_t((seconds + decay * 3) * soundRate);
    for (size_t i = 0; i < count; ++i) {
        const double t = double(i) / soundRate;
        const double attack = std::min(1.0, t / 0.012);
        const double release = t > seconds ? std::exp(-(t - seconds) / (decay * 0.5)) : 1.0;
        const double envelope = attack * std::exp(-t / decay) * release;
        const double wave = std::sin(2 * M_PI * hz * t) + 0.25 * std::sin(4 * M_PI * hz * t) +
                            0.06 * std::sin(6 * M_PI * hz * t);
        out[(first + i) % n] += float(level * envelope * wave);
    }
}

const int kChords[12][3] = {{48, 52, 55}, {45, 48, 52}, {41, 45, 48}, {43, 47, 50},
                            {48, 52, 55}, {40, 43, 47}, {41, 45, 48}, {43, 47, 50},
                            {45, 48, 52}, {41, 45, 48}, {48, 52, 55}, {43, 47, 50}};

const std::vector<Note> kMelody[12] = {
    {{0, 1, 76}, {1, 1, 79}, {2, 1.5, 81}, {3.5, 0.5, 79}},
    {{0, 2, 76}, {2, 1, 72}, {3, 1, 74}},
    {{0, 1.5, 72}, {1.5, 0.5, 69}, {2, 2, 72}},
    {{0, 1, 74}, {1, 1, 76}, {2, 2, 79}},
    {{0, 1, 79}, {1, 1, 81}, {2, 1, 79}, {3, 1, 76}},
    {{0, 2, 79}, {2, 1, 76}, {3, 1, 74}},
    {{0, 1, 72}, {1, 1, 69}, {2, 1, 72}, {3, 1, 74}},
    {{0, 3, 74}},
    {{0, 1, 76}, {1, 1, 81}, {2, 1, 79}, {3, 1, 76}},
    {{0, 1, 74}, {1, 1, 72}, {2, 2, 69}},
    {{0, 1, 72}, {1, 1, 76}, {2, 1, 79}, {3, 1, 76}},
    {{0, 2, 74}, {2, 2, 67}},
};

void Normalise(std::vector<float>& out, float peak) {
    float top = 0;
    for (float s : out) top = std::max(top, std::fabs(s));
    if (top <= 0) return;
    for (float& s : out) s = s * peak / top;
}

}  // namespace

bool WriteWave(const std::string& path, const std::vector<float>& samples) {
    const uint32_t dataSize = uint32_t(samples.size() * 2);
    std::vector<uint8_t> file(44 + dataSize);
    auto put = [&](size_t at, uint32_t v, int bytes) {
        for (int i = 0; i < bytes; ++i) file[at + i] = uint8_t(v >> (8 * i));
    };
    std::copy_n("RIFF", 4, file.begin());
    put(4, 36 + dataSize, 4);
    std::copy_n("WAVEfmt ", 8, file.begin() + 8);
    put(16, 16, 4);
    put(20, 1, 2);  // PCM
    put(22, 1, 2);  // mono
    put(24, soundRate, 4);
    put(28, soundRate * 2, 4);
    put(32, 2, 2);
    put(34, 16, 2);
    std::copy_n("data", 4, file.begin() + 36);
    put(40, dataSize, 4);
    for (size_t i = 0; i < samples.size(); ++i) {
        const long v = std::lround(std::clamp(samples[i], -1.0f, 1.0f) * 32767);
        put(44 + i * 2, uint32_t(v) & 0xFFFF, 2);
    }
    FILE* out = std::fopen(path.c_str(), "wb");
    if (out == nullptr) return false;
    const bool written = std::fwrite(file.data(), 1, file.size(), out) == file.size();
    return std::fclose(out) == 0 && written;
}

std::vector<float> MakeClick() {
    std::vector<float> out(size_t(0.09 * soundRate), 0.0f);
    for (size_t i = 0; i < out.size(); ++i) {
        const double t = double(i) / soundRate;
        const double attack = std::min(1.0, t / 0.001);
        const double body = std::sin(2 * M_PI * 1250 * t) * std::exp(-t / 0.008) +
                            0.7 * std::sin(2 * M_PI * 620 * t) * std::exp(-t / 0.018);
        out[i] = float(attack * body);
    }
    Normalise(out, 0.4f);
    return out;
}

std::vector<float> MakeTune() {
    const double bar = 4 * beat;
    std::vector<float> out(size_t(12 * bar * soundRate), 0.0f);
    for (int b = 0; b < 12; ++b) {
        const double start = b * bar;
        AddTone(out, start, 2 * beat, Frequency(kChords[b][0] - 12), 0.30, 0.9);
        AddTone(out, start + 2 * beat, 2 * beat, Frequency(kChords[b][0] - 12), 0.22, 0.9);
        // A soft broken chord in eighths keeps the tune moving without pushing.
        const int order[] = {0, 1, 2, 1, 0, 1, 2, 1};
        for (int e = 0; e < 8; ++e) {
            AddTone(out, start + e * beat / 2, beat / 2, Frequency(kChords[b][order[e]] + 12),
                    e % 2 == 0 ? 0.10 : 0.07, 0.28);
        }
        for (const Note& n : kMelody[b]) {
            AddTone(out, start + n.at * beat, n.length * beat, Frequency(n.midi), 0.22, 0.55);
        }
    }
    Normalise(out, 0.5f);
    return out;
}
