// Bitmap files for tests.
#include "support/BitmapBytes.h"

#include <cstdlib>

namespace {

void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeBitmapFile(const BitmapSpec& spec) {
    const bool shortForm = spec.headerSize == 12;
    uint32_t colours = spec.coloursUsed;
    if (colours == 0 && spec.bits <= 8) colours = 1u << spec.bits;
    const int entry = shortForm ? 3 : 4;
    const int32_t rows = std::abs(spec.height);
    // Pixel rows only for sensible widths: broken headers get no rows at all.
    const uint32_t pixelWidth = spec.width > 0 && spec.width < 100000 ? uint32_t(spec.width) : 0;
    const uint32_t stride = ((spec.bits * pixelWidth + 31) / 32) * 4;

    std::vector<uint8_t> header;
    if (shortForm) {
        Put(header, 12, 4);
        Put(header, uint32_t(spec.width), 2);
        Put(header, uint32_t(spec.height), 2);
        Put(header, 1, 2);
        Put(header, spec.bits, 2);
    } else {
        Put(header, spec.headerSize, 4);
        Put(header, uint32_t(spec.width), 4);
        Put(header, uint32_t(spec.height), 4);
        Put(header, 1, 2);
        Put(header, spec.bits, 2);
        Put(header, 0, 4);
        Put(header, spec.imageSize, 4);
        Put(header, 0, 8);
        Put(header, spec.coloursUsed, 4);
        Put(header, 0, 4);
        while (header.size() < spec.headerSize) header.push_back(0);
    }
    for (uint32_t i = 0; i < colours && i < 256; ++i) {
        for (int c = 0; c < 3; ++c) header.push_back(uint8_t(i));
        if (entry == 4) header.push_back(0);
    }

    std::vector<uint8_t> out;
    if (spec.fileHeader) {
        out = {'B', 'M'};
        const uint32_t offset = 14 + uint32_t(header.size());
        Put(out, offset + stride * uint32_t(rows), 4);
        Put(out, 0, 4);
        Put(out, offset, 4);
    }
    out.insert(out.end(), header.begin(), header.end());
    for (int32_t stored = 0; stored < rows; ++stored) {
        const int32_t y = spec.height > 0 ? rows - 1 - stored : stored;
        std::vector<uint8_t> row(stride, 0);
        for (int32_t x = 0; x < int32_t(pixelWidth); ++x) {
            if (spec.bits == 24) {
                for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + size_t(c)] = PatternByte(x, y, c);
            } else if (spec.bits == 8) {
                row[size_t(x)] = uint8_t(x + y);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
