// Fuzzes the WAVE reader: any bytes give a code, and a success holds exactly what it reports.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "sound/WaveReader.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Wave wave = ReadWave(std::span<const uint8_t>(data, size));
    if (wave.code == waveOk) {
        if (wave.data.size() != wave.size || wave.data.size() > size) std::abort();
        if (wave.format.size() != 18u + wave.Format().extraSize) std::abort();
    } else if (!wave.data.empty() || !wave.format.empty()) {
        std::abort();
    }
    return 0;
}
