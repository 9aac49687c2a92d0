// Ordinary file access for the readers and writers of binary files: little-endian fields, a
// read-only file that knows its size, and a write that never leaves a half-written file behind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <initializer_list>
#include <span>

#include "base/PathString.h"

inline uint16_t GetU16(const uint8_t* p) { return uint16_t(p[0] | (p[1] << 8)); }
inline uint32_t GetU32(const uint8_t* p) {
    return uint32_t(p[0]) | (uint32_t(p[1]) << 8) | (uint32_t(p[2]) << 16) | (uint32_t(p[3]) << 24);
}
inline void PutU16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v);
    p[1] = uint8_t(v >> 8);
}
inline void PutU32(uint8_t* p, uint32_t v) {
    for (int i = 0; i < 4; ++i) p[i] = uint8_t(v >> (8 * i));
}

class BinaryFile {
public:
    BinaryFile() = default;
    BinaryFile(const BinaryFile&) = delete;
    BinaryFile& operator=(const BinaryFile&) = delete;
    ~BinaryFile();

    // Opens for reading; false when the file cannot be opened (or is a folder).
    [[nodiscard]] bool Open(const PathString& path);
    // Reads from bytes in memory instead (they must outlive this object).
    void OpenBytes(std::span<const uint8_t> bytes);
    // The file's length in bytes, 0 when not open.
    [[nodiscard]] int64_t Size() const { return size; }
    // Bytes actually read: fewer than asked at the end of the file.
    size_t Read(void* to, size_t bytes);
    // False when the position lies outside 0..Size().
    [[nodiscard]] bool Seek(int64_t position);
    [[nodiscard]] int64_t Tell() const;

private:
    std::FILE* file = nullptr;
    std::span<const uint8_t> memory;
    int64_t position = 0;  // in memory
    int64_t size = 0;
};

// Writes the pieces one after another into a new file beside path and renames it over path.
// False, with path untouched, when any step fails (no folder, a full disk, no permission).
[[nodiscard]] bool WriteFileAtomically(const PathString& path,
                                       std::initializer_list<std::span<const uint8_t>> pieces);

// True when the file can be opened for reading.
[[nodiscard]] bool FileExists(const PathString& path);
