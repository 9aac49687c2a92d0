// The pencil's row blend 16 pixels at a time in 16-bit lanes: colour a + pixel (256 - a) is at
// most 255 * 256, so it fits, and a weight of 0 gives the pixel back unchanged.
#include "raster/PencilBlendAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <algorithm>
#include <array>

#include "raster/ShufflePatterns.h"

namespace {

// The weights of a band of rows are looked up before any is blended: a vector read of bytes
// stored just before waits for the stores to drain.
constexpr int64_t kBandBytes = 4096;

__attribute__((target("avx2"), always_inline)) inline __m128i Load(const void* p) {
    return _mm_loadu_si128(static_cast<const __m128i*>(p));
}

}  // namespace

__attribute__((target("avx2"))) void BlendDabAvx2(uint8_t* row, int64_t rowStep,
                                                  const uint8_t* cover, int64_t coverStep,
                                                  const uint8_t* alpha, const uint8_t colour[3],
                                                  int64_t count, int64_t rows) {
    const __m128i bytes = _mm_setr_epi8(static_cast<char>(colour[0]), static_cast<char>(colour[1]),
                                        static_cast<char>(colour[2]), 0, 0, 0, 0, 0, 0, 0, 0, 0,
                                        0, 0, 0, 0);
    __m256i paint[3];
    __m128i spread[3];
    for (int j = 0; j < 3; ++j) {
        paint[j] = _mm256_cvtepu8_epi16(_mm_shuffle_epi8(bytes, Load(kRepeat[j].data())));
        spread[j] = Load(kSpread[j].data());
    }
    const __m256i whole = _mm256_set1_epi16(256);
    const int64_t span = (count + 15) / 16 * 16;
    const int64_t band = kBandBytes / span;
    alignas(16) uint8_t weights[kBandBytes];
    for (int64_t first = 0; first < rows; first += band) {
        const int64_t last = std::min(rows, first + band);
        for (int64_t r = first; r < last; ++r, cover += coverStep) {
            uint8_t* w = weights + (r - first) * span;
            for (int64_t x = 0; x < count; ++x) w[x] = alpha[cover[x]];
            // Zero past count, so that the last group's spare pixels keep their bytes.
            for (int64_t x = count; x < span; ++x) w[x] = 0;
        }
        for (int64_t r = first; r < last; ++r, row += rowStep) {
            const uint8_t* w = weights + (r - first) * span;
            uint8_t* pixels = row;
            for (int64_t done = 0; done < count; done += 16, pixels += 48) {
                const __m128i group = Load(w + done);
                if (_mm_testz_si128(group, group)) continue;
                for (int j = 0; j < 3; ++j) {
                    const __m256i a = _mm256_cvtepu8_epi16(_mm_shuffle_epi8(group, spread[j]));
                    __m128i* d = reinterpret_cast<__m128i*>(pixels + 16 * j);
                    const __m256i p = _mm256_cvtepu8_epi16(_mm_loadu_si128(d));
                    const __m256i sum =
                        _mm256_add_epi16(_mm256_mullo_epi16(paint[j], a),
                                         _mm256_mullo_epi16(p, _mm256_sub_epi16(whole, a)));
                    const __m256i out = _mm256_srli_epi16(sum, 8);
                    _mm_storeu_si128(d, _mm_packus_epi16(_mm256_castsi256_si128(out),
                                                         _mm256_extracti128_si256(out, 1)));
                }
            }
        }
    }
}

#else

void BlendDabAvx2(uint8_t*, int64_t, const uint8_t*, int64_t, const uint8_t*, const uint8_t[3],
                  int64_t, int64_t) {}

#endif
