// BinaryFile and the atomic file write.
#include "base/BinaryFile.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstring>

BinaryFile::~BinaryFile() {
    if (file != nullptr) std::fclose(file);
}

bool BinaryFile::Open(const PathString& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) return false;
    file = std::fopen(path.c_str(), "rb");
    if (file == nullptr) return false;
    size = static_cast<int64_t>(info.st_size);
    return true;
}

void BinaryFile::OpenBytes(std::span<const uint8_t> bytes) {
    memory = bytes;
    position = 0;
    size = static_cast<int64_t>(bytes.size());
}

size_t BinaryFile::Read(void* to, size_t bytes) {
    if (bytes == 0) return 0;
    if (file != nullptr) return std::fread(to, 1, bytes, file);
    const size_t count = std::min(bytes, static_cast<size_t>(size - position));
    if (count > 0) std::memcpy(to, memory.data() + position, count);
    position += static_cast<int64_t>(count);
    return count;
}

bool BinaryFile::Seek(int64_t to) {
    if (to < 0 || to > size) return false;
    if (file == nullptr) {
        position = to;
        return true;
    }
    return std::fseek(file, static_cast<long>(to), SEEK_SET) == 0;
}

int64_t BinaryFile::Tell() const { return file == nullptr ? position : std::ftell(file); }

bool WriteFileAtomically(const PathString& path,
                         std::initializer_list<std::span<const uint8_t>> pieces) {
    const PathString temporary = path + ".part";
    std::FILE* out = std::fopen(temporary.c_str(), "wb");
    if (out == nullptr) return false;
    bool ok = true;
    for (std::span<const uint8_t> piece : pieces) {
        if (ok && !piece.empty()) ok = std::fwrite(piece.data(), 1, piece.size(), out) == piece.size();
    }
    ok = std::fflush(out) == 0 && ok;
    ok = std::fclose(out) == 0 && ok;
    if (ok) ok = std::rename(temporary.c_str(), path.c_str()) == 0;
    if (!ok) std::remove(temporary.c_str());
    return ok;
}

bool FileExists(const PathString& path) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (f == nullptr) return false;
    std::fclose(f);
    return true;
}
