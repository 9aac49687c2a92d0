// Bitmap files for tests.
#include "support/BitmapBytes.h"

#include <cstdlib>

namespace {

void Put(std::vector<uint8_t>& out, uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) out.push_back(uint8_t(value >> (8 * i)));
}

}  // namespace

std::vector<uint8_t> MakeBitmapFile(const BitmapLayout& layout) {
    const bool shortForm = layout.headerSize == 12;
    uint32_t colours = layout.coloursUsed;
    if (colours == 0 && layout.bits <= 8) colours = 1u << layout.bits;
    const int entry = shortForm ? 3 : 4;
    const int32_t rows = std::abs(layout.height);
    // Pixel rows only for sensible widths: broken headers get no rows at all.
    const uint32_t pixelWidth = layout.width > 0 && layout.width < 100000 ? uint32_t(layout.width) : 0;
    const uint32_t stride = ((layout.bits * pixelWidth + 31) / 32) * 4;

    std::vector<uint8_t> header;
    if (shortForm) {
        Put(header, 12, 4);
        Put(header, uint32_t(layout.width), 2);
        Put(header, uint32_t(layout.height), 2);
        Put(header, 1, 2);
        Put(header, layout.bits, 2);
    } else {
        Put(header, layout.headerSize, 4);
        Put(header, uint32_t(layout.width), 4);
        Put(header, uint32_t(layout.height), 4);
        Put(header, 1, 2);
        Put(header, layout.bits, 2);
        Put(header, 0, 4);
        Put(header, layout.imageSize, 4);
        Put(header, 0, 8);
        Put(header, layout.coloursUsed, 4);
        Put(header, 0, 4);
        while (header.size() < layout.headerSize) header.push_back(0);
    }
    for (uint32_t i = 0; i < colours && i < 256; ++i) {
        for (int c = 0; c < 3; ++c) header.push_back(uint8_t(i));
        if (entry == 4) header.push_back(0);
    }

    std::vector<uint8_t> out;
    if (layout.fileHeader) {
        out = {'B', 'M'};
        const uint32_t offset = 14 + uint32_t(header.size());
        Put(out, offset + stride * uint32_t(rows), 4);
        Put(out, 0, 4);
        Put(out, offset, 4);
    }
    out.insert(out.end(), header.begin(), header.end());
    for (int32_t stored = 0; stored < rows; ++stored) {
        const int32_t y = layout.height > 0 ? rows - 1 - stored : stored;
        std::vector<uint8_t> row(stride, 0);
        for (int32_t x = 0; x < int32_t(pixelWidth); ++x) {
            if (layout.bits == 24) {
                for (int c = 0; c < 3; ++c) row[size_t(x) * 3 + size_t(c)] = PatternByte(x, y, c);
            } else if (layout.bits == 8) {
                row[size_t(x)] = uint8_t(x + y);
            }
        }
        out.insert(out.end(), row.begin(), row.end());
    }
    return out;
}
