// Reading and writing the pencil's cache files.
#include "raster/PenCacheFile.h"

#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/BinaryFile.h"

namespace {

std::string InFolder(std::string_view folder, const char* name) {
    std::string path(folder);
    if (!path.empty() && path.back() != '/') path += '/';
    return path + name;
}

}  // namespace

std::string TipFileName(std::string_view folder, uint32_t kind, int32_t width, int32_t height) {
    char name[64];
    std::snprintf(name, sizeof name, "%02u$%02d%02d.pen", static_cast<unsigned>(kind),
                  static_cast<int>(width), static_cast<int>(height));
    return InFolder(folder, name);
}

std::string LevelFileName(std::string_view folder, uint32_t kind) {
    char name[32];
    std::snprintf(name, sizeof name, "%02u$pre.pen", static_cast<unsigned>(kind));
    return InFolder(folder, name);
}

int CacheFileExists(const std::string& path) {
    std::error_code error;
    return std::filesystem::exists(path, error) || error;
}

int ReadCacheFile(const std::string& path, uint8_t* out, size_t size) {
    std::FILE* file = std::fopen(path.c_str(), "rb");
    if (!file) return 0;
    size_t got = std::fread(out, 1, size, file);
    std::fclose(file);
    return got == size;
}

int WriteCacheFile(const std::string& path, const uint8_t* data, size_t size) {
    // The user's cache folder is made on first use; written beside the cache file and renamed
    // over it only when complete.
    std::error_code error;
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    if (!folder.empty()) std::filesystem::create_directories(folder, error);
    return WriteFileAtomically(path, {{data, size}}) ? 1 : 0;
}
