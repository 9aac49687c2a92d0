// Dib: a picture held in one memory block laid out as a bitmap file without its 14-byte file
// header (40-byte header, optional colour table, rows stored bottom row first).
//
// Rows are kept padded to a multiple of 4 bytes, as in the file format, and every operation
// here and in the raster library uses that padded stride. For the widths the system's own
// pictures have (multiples of 4) it equals width * 3; a picture of any other width still loads
// and is addressed correctly instead of being read skewed.
// Only 24-bit pictures are "usable" by the pixel operations; their colour table, if the file had
// one, is dropped on loading so that their pixels always start right after the 40-byte header.
// Files of 1, 4, 8 or 32 bits load with their colour table as they are, but every operation that
// assumes 24-bit pixels returns 0 for them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

#include "base/PathString.h"

class BinaryFile;

class Dib {
public:
    Dib() = default;  // empty: no block, width and height 0
    Dib(Dib&&) noexcept = default;
    Dib& operator=(Dib&&) noexcept = default;
    Dib(const Dib&) = delete;
    Dib& operator=(const Dib&) = delete;
    ~Dib();

    // Empty when the file cannot be opened or is not a usable bitmap file.
    [[nodiscard]] static Dib LoadFromFile(const PathString& path);
    // The same from the bytes of a bitmap file in memory.
    [[nodiscard]] static Dib LoadFromBytes(std::span<const uint8_t> bytes);
    // All pixels black; empty when width or height is below 1 or memory cannot be had.
    [[nodiscard]] static Dib CreateBlank(int32_t width, int32_t height);
    // A deep copy of the block (the device bitmap is not copied).
    [[nodiscard]] Dib Clone() const;
    // A 24-bit copy; a paletted picture's pixels through its colour table (an index past the
    // table is white). Empty when the picture is empty or of another depth.
    [[nodiscard]] Dib TwentyFourBit() const;

    [[nodiscard]] bool IsEmpty() const { return block == nullptr; }
    // True for a 24-bit picture: the pixel operations work on it.
    [[nodiscard]] bool IsUsable() const;
    // Bytes per stored row: width * 3 rounded up to a multiple of 4 (24-bit pictures).
    [[nodiscard]] int32_t Stride() const;
    [[nodiscard]] int32_t Width() const { return width; }
    [[nodiscard]] int32_t Height() const { return height; }
    [[nodiscard]] int BitsPerPixel() const;
    [[nodiscard]] uint32_t ColourCount() const;
    // The whole block: header, colour table and pixels. Null when empty.
    [[nodiscard]] uint8_t* Block() { return block.get(); }
    [[nodiscard]] const uint8_t* Block() const { return block.get(); }
    [[nodiscard]] size_t BlockSize() const { return blockSize; }
    // Block start + header size + colour-table size; null when empty.
    [[nodiscard]] uint8_t* PixelBytes();
    [[nodiscard]] const uint8_t* PixelBytes() const;
    // Address of pixel (x, y), top-down; null when outside or the picture is not usable.
    [[nodiscard]] uint8_t* PixelAt(int32_t x, int32_t y);
    [[nodiscard]] const uint8_t* PixelAt(int32_t x, int32_t y) const;

    // 1 after writing the bitmap file, 0 when empty or the file cannot be written completely.
    [[nodiscard]] int SaveToFile(const PathString& path) const;
    // The bitmap file's bytes; none when empty.
    [[nodiscard]] std::vector<uint8_t> FileBytes() const;
    // Copies the w x h block at (sx, sy) here to (dx, dy) in dest; pixels outside either
    // picture are skipped. 1, or 0 when refused.
    int CopyBlockTo(Dib& dest, int32_t dx, int32_t dy, int32_t w, int32_t h, int32_t sx,
                    int32_t sy) const;
    // Copies every pixel that is not pure white onto dest, paired by storage position. The
    // overlay may be 24-bit or paletted (1, 4 or 8 bits, read through its colour table); dest
    // is 24-bit. 1, or 0 when refused.
    int OverlayNonWhiteOnto(Dib* dest) const;

    // The device bitmap of the drawing operations: an opaque object the display adapter makes
    // on demand and the Dib owns.
    struct DeviceBitmap {
        virtual ~DeviceBitmap() = default;
    };
    [[nodiscard]] DeviceBitmap* GetDeviceBitmap() const { return deviceBitmap.get(); }
    void SetDeviceBitmap(std::unique_ptr<DeviceBitmap> bitmap) { deviceBitmap = std::move(bitmap); }

private:
    [[nodiscard]] const uint8_t* TableColourAt(const uint8_t* row, int32_t x) const;
    struct FreeBlock {
        void operator()(uint8_t* p) const;
    };
    Dib(uint8_t* block, size_t size);
    static Dib Load(BinaryFile& file);

    std::unique_ptr<uint8_t[], FreeBlock> block;
    size_t blockSize = 0;
    int32_t width = 0;
    int32_t height = 0;
    std::unique_ptr<DeviceBitmap> deviceBitmap;
};
