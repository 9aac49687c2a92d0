// Builds bitmap files byte by byte, so tests can make valid and broken ones alike.
#pragma once

#include <cstdint>
#include <vector>

struct BitmapLayout {
    int32_t width = 4;
    int32_t height = 2;  // negative: rows stored top row first
    uint16_t bits = 24;
    uint32_t headerSize = 40;  // 12 writes the short form
    uint32_t coloursUsed = 0;
    uint32_t imageSize = 0;  // 0: left for the reader to compute
    bool fileHeader = true;
};

// Pixel (x, y), top-down, of 24-bit test pictures: a pattern that differs at every place.
inline uint8_t PatternByte(int32_t x, int32_t y, int channel) {
    return static_cast<uint8_t>(x * 7 + y * 31 + channel * 101);
}

// A whole file: headers, a grey colour table when the depth needs one, and pattern pixels
// (for 24 bits) or index bytes (others), rows padded to 4 bytes.
std::vector<uint8_t> MakeBitmapFile(const BitmapLayout& layout);
