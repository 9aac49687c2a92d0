// BinaryFile and the atomic file write.
#include "platform/BinaryFile.h"

#include <sys/stat.h>

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

size_t BinaryFile::Read(void* to, size_t bytes) {
    if (file == nullptr || bytes == 0) return 0;
    return std::fread(to, 1, bytes, file);
}

bool BinaryFile::Seek(int64_t position) {
    if (file == nullptr || position < 0 || position > size) return false;
    return std::fseek(file, static_cast<long>(position), SEEK_SET) == 0;
}

int64_t BinaryFile::Tell() const { return file == nullptr ? 0 : std::ftell(file); }

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
