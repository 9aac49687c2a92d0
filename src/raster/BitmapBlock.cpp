// Bitmap block creation, release, header accessors and pixel addressing.
#include "raster/BitmapBlock.h"

#include <cstdlib>
#include <cstring>

namespace {

uint32_t ReadU32(const uint8_t* p) {
    uint32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

int32_t ReadI32(const uint8_t* p) {
    int32_t v;
    std::memcpy(&v, p, 4);
    return v;
}

uint16_t ReadU16(const uint8_t* p) {
    uint16_t v;
    std::memcpy(&v, p, 2);
    return v;
}

void WriteU32(uint8_t* p, uint32_t v) {
    std::memcpy(p, &v, 4);
}
void WriteU16(uint8_t* p, uint16_t v) {
    std::memcpy(p, &v, 2);
}

// Number of table colours as the header states it.
uint32_t ColourCount(const uint8_t* block) {
    uint32_t used = ReadU32(block + 32);
    if (used != 0) return used;
    switch (ReadU16(block + 14)) {
        case 1:
            return 2;
        case 4:
            return 16;
        case 8:
            return 256;
        default:
            return 0;
    }
}

int64_t StrideFor(int64_t width, int bitsPerPixel) {
    int64_t bytes = (width * bitsPerPixel + 7) / 8;
    return (bytes + 3) & ~int64_t{3};
}

}  // namespace

uint8_t* AllocBlock(size_t size) {
    if (size == 0 || size > kMaxBlockBytes) return nullptr;
    return static_cast<uint8_t*>(std::calloc(size, 1));
}

void ReleaseBlock(uint8_t* block) {
    std::free(block);
}

int FreeBitmapBlock(uint8_t* block) {
    ReleaseBlock(block);
    return 1;
}

OwnedBlock CreateBitmapBlock(int colour, int32_t width, int32_t height, const uint8_t* source,
                             uint32_t fill) {
    if (width < 1 || height < 1 || width > kMaxBlockSide || height > kMaxBlockSide) return {};
    int bits = colour ? 24 : 8;
    size_t stride = static_cast<size_t>(StrideFor(width, bits));
    size_t table = colour ? 0 : kGreyTableSize;
    size_t area = stride * static_cast<size_t>(height);
    OwnedBlock block = AllocOwned(kHeaderSize + table + area);
    if (!block) return {};
    uint8_t* b = block.get();
    WriteU32(b, kHeaderSize);
    WriteU32(b + 4, static_cast<uint32_t>(width));
    WriteU32(b + 8, static_cast<uint32_t>(height));
    WriteU16(b + 12, 1);
    WriteU16(b + 14, static_cast<uint16_t>(bits));
    uint8_t* pixels = b + kHeaderSize + table;
    if (!colour) {
        WriteU32(b + 32, 256);
        for (int i = 0; i < 256; ++i) {
            uint8_t* entry = b + kHeaderSize + i * 4;
            entry[0] = entry[1] = entry[2] = static_cast<uint8_t>(i);
        }
    }
    if (source) {
        std::memcpy(pixels, source, area);
        return block;
    }
    if (!colour || (RedOf(fill) == GreenOf(fill) && GreenOf(fill) == BlueOf(fill))) {
        // Grey fills (and every grey-block fill) set padding too; black needs no work.
        if (RedOf(fill) != 0) std::memset(pixels, RedOf(fill), area);
        return block;
    }
    for (int32_t row = 0; row < height; ++row) {
        uint8_t* p = pixels + static_cast<size_t>(row) * stride;
        for (int32_t x = 0; x < width; ++x, p += 3) {
            p[0] = BlueOf(fill);
            p[1] = GreenOf(fill);
            p[2] = RedOf(fill);
        }
    }
    return block;
}

int IsValidBlock(const uint8_t* block) {
    return block != nullptr && ReadU32(block) == kHeaderSize;
}

int32_t BlockWidth(const uint8_t* block) {
    return IsValidBlock(block) ? ReadI32(block + 4) : 0;
}

int32_t BlockHeight(const uint8_t* block) {
    return IsValidBlock(block) ? ReadI32(block + 8) : 0;
}

int BlockBitsPerPixel(const uint8_t* block) {
    return IsValidBlock(block) ? ReadU16(block + 14) : 0;
}

int BlockBytesPerPixel(const uint8_t* block) {
    return BlockBitsPerPixel(block) / 8;
}

int32_t BlockStride(const uint8_t* block) {
    if (!IsValidBlock(block)) return 0;
    int64_t stride = StrideFor(BlockWidth(block), BlockBitsPerPixel(block));
    // A header with an absurd width has no meaningful stride.
    return stride > 0 && stride <= INT32_MAX ? static_cast<int32_t>(stride) : 0;
}

int IsColourBlock(const uint8_t* block) {
    return BlockBytesPerPixel(block) == 3;
}

int IsPixelBlock(const uint8_t* block) {
    if (!IsValidBlock(block)) return 0;
    int32_t w = BlockWidth(block);
    int32_t h = BlockHeight(block);
    int bits = BlockBitsPerPixel(block);
    return w >= 1 && h >= 1 && w <= kMaxBlockSide && h <= kMaxBlockSide &&
           (bits == 8 || bits == 24) && ColourCount(block) <= 256;
}

const uint8_t* BlockPixels(const uint8_t* block) {
    if (!IsValidBlock(block)) return nullptr;
    uint32_t colours = ColourCount(block);
    // The table size comes from the header: refuse what no real picture carries.
    if (colours > 256) return nullptr;
    return block + kHeaderSize + colours * 4;
}

uint8_t* BlockPixels(uint8_t* block) {
    return const_cast<uint8_t*>(BlockPixels(static_cast<const uint8_t*>(block)));
}

const uint8_t* PixelAt(const uint8_t* block, int64_t x, int64_t y) {
    if (!IsPixelBlock(block)) return nullptr;
    int64_t w = BlockWidth(block);
    int64_t h = BlockHeight(block);
    if (x < 0 || y < 0 || x >= w || y >= h) return nullptr;
    return BlockPixels(block) + (h - 1 - y) * BlockStride(block) + x * BlockBytesPerPixel(block);
}

uint8_t* PixelAt(uint8_t* block, int64_t x, int64_t y) {
    return const_cast<uint8_t*>(PixelAt(static_cast<const uint8_t*>(block), x, y));
}

uint8_t* PixelAtIn(uint8_t* pixels, const uint8_t* geometry, int64_t x, int64_t y) {
    const uint8_t* inGeometry = PixelAt(geometry, x, y);
    if (pixels == nullptr || inGeometry == nullptr) return nullptr;
    return pixels + (inGeometry - BlockPixels(geometry));
}
