// The pencil's two cache files (".pen", raw bytes without a header) in a caller's folder: one
// with the 100 tips of a kind and size, one with the level table of a kind.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

// "<folder>00$1010.pen" for kind 0, size 10 x 10; a separator is added when the folder lacks one.
[[nodiscard]] std::string TipFileName(std::string_view folder, uint32_t kind, int32_t width,
                                      int32_t height);
// "<folder>00$pre.pen" for kind 0.
[[nodiscard]] std::string LevelFileName(std::string_view folder, uint32_t kind);

// 1 when the file exists, or when that cannot be told (a folder that cannot be searched): such
// a file is never rewritten. 0 when it surely does not exist.
[[nodiscard]] int CacheFileExists(const std::string& path);
// 1 when the first `size` bytes of the file were read into `out`; 0 for a missing, short or
// unreadable file.
[[nodiscard]] int ReadCacheFile(const std::string& path, uint8_t* out, size_t size);
// Writes the whole file or nothing, making its folder when missing: the bytes go to a temporary
// name in the same folder that is renamed only when complete. 1 on success, 0 when the folder
// cannot be made, is not writable or is full.
int WriteCacheFile(const std::string& path, const uint8_t* data, size_t size);
