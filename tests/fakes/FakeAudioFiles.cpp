// WAVE files for the sound tests.
#include "fakes/FakeAudioFiles.h"

#include <string>

namespace {

using Bytes = std::vector<uint8_t>;

void Put(Bytes& b, uint32_t v, int count) {
    for (int i = 0; i < count; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

void PutId(Bytes& b, const std::string& id) { b.insert(b.end(), id.begin(), id.end()); }

}  // namespace

std::vector<uint8_t> ToneSamples(const ToneSpec& tone) {
    Bytes samples;
    for (uint32_t f = 0; f < tone.frames; ++f) {
        int32_t value = (f / (tone.period / 2)) % 2 == 0 ? tone.amplitude : -tone.amplitude;
        for (uint16_t c = 0; c < tone.channels; ++c) {
            if (tone.bits == 8) {
                samples.push_back(static_cast<uint8_t>(128 + value / 256));
            } else {
                // Wider samples carry the 16-bit value in their top two bytes.
                for (int pad = 0; pad < tone.bits / 8 - 2; ++pad) samples.push_back(0);
                Put(samples, static_cast<uint32_t>(value), 2);
            }
        }
    }
    return samples;
}

std::vector<uint8_t> ToneWave(const ToneSpec& tone) {
    Bytes samples = ToneSamples(tone);
    uint16_t blockAlign = static_cast<uint16_t>(tone.channels * tone.bits / 8);
    Bytes fmt;
    Put(fmt, tone.tag, 2);
    Put(fmt, tone.channels, 2);
    Put(fmt, tone.rate, 4);
    Put(fmt, tone.rate * blockAlign, 4);
    Put(fmt, blockAlign, 2);
    Put(fmt, tone.bits, 2);
    if (tone.tag != 1) Put(fmt, 0, 2);  // the extra size of a non-PCM format

    Bytes file;
    PutId(file, "RIFF");
    uint32_t dataPadded = static_cast<uint32_t>(samples.size() + samples.size() % 2);
    Put(file, 4 + 8 + static_cast<uint32_t>(fmt.size()) + 8 + dataPadded, 4);
    PutId(file, "WAVE");
    PutId(file, "fmt ");
    Put(file, static_cast<uint32_t>(fmt.size()), 4);
    file.insert(file.end(), fmt.begin(), fmt.end());
    PutId(file, "data");
    Put(file, static_cast<uint32_t>(samples.size()), 4);
    file.insert(file.end(), samples.begin(), samples.end());
    if (samples.size() % 2 == 1) file.push_back(0);
    return file;
}
