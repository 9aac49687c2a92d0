// The bilinear row one pixel per vector: the three bytes of a pixel (and one byte beside it,
// which is never written) go through the plain code's double-precision steps side by side.
#include "raster/StampScalingAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <cstring>

namespace {

__attribute__((target("avx2"), always_inline)) inline __m256d Bytes(const uint8_t* p) {
    int32_t word;
    std::memcpy(&word, p, 4);
    return _mm256_cvtepi32_pd(_mm_cvtepu8_epi32(_mm_cvtsi32_si128(word)));
}

// top + (bottom - top) * fraction, rounded at each step as the plain code rounds.
__attribute__((target("avx2"), always_inline)) inline __m256d Lerp(__m256d a, __m256d b,
                                                                   __m256d fraction) {
    return _mm256_add_pd(a, _mm256_mul_pd(_mm256_sub_pd(b, a), fraction));
}

}  // namespace

__attribute__((target("avx2"))) void ScaleColourRowAvx2(uint8_t* out, const uint8_t* top,
                                                        const uint8_t* bottom, double fy,
                                                        const ScaleColumn* columns, int64_t count) {
    const __m256d low = _mm256_setzero_pd(), high = _mm256_set1_pd(255.0);
    const __m256d vy = _mm256_set1_pd(fy);
    const __m128i pack = _mm_setr_epi8(0, 4, 8, 12, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1);
    for (int64_t c = 0; c < count; ++c, out += 3) {
        const ScaleColumn& k = columns[c];
        const __m256d fx = _mm256_set1_pd(k.frac);
        const __m256d upper = Lerp(Bytes(top + k.lo), Bytes(top + k.hi), fx);
        const __m256d lower = Lerp(Bytes(bottom + k.lo), Bytes(bottom + k.hi), fx);
        const __m256d value = _mm256_min_pd(_mm256_max_pd(Lerp(upper, lower, vy), low), high);
        const int32_t word = _mm_cvtsi128_si32(_mm_shuffle_epi8(_mm256_cvttpd_epi32(value), pack));
        // The fourth byte lands on the next pixel, which is written next; the last is not.
        if (c + 1 < count) {
            std::memcpy(out, &word, 4);
        } else {
            std::memcpy(out, &word, 3);
        }
    }
}

#else

void ScaleColourRowAvx2(uint8_t*, const uint8_t*, const uint8_t*, double, const ScaleColumn*,
                        int64_t) {}

#endif
