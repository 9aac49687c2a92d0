// Dib: loading, saving and the pixel operations on one picture block.
#include "graphics/Dib.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "base/BinaryFile.h"

namespace {

constexpr uint32_t kHeaderSize = 40;

uint32_t ColoursOf(uint16_t bits, uint32_t coloursUsed) {
    if (coloursUsed != 0) return coloursUsed;
    switch (bits) {
        case 1: return 2;
        case 4: return 16;
        case 8: return 256;
        default: return 0;
    }
}

int64_t RowBytes(int64_t bits, int64_t width) { return ((bits * width + 31) / 32) * 4; }

struct Header {
    uint32_t size = kHeaderSize;
    int32_t width = 0;
    int32_t height = 0;
    uint16_t planes = 1;
    uint16_t bits = 24;
    uint32_t compression = 0;
    uint32_t imageSize = 0;
    int32_t xPerMetre = 0;
    int32_t yPerMetre = 0;
    uint32_t coloursUsed = 0;
    uint32_t coloursImportant = 0;

    void Write(uint8_t* p) const {
        PutU32(p, size);
        PutU32(p + 4, static_cast<uint32_t>(width));
        PutU32(p + 8, static_cast<uint32_t>(height));
        PutU16(p + 12, planes);
        PutU16(p + 14, bits);
        PutU32(p + 16, compression);
        PutU32(p + 20, imageSize);
        PutU32(p + 24, static_cast<uint32_t>(xPerMetre));
        PutU32(p + 28, static_cast<uint32_t>(yPerMetre));
        PutU32(p + 32, coloursUsed);
        PutU32(p + 36, coloursImportant);
    }
};

// Reads the 40-byte header, or the 12-byte short form widened to it. False when neither.
bool ReadHeader(BinaryFile& file, Header& h) {
    uint8_t raw[40];
    if (file.Read(raw, sizeof raw) != sizeof raw) return false;
    h.size = GetU32(raw);
    if (h.size == 12) {
        h.size = kHeaderSize;
        h.width = GetU16(raw + 4);
        h.height = GetU16(raw + 6);
        h.planes = GetU16(raw + 8);
        h.bits = GetU16(raw + 10);
        h.coloursUsed = h.coloursImportant = ColoursOf(h.bits, 0);
        return file.Seek(file.Tell() - 28);
    }
    if (h.size != kHeaderSize) return false;
    h.width = static_cast<int32_t>(GetU32(raw + 4));
    h.height = static_cast<int32_t>(GetU32(raw + 8));
    h.planes = GetU16(raw + 12);
    h.bits = GetU16(raw + 14);
    h.compression = GetU32(raw + 16);
    h.imageSize = GetU32(raw + 20);
    h.xPerMetre = static_cast<int32_t>(GetU32(raw + 24));
    h.yPerMetre = static_cast<int32_t>(GetU32(raw + 28));
    h.coloursUsed = GetU32(raw + 32);
    h.coloursImportant = GetU32(raw + 36);
    return true;
}

// Reads the colour table into 4-byte entries; the short form stores 3-byte entries.
bool ReadColourTable(BinaryFile& file, uint8_t* table, uint32_t colours, bool shortForm) {
    if (!shortForm) return file.Read(table, size_t{colours} * 4) == size_t{colours} * 4;
    for (uint32_t i = 0; i < colours; ++i) {
        if (file.Read(table + size_t{i} * 4, 3) != 3) return false;
        table[size_t{i} * 4 + 3] = 0;
    }
    return true;
}

void FlipRows(uint8_t* pixels, int64_t stride, int64_t rows) {
    for (int64_t top = 0, bottom = rows - 1; top < bottom; ++top, --bottom) {
        std::swap_ranges(pixels + top * stride, pixels + (top + 1) * stride,
                         pixels + bottom * stride);
    }
}

}  // namespace

void Dib::FreeBlock::operator()(uint8_t* p) const { std::free(p); }

Dib::Dib(uint8_t* raw, size_t size) : block(raw), blockSize(size) {
    width = static_cast<int32_t>(GetU32(raw + 4));
    height = static_cast<int32_t>(GetU32(raw + 8));
}

Dib::~Dib() = default;

Dib Dib::LoadFromFile(const PathString& path) {
    BinaryFile file;
    if (!file.Open(path)) return Dib();
    return Load(file);
}

Dib Dib::LoadFromBytes(std::span<const uint8_t> bytes) {
    BinaryFile file;
    file.OpenBytes(bytes);
    return Load(file);
}

Dib Dib::Load(BinaryFile& file) {
    const int64_t fileSize = file.Size();

    // The 14-byte file header is optional: without "BM" the information header comes first.
    uint8_t fileHeader[14];
    int64_t pixelOffset = 0;
    if (file.Read(fileHeader, sizeof fileHeader) == sizeof fileHeader && fileHeader[0] == 'B' &&
        fileHeader[1] == 'M') {
        pixelOffset = GetU32(fileHeader + 10);
    } else if (!file.Seek(0)) {
        return Dib();
    }

    Header h;
    const int64_t headerAt = file.Tell();
    if (!ReadHeader(file, h)) return Dib();
    const bool shortForm = file.Tell() - headerAt == 12;
    if (h.width < 1 || h.height == 0 || h.height == INT32_MIN || h.compression != 0) return Dib();
    if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32)
        return Dib();
    const bool topDown = h.height < 0;
    const int64_t rows = topDown ? -int64_t{h.height} : h.height;

    // Nothing is allocated beyond what the file could hold: a short file may still leave the
    // last rows black, but a header claiming a huge picture is refused.
    const int64_t stride = RowBytes(h.bits, h.width);
    if (stride > fileSize || rows > fileSize / stride) return Dib();  // no overflow either
    const int64_t imageSize = stride * rows;
    uint32_t colours = ColoursOf(h.bits, h.coloursUsed);
    if (int64_t{colours} * (shortForm ? 3 : 4) > fileSize) return Dib();
    // A 24-bit picture keeps no colour table, so its pixels start right after the header.
    const uint32_t fileColours = colours;
    if (h.bits == 24) colours = 0;

    const size_t tableBytes = size_t{colours} * 4;
    const size_t size = kHeaderSize + tableBytes + static_cast<size_t>(imageSize);
    auto* raw = static_cast<uint8_t*>(std::calloc(size, 1));
    if (raw == nullptr) return Dib();
    Dib dib;
    dib.block.reset(raw);
    dib.blockSize = size;

    h.height = static_cast<int32_t>(rows);
    h.imageSize = static_cast<uint32_t>(imageSize);
    h.coloursUsed = colours;
    if (h.bits == 24) h.coloursImportant = 0;
    h.Write(raw);
    if (colours != 0 && !ReadColourTable(file, raw + kHeaderSize, colours, shortForm)) return Dib();

    const int64_t tableEnd = file.Tell() + (h.bits == 24 ? int64_t{fileColours} * (shortForm ? 3 : 4) : 0);
    if (!file.Seek(pixelOffset != 0 ? pixelOffset : tableEnd)) return Dib();
    uint8_t* pixels = raw + kHeaderSize + tableBytes;
    file.Read(pixels, static_cast<size_t>(imageSize));  // a short read leaves black rows
    if (topDown) FlipRows(pixels, stride, rows);

    dib.width = h.width;
    dib.height = h.height;
    return dib;
}

Dib Dib::CreateBlank(int32_t w, int32_t h) {
    if (w < 1 || h < 1) return Dib();
    const int64_t stride = RowBytes(24, w);
    if (stride * h > INT32_MAX) return Dib();
    const size_t size = kHeaderSize + static_cast<size_t>(stride * h);
    auto* raw = static_cast<uint8_t*>(std::calloc(size, 1));
    if (raw == nullptr) return Dib();
    Header header;
    header.width = w;
    header.height = h;
    header.Write(raw);
    return Dib(raw, size);
}

Dib Dib::Clone() const {
    if (IsEmpty()) return Dib();
    auto* raw = static_cast<uint8_t*>(std::malloc(blockSize));
    if (raw == nullptr) return Dib();
    std::memcpy(raw, block.get(), blockSize);
    return Dib(raw, blockSize);
}

Dib Dib::TwentyFourBit() const {
    if (IsUsable()) return Clone();
    Dib out = CreateBlank(width, height);
    if (out.IsEmpty()) return Dib();
    std::memset(out.PixelBytes(), 255, size_t(out.Stride()) * size_t(out.Height()));
    if (OverlayNonWhiteOnto(&out) != 1) return Dib();
    return out;
}

int Dib::BitsPerPixel() const { return IsEmpty() ? 0 : GetU16(block.get() + 14); }

uint32_t Dib::ColourCount() const {
    return IsEmpty() ? 0 : ColoursOf(GetU16(block.get() + 14), GetU32(block.get() + 32));
}

bool Dib::IsUsable() const { return BitsPerPixel() == 24; }

int32_t Dib::Stride() const { return static_cast<int32_t>(RowBytes(24, width)); }

uint8_t* Dib::PixelBytes() {
    return IsEmpty() ? nullptr : block.get() + kHeaderSize + size_t{ColourCount()} * 4;
}

const uint8_t* Dib::PixelBytes() const {
    return IsEmpty() ? nullptr : block.get() + kHeaderSize + size_t{ColourCount()} * 4;
}

uint8_t* Dib::PixelAt(int32_t x, int32_t y) {
    return const_cast<uint8_t*>(static_cast<const Dib*>(this)->PixelAt(x, y));
}

const uint8_t* Dib::PixelAt(int32_t x, int32_t y) const {
    if (!IsUsable() || x < 0 || y < 0 || x >= width || y >= height) return nullptr;
    return PixelBytes() + size_t(height - 1 - y) * size_t(Stride()) + size_t(x) * 3;
}

int Dib::SaveToFile(const PathString& path) const {
    if (IsEmpty()) return 0;
    const std::vector<uint8_t> bytes = FileBytes();
    // Written beside the target and renamed over it, so a full disk never destroys a picture
    // that was saved before.
    return WriteFileAtomically(path, {bytes}) ? 1 : 0;
}

std::vector<uint8_t> Dib::FileBytes() const {
    if (IsEmpty()) return {};
    std::vector<uint8_t> bytes(14 + blockSize);
    bytes[0] = 'B';
    bytes[1] = 'M';
    PutU32(bytes.data() + 2, static_cast<uint32_t>(blockSize + 14));
    PutU32(bytes.data() + 10, 14 + kHeaderSize + ColourCount() * 4);
    std::memcpy(bytes.data() + 14, block.get(), blockSize);
    return bytes;
}

int Dib::CopyBlockTo(Dib& dest, int32_t dx, int32_t dy, int32_t w, int32_t h, int32_t sx,
                     int32_t sy) const {
    if (w == 0 || h == 0 || !IsUsable() || !dest.IsUsable()) return 0;
    if (dx == 0 && dy == 0 && w == width && h == height && dest.width == width &&
        dest.height == height) {
        std::memcpy(dest.PixelBytes(), PixelBytes(), size_t(Stride()) * size_t(height));
        return 1;
    }
    if (dx < 0 || dy < 0 || w > dest.width || int64_t{dy} + h > dest.height) return 0;
    for (int32_t i = 0; i < h; ++i) {
        for (int32_t j = 0; j < w; ++j) {
            const uint8_t* from = PixelAt(sx + j, sy + i);
            uint8_t* to = dest.PixelAt(dx + j, dy + i);
            if (from != nullptr && to != nullptr) std::memcpy(to, from, 3);
        }
    }
    return 1;
}

// The colour-table entry of pixel x in a row of 1, 4 or 8 bits; null for an index past the
// table, which then counts as white.
const uint8_t* Dib::TableColourAt(const uint8_t* row, int32_t x) const {
    const int bits = BitsPerPixel();
    const uint32_t byte = row[size_t(x) * size_t(bits) / 8];
    const int shift = 8 - bits - int(size_t(x) * size_t(bits) % 8);
    const uint32_t index = (byte >> shift) & ((1u << bits) - 1);
    return index < ColourCount() ? block.get() + kHeaderSize + size_t{index} * 4 : nullptr;
}

int Dib::OverlayNonWhiteOnto(Dib* dest) const {
    if (dest == nullptr || IsEmpty() || !dest->IsUsable()) return 0;
    const int bits = BitsPerPixel();
    if (bits == 1 || bits == 4 || bits == 8) {
        // A paletted overlay: its colour table says what each pixel is.
        const int32_t w = std::min(width, dest->width), h = std::min(height, dest->height);
        const size_t stride = size_t(RowBytes(bits, width));
        for (int32_t row = 0; row < h; ++row) {
            const uint8_t* from = PixelBytes() + size_t(row) * stride;
            uint8_t* to = dest->PixelBytes() + size_t(row) * size_t(dest->Stride());
            for (int32_t x = 0; x < w; ++x, to += 3) {
                const uint8_t* c = TableColourAt(from, x);
                if (c != nullptr && (c[0] != 255 || c[1] != 255 || c[2] != 255)) std::memcpy(to, c, 3);
            }
        }
        return 1;
    }
    if (!IsUsable()) return 0;
    const int32_t w = std::min(width, dest->width);
    const int32_t h = std::min(height, dest->height);
    // Pixels are paired by their place in storage (bottom row first).
    for (int32_t row = 0; row < h; ++row) {
        const uint8_t* from = PixelBytes() + size_t(row) * size_t(Stride());
        uint8_t* to = dest->PixelBytes() + size_t(row) * size_t(dest->Stride());
        for (int32_t x = 0; x < w; ++x, from += 3, to += 3) {
            if (from[0] != 255 || from[1] != 255 || from[2] != 255) std::memcpy(to, from, 3);
        }
    }
    return 1;
}
