// The bilinear sample in two passes of the plain code's double-precision steps: each source row
// is interpolated across once, a pixel per vector, and kept while destination rows use it; the
// rows are then blended 16 bytes at a time. The operands and their order are the plain code's,
// so the bytes are the same.
#include "raster/StampScalingAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <algorithm>
#include <cstring>

namespace {

__attribute__((target("avx2"), always_inline)) inline __m256d Bytes(const uint8_t* p) {
    int32_t word;
    std::memcpy(&word, p, 4);
    return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(word)));
}

// a + (b - a) * fraction, rounded at each step as the plain code rounds.
__attribute__((target("avx2"), always_inline)) inline __m256d Lerp(__m256d a, __m256d b,
                                                                   __m256d fraction) {
    return _mm256_add_pd(a, _mm256_mul_pd(_mm256_sub_pd(b, a), fraction));
}

// Truncation toward zero, then saturation to 0..255 in the packs: the plain clamp and cast.
__attribute__((target("avx2"), always_inline)) inline __m128i Whole(const double* upper,
                                                                    const double* lower,
                                                                    __m256d fy) {
    return _mm256_cvttpd_epi32(Lerp(_mm256_loadu_pd(upper), _mm256_loadu_pd(lower), fy));
}

}  // namespace

__attribute__((target("avx2"))) void InterpolateColourRowAvx2(double* out, const uint8_t* row,
                                                              const ScaleColumn* columns,
                                                              int64_t count) {
    // The fourth double of each column is overwritten by the next column.
    for (int64_t c = 0; c < count; ++c, out += 3) {
        const ScaleColumn& k = columns[c];
        _mm256_storeu_pd(out, Lerp(Bytes(row + k.lo), Bytes(row + k.hi), _mm256_set1_pd(k.frac)));
    }
}

__attribute__((target("avx2"))) void BlendColourRowsAvx2(uint8_t* out, const double* upper,
                                                         const double* lower, double fy,
                                                         int64_t count) {
    const __m256d vy = _mm256_set1_pd(fy);
    int64_t i = 0;
    for (; i + 16 <= count; i += 16) {
        const __m128i a = _mm_packs_epi32(Whole(upper + i, lower + i, vy),
                                          Whole(upper + i + 4, lower + i + 4, vy));
        const __m128i b = _mm_packs_epi32(Whole(upper + i + 8, lower + i + 8, vy),
                                          Whole(upper + i + 12, lower + i + 12, vy));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + i), _mm_packus_epi16(a, b));
    }
    for (; i < count; ++i) {
        const double value = upper[i] + (lower[i] - upper[i]) * fy;
        out[i] = static_cast<uint8_t>(std::clamp(value, 0.0, 255.0));
    }
}

#else

void InterpolateColourRowAvx2(double*, const uint8_t*, const ScaleColumn*, int64_t) {}
void BlendColourRowsAvx2(uint8_t*, const double*, const double*, double, int64_t) {}

#endif
