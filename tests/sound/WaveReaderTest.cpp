// Reading WAVE files: the chunk rules, the result blocks and every failure code.
#include "sound/WaveReader.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/TempDir.h"

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    for (int i = 0; i < 2; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A chunk with its pad byte; `declared` overrides the size field.
Bytes Chunk(const std::string& id, const Bytes& body, int64_t declared = -1) {
    Bytes b(id.begin(), id.end());
    Put32(b, declared < 0 ? static_cast<uint32_t>(body.size()) : static_cast<uint32_t>(declared));
    b.insert(b.end(), body.begin(), body.end());
    if (body.size() % 2 == 1) b.push_back(0);
    return b;
}

Bytes Riff(const std::vector<Bytes>& chunks, const std::string& form = "WAVE") {
    Bytes contents(form.begin(), form.end());
    for (const Bytes& c : chunks) contents.insert(contents.end(), c.begin(), c.end());
    return Chunk("RIFF", contents);
}

// The 16 fixed bytes of "fmt ".
Bytes Fixed(uint16_t tag, uint16_t channels = 2, uint32_t rate = 22050, uint16_t bits = 16) {
    Bytes b;
    Put16(b, tag);
    Put16(b, channels);
    Put32(b, rate);
    Put32(b, rate * channels * bits / 8);
    Put16(b, channels * bits / 8);
    Put16(b, bits);
    return b;
}

const Bytes samples = {1, 2, 3, 4, 5, 6, 7, 8};

TEST(WaveReaderTest, ReadsPcmFileWithSixteenByteFormatFromDisk) {
    TempDir dir;
    Wave wave = LoadWave(dir.Write("a.wav", Riff({Chunk("fmt ", Fixed(1)), Chunk("data", samples)})));
    ASSERT_EQ(wave.code, 0);
    EXPECT_EQ(wave.size, samples.size());
    EXPECT_EQ(wave.data, samples);
    ASSERT_EQ(wave.format.size(), 18u);
    Bytes fixed = Fixed(1);
    EXPECT_TRUE(std::equal(fixed.begin(), fixed.end(), wave.format.begin()));
    WaveFormat f = wave.Format();
    EXPECT_EQ(f.tag, 1);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.rate, 22050u);
    EXPECT_EQ(f.bits, 16);
    EXPECT_EQ(f.extraSize, 0);
}

TEST(WaveReaderTest, FindsChunksInAnyOrderPastOddSizedChunks) {
    Bytes odd = {9, 9, 9};
    Bytes oddSamples = {1, 2, 3, 4, 5};
    Wave wave = ReadWave(Riff({Chunk("LIST", odd), Chunk("data", oddSamples), Chunk("junk", odd),
                               Chunk("fmt ", Fixed(1, 1, 8000, 8))}));
    ASSERT_EQ(wave.code, 0);
    EXPECT_EQ(wave.data, oddSamples);
    EXPECT_EQ(wave.Format().rate, 8000u);
}

TEST(WaveReaderTest, KeepsExtraBytesOfOtherFormats) {
    Bytes fmt = Fixed(2);
    Put16(fmt, 4);
    fmt.insert(fmt.end(), {0xA, 0xB, 0xC, 0xD});
    Wave wave = ReadWave(Riff({Chunk("fmt ", fmt), Chunk("data", samples)}));
    ASSERT_EQ(wave.code, 0);
    EXPECT_EQ(wave.format, fmt);
    EXPECT_EQ(wave.Format().extraSize, 4);
}

// A 16-byte "fmt " chunk of a format other than PCM has no extra size: the next chunk's
// header must not be taken for one.
TEST(WaveReaderTest, SixteenByteFormatOfOtherTagHasNoExtraBytes) {
    Wave wave = ReadWave(Riff({Chunk("fmt ", Fixed(3, 1, 44100, 32)), Chunk("data", samples)}));
    ASSERT_EQ(wave.code, 0);
    EXPECT_EQ(wave.format.size(), 18u);
    EXPECT_EQ(wave.Format().extraSize, 0);
    EXPECT_EQ(wave.data, samples);
}

void ExpectCode(const Bytes& file, int code) {
    Wave wave = ReadWave(file);
    EXPECT_EQ(wave.code, code);
    EXPECT_TRUE(wave.data.empty());
    EXPECT_TRUE(wave.format.empty());
    EXPECT_EQ(wave.size, 0u);
}

TEST(WaveReaderTest, ReportsEachFailureWithItsCodeAndNoBlocks) {
    TempDir dir;
    EXPECT_EQ(LoadWave(dir.File("missing.wav")).code, waveCannotOpen);
    EXPECT_EQ(LoadWave(dir.Path()).code, waveCannotOpen);

    Bytes fmt = Chunk("fmt ", Fixed(1));
    Bytes data = Chunk("data", samples);
    SCOPED_TRACE("not a WAVE file");
    ExpectCode({}, waveNotWave);
    ExpectCode({'R', 'I', 'F', 'F', 4, 0}, waveNotWave);
    ExpectCode(Riff({fmt, data}, "AVI "), waveNotWave);
    Bytes rifx = Riff({fmt, data});
    rifx[3] = 'X';
    ExpectCode(rifx, waveNotWave);
    ExpectCode(Riff({Chunk("fmt ", Bytes(14, 1)), data}), waveNotWave);
    Bytes longExtra = Fixed(2);
    Put16(longExtra, 10);  // ten extra bytes announced, two present
    longExtra.insert(longExtra.end(), {1, 2});
    ExpectCode(Riff({Chunk("fmt ", longExtra), data}), waveNotWave);

    SCOPED_TRACE("chunks missing");
    ExpectCode(Riff({data}), waveNoChunk);
    ExpectCode(Riff({fmt}), waveNoChunk);
}

TEST(WaveReaderTest, ReportsFilesCutShort) {
    // The file ends inside the 16 fixed bytes, or before the extra size of a non-PCM format.
    Bytes cutFixed = Riff({Chunk("fmt ", Fixed(1))});
    cutFixed.resize(12 + 8 + 10);
    ExpectCode(cutFixed, waveBadFormat);
    Bytes withExtra = Fixed(2);
    Put16(withExtra, 0);
    Bytes cutExtra = Riff({Chunk("fmt ", withExtra)});
    cutExtra.resize(cutExtra.size() - 1);
    ExpectCode(cutExtra, waveBadFormat);

    Bytes cutData = Riff({Chunk("fmt ", Fixed(1)), Chunk("data", samples)});
    cutData.resize(cutData.size() - 3);
    ExpectCode(cutData, waveDataCutShort);
    // A size near 4 GB in a tiny file is refused before anything is allocated for it.
    ExpectCode(Riff({Chunk("fmt ", Fixed(1)), Chunk("data", samples, 0xFFFFFFF0)}),
               waveDataCutShort);
}

TEST(WaveReaderTest, EmptyDataChunkReadsAsZeroSamples) {
    Wave wave = ReadWave(Riff({Chunk("fmt ", Fixed(1)), Chunk("data", {})}));
    EXPECT_EQ(wave.code, 0);
    EXPECT_EQ(wave.size, 0u);
    EXPECT_TRUE(wave.data.empty());
}

}  // namespace
