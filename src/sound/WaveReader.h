// WaveReader: reads a RIFF WAVE file whole: its format description and all of its sample bytes.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "base/PathString.h"

// Result codes of LoadWave; 0 is success.
enum WaveCode : int {
    waveOk = 0,
    waveNoMemory = 0xE000,     // out of memory for the format or the data
    waveCannotOpen = 0xE100,   // the file cannot be opened
    waveNotWave = 0xE101,      // not "RIFF"/"WAVE", "fmt " below 16 bytes, extra bytes cut short
    waveBadFormat = 0xE102,    // the 16 fixed bytes or the extra size of "fmt " cannot be read
    waveDataCutShort = 0xE103, // the file ends inside the "data" chunk
    waveNoChunk = 0xE110,      // the RIFF chunk holds no "fmt " or no "data" chunk
};

// The fields of a format block, decoded.
struct WaveFormat {
    uint16_t tag = 0;  // 1 = PCM
    uint16_t channels = 0;
    uint32_t rate = 0;  // samples per second
    uint32_t bytesPerSecond = 0;
    uint16_t blockAlign = 0;
    uint16_t bits = 0;
    uint16_t extraSize = 0;
};

struct Wave {
    int code = waveCannotOpen;
    uint32_t size = 0;            // the "data" chunk's size
    std::vector<uint8_t> data;    // exactly the "data" chunk's contents
    std::vector<uint8_t> format;  // 16 fixed bytes of "fmt ", the extra size, the extra bytes

    // The format block's fields; all zero when there is no format block.
    [[nodiscard]] WaveFormat Format() const;
};

// On failure code is non-zero and data and format are empty.
[[nodiscard]] Wave LoadWave(const PathString& path);
// The same rules over a file already in memory.
[[nodiscard]] Wave ReadWave(std::span<const uint8_t> bytes);
// The file a format block and its samples make: "RIFF", "fmt " holding the block, "data".
// Empty when memory runs out.
[[nodiscard]] std::vector<uint8_t> WaveFile(std::span<const uint8_t> format,
                                            std::span<const uint8_t> data);
