// Bitmap blocks: a picture's single memory block (40-byte header, optional colour table, rows
// stored bottom row first) seen through a pointer to its first byte, with pixel addressing.
//
// Operations take blocks as raw pointers so that a Dib's block can be borrowed. Blocks this
// library makes come back as OwnedBlock, which releases itself.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>

// Header layout (offsets into the block).
inline constexpr size_t kHeaderSize = 40;
inline constexpr size_t kGreyTableSize = 256 * 4;
// Sides beyond this are refused: no picture of the workshop comes near it, and it keeps every
// offset computed from a header well inside 64 bits.
inline constexpr int32_t kMaxBlockSide = 1 << 15;
// The largest block the library will allocate.
inline constexpr size_t kMaxBlockBytes = size_t{1} << 30;

// Zero-filled memory of `size` bytes, or null when size is 0, above kMaxBlockBytes, or memory
// cannot be had.
[[nodiscard]] uint8_t* AllocBlock(size_t size);
void ReleaseBlock(uint8_t* block);

struct BlockReleaser {
    void operator()(uint8_t* block) const { ReleaseBlock(block); }
};
using OwnedBlock = std::unique_ptr<uint8_t[], BlockReleaser>;

[[nodiscard]] inline OwnedBlock AllocOwned(size_t size) {
    return OwnedBlock(AllocBlock(size));
}

// A new 24-bit (colour != 0) or 8-bit grey block, or none when a side is below 1 or above
// kMaxBlockSide or memory runs out. With `source` the pixel area is copied from it (it must
// hold stride * height bytes); without, it is filled with `fill` (0x00BBGGRR; grey blocks use
// its low byte).
[[nodiscard]] OwnedBlock CreateBitmapBlock(int colour, int32_t width, int32_t height,
                                           const uint8_t* source, uint32_t fill);
// Releases a block that was taken out of an OwnedBlock; always 1.
int FreeBitmapBlock(uint8_t* block);

// Accessors: 0 (or null) for an invalid block (null, or header size other than 40).
[[nodiscard]] int IsValidBlock(const uint8_t* block);
[[nodiscard]] int32_t BlockWidth(const uint8_t* block);
[[nodiscard]] int32_t BlockHeight(const uint8_t* block);
[[nodiscard]] int BlockBitsPerPixel(const uint8_t* block);
[[nodiscard]] int BlockBytesPerPixel(const uint8_t* block);
[[nodiscard]] int32_t BlockStride(const uint8_t* block);
[[nodiscard]] uint8_t* BlockPixels(uint8_t* block);
[[nodiscard]] const uint8_t* BlockPixels(const uint8_t* block);
[[nodiscard]] int IsColourBlock(const uint8_t* block);

// 1 when the block's pixels can be addressed safely: valid, sides 1..kMaxBlockSide, 8 or 24 bits
// per pixel and at most 256 table colours. Every pixel operation requires it.
[[nodiscard]] int IsPixelBlock(const uint8_t* block);

// Address of pixel (x, y), top-down; null when the block is not a pixel block or the point is
// outside.
[[nodiscard]] uint8_t* PixelAt(uint8_t* block, int64_t x, int64_t y);
[[nodiscard]] const uint8_t* PixelAt(const uint8_t* block, int64_t x, int64_t y);
// The same address in `pixels`, a buffer laid out like the geometry block's pixel area.
[[nodiscard]] uint8_t* PixelAtIn(uint8_t* pixels, const uint8_t* geometry, int64_t x, int64_t y);

// Little helpers for the 0x00BBGGRR colour reference.
[[nodiscard]] constexpr uint8_t RedOf(uint32_t colour) {
    return colour & 0xFF;
}
[[nodiscard]] constexpr uint8_t GreenOf(uint32_t colour) {
    return (colour >> 8) & 0xFF;
}
[[nodiscard]] constexpr uint8_t BlueOf(uint32_t colour) {
    return (colour >> 16) & 0xFF;
}
