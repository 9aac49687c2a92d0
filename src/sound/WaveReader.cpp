// WaveReader: a small RIFF reader over a file or a block of memory, and the WAVE rules on top.
#include "sound/WaveReader.h"

#include <algorithm>
#include <cstring>
#include <new>
#include <optional>
#include <stdexcept>

#include "base/BinaryFile.h"

namespace {

// Random access to the bytes of a file or of a block; reads never go past Size().
class Source {
public:
    virtual ~Source() = default;
    [[nodiscard]] virtual uint64_t Size() const = 0;
    // Copies up to n bytes starting at offset; gives how many were copied.
    [[nodiscard]] virtual size_t ReadAt(uint64_t offset, uint8_t* out, size_t n) = 0;

    [[nodiscard]] bool ReadAll(uint64_t offset, uint8_t* out, size_t n) {
        return ReadAt(offset, out, n) == n;
    }
};

class MemorySource : public Source {
public:
    explicit MemorySource(std::span<const uint8_t> b) : bytes(b) {}
    uint64_t Size() const override { return bytes.size(); }
    size_t ReadAt(uint64_t offset, uint8_t* out, size_t n) override {
        if (n == 0 || offset >= bytes.size()) return 0;
        size_t count = std::min<uint64_t>(n, bytes.size() - offset);
        std::memcpy(out, bytes.data() + offset, count);
        return count;
    }

private:
    std::span<const uint8_t> bytes;
};

class FileSource : public Source {
public:
    [[nodiscard]] bool Open(const PathString& path) { return file.Open(path); }
    uint64_t Size() const override { return static_cast<uint64_t>(file.Size()); }
    size_t ReadAt(uint64_t offset, uint8_t* out, size_t n) override {
        if (n == 0 || offset >= Size()) return 0;
        if (!file.Seek(static_cast<int64_t>(offset))) return 0;
        return file.Read(out, std::min<uint64_t>(n, Size() - offset));
    }

private:
    BinaryFile file;
};

// Sizes come from the file, so a failed allocation is a result, not an exception.
bool TryResize(std::vector<uint8_t>& block, size_t n) {
    try {
        block.resize(n);
        return true;
    } catch (const std::bad_alloc&) {
        return false;
    } catch (const std::length_error&) {
        return false;
    }
}

struct Chunk {
    uint64_t contents = 0;  // offset of the first byte after the chunk header
    uint32_t size = 0;
};

// Walks the chunks from `from` up to `end`, stepping over each one's contents and pad byte.
std::optional<Chunk> FindChunk(Source& source, uint64_t from, uint64_t end, const char* id) {
    uint64_t pos = from;
    uint8_t header[8];
    while (pos + 8 <= end && source.ReadAll(pos, header, 8)) {
        uint32_t size = GetU32(header + 4);
        if (std::memcmp(header, id, 4) == 0) return Chunk{pos + 8, size};
        pos += 8 + static_cast<uint64_t>(size) + (size & 1);
    }
    return std::nullopt;
}

// Fills wave.format from the "fmt " chunk; gives 0 or the code.
int ReadFormat(Source& source, const Chunk& fmt, Wave& wave) {
    if (fmt.size < 16) return waveNotWave;
    uint8_t fixed[16];
    if (!source.ReadAll(fmt.contents, fixed, 16)) return waveBadFormat;
    uint16_t extra = 0;
    // The extra size is read only when the chunk holds it: a 16-byte chunk of another format
    // (float samples are often written so) has no extra bytes, not those of the next chunk.
    if (GetU16(fixed) != 1 && fmt.size >= 18) {
        uint8_t extraBytes[2];
        if (!source.ReadAll(fmt.contents + 16, extraBytes, 2)) return waveBadFormat;
        extra = GetU16(extraBytes);
        if (18u + extra > fmt.size) return waveNotWave;
    }
    if (!TryResize(wave.format, 18u + extra)) return waveNoMemory;
    std::memcpy(wave.format.data(), fixed, 16);
    wave.format[16] = static_cast<uint8_t>(extra & 0xFF);
    wave.format[17] = static_cast<uint8_t>(extra >> 8);
    if (!source.ReadAll(fmt.contents + 18, wave.format.data() + 18, extra)) return waveNotWave;
    return waveOk;
}

// Fills wave.data; the size is checked against the file before anything is allocated.
int ReadData(Source& source, const Chunk& chunk, Wave& wave) {
    if (chunk.contents + chunk.size > source.Size()) return waveDataCutShort;
    if (!TryResize(wave.data, chunk.size)) return waveNoMemory;
    if (!source.ReadAll(chunk.contents, wave.data.data(), chunk.size)) return waveDataCutShort;
    wave.size = chunk.size;
    return waveOk;
}

int ReadChunks(Source& source, Wave& wave) {
    uint8_t riff[12];
    if (!source.ReadAll(0, riff, 12)) return waveNotWave;
    if (std::memcmp(riff, "RIFF", 4) != 0 || std::memcmp(riff + 8, "WAVE", 4) != 0) {
        return waveNotWave;
    }
    uint64_t end = 8 + static_cast<uint64_t>(GetU32(riff + 4));
    // Both chunks are searched from the start of the RIFF contents: their order is free.
    std::optional<Chunk> fmt = FindChunk(source, 12, end, "fmt ");
    if (!fmt) return waveNoChunk;
    if (int code = ReadFormat(source, *fmt, wave); code != waveOk) return code;
    std::optional<Chunk> data = FindChunk(source, 12, end, "data");
    if (!data) return waveNoChunk;
    return ReadData(source, *data, wave);
}

Wave Read(Source& source) {
    Wave wave;
    wave.code = ReadChunks(source, wave);
    if (wave.code != waveOk) wave = Wave{wave.code, 0, {}, {}};
    return wave;
}

}  // namespace

WaveFormat Wave::Format() const {
    WaveFormat f;
    if (format.size() < 18) return f;
    const uint8_t* p = format.data();
    f.tag = GetU16(p);
    f.channels = GetU16(p + 2);
    f.rate = GetU32(p + 4);
    f.bytesPerSecond = GetU32(p + 8);
    f.blockAlign = GetU16(p + 12);
    f.bits = GetU16(p + 14);
    f.extraSize = GetU16(p + 16);
    return f;
}

Wave LoadWave(const PathString& path) {
    FileSource file;
    if (!file.Open(path)) return Wave{waveCannotOpen, 0, {}, {}};
    return Read(file);
}

Wave ReadWave(std::span<const uint8_t> bytes) {
    MemorySource memory(bytes);
    return Read(memory);
}

std::vector<uint8_t> WaveFile(std::span<const uint8_t> format, std::span<const uint8_t> data) {
    std::vector<uint8_t> file;
    const size_t formatSize = format.size() + (format.size() & 1);
    const uint64_t riffSize = 4 + 8 + uint64_t(formatSize) + 8 + data.size() + (data.size() & 1);
    if (riffSize > 0xFFFFFFFFu || !TryResize(file, size_t(8 + riffSize))) return {};
    auto put32 = [&file](size_t at, uint64_t value) {
        for (int i = 0; i < 4; ++i) file[at + size_t(i)] = static_cast<uint8_t>(value >> (8 * i));
    };
    std::memcpy(file.data(), "RIFF", 4);
    put32(4, riffSize);
    std::memcpy(file.data() + 8, "WAVEfmt ", 8);
    put32(16, format.size());
    if (!format.empty()) std::memcpy(file.data() + 20, format.data(), format.size());
    const size_t dataAt = 20 + formatSize;
    std::memcpy(file.data() + dataAt, "data", 4);
    put32(dataAt + 4, data.size());
    if (!data.empty()) std::memcpy(file.data() + dataAt + 8, data.data(), data.size());
    return file;
}
