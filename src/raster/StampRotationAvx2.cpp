// The rotation's walk eight rows at a time: the sums, the widening to double precision and the
// bounds test run in vector lanes, and only the copies of the found pixels stay scalar.
#include "raster/StampRotationAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <utility>

namespace {

struct Limits {
    __m256d half, below, width, height;
    __m128i lastRow, stride, bytes;
};

// Four lanes of one column: the source offsets of their nearest pixels and which of them exist.
__attribute__((target("avx2"), always_inline)) inline int Locate(__m128 x, __m128 y,
                                                                 const Limits& k, int32_t* at) {
    const __m256d sx = _mm256_add_pd(_mm256_cvtps_pd(x), k.half);
    const __m256d sy = _mm256_add_pd(_mm256_cvtps_pd(y), k.half);
    const __m256d inside = _mm256_and_pd(_mm256_and_pd(_mm256_cmp_pd(sx, k.below, _CMP_GT_OQ),
                                                       _mm256_cmp_pd(sx, k.width, _CMP_LT_OQ)),
                                         _mm256_and_pd(_mm256_cmp_pd(sy, k.below, _CMP_GT_OQ),
                                                       _mm256_cmp_pd(sy, k.height, _CMP_LT_OQ)));
    const int found = _mm256_movemask_pd(inside);
    if (found == 0) return 0;
    // Inside the source the points lie in (-1, side), so truncation fits 32 bits.
    const __m128i ix = _mm256_cvttpd_epi32(_mm256_and_pd(sx, inside));
    const __m128i iy = _mm256_cvttpd_epi32(_mm256_and_pd(sy, inside));
    const __m128i offset = _mm_add_epi32(_mm_mullo_epi32(_mm_sub_epi32(k.lastRow, iy), k.stride),
                                         _mm_mullo_epi32(ix, k.bytes));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(at), offset);
    return found;
}

template <int kBytes>
inline void Copy(uint8_t* to, const uint8_t* from) {
    to[0] = from[0];
    if constexpr (kBytes == 3) {
        to[1] = from[1];
        to[2] = from[2];
    }
}

template <int kBytes>
__attribute__((target("avx2"))) void Walk(const uint8_t* pixels, const Limits& k,
                                          uint8_t* const* outs, __m256 x, __m256 y, __m256 ux,
                                          __m256 uy, int32_t columns) {
    for (int32_t col = 0; col < columns; ++col) {
        int32_t at[8];
        const int found =
            Locate(_mm256_castps256_ps128(x), _mm256_castps256_ps128(y), k, at) |
            Locate(_mm256_extractf128_ps(x, 1), _mm256_extractf128_ps(y, 1), k, at + 4) << 4;
        x = _mm256_add_ps(x, ux);
        y = _mm256_add_ps(y, uy);
        const int64_t column = static_cast<int64_t>(col) * kBytes;
        if (found == 0xFF) {
            // Inside the source on all eight rows, as over most of a turned stamp.
            [&]<int... I>(std::integer_sequence<int, I...>) {
                (Copy<kBytes>(outs[I] + column, pixels + at[I]), ...);
            }
            (std::make_integer_sequence<int, 8>{});
            continue;
        }
        for (unsigned bits = static_cast<unsigned>(found); bits != 0; bits &= bits - 1) {
            const int lane = __builtin_ctz(bits);
            Copy<kBytes>(outs[lane] + column, pixels + at[lane]);
        }
    }
}

}  // namespace

__attribute__((target("avx2"))) void TurnEightRowsAvx2(const uint8_t* pixels, int64_t stride,
                                                       int32_t width, int32_t height, int bytes,
                                                       uint8_t* const* outs, const float* x,
                                                       const float* y, float ux, float uy,
                                                       int32_t columns) {
    const Limits k{_mm256_set1_pd(0.5),        _mm256_set1_pd(-1.0),
                   _mm256_set1_pd(width),      _mm256_set1_pd(height),
                   _mm_set1_epi32(height - 1), _mm_set1_epi32(static_cast<int32_t>(stride)),
                   _mm_set1_epi32(bytes)};
    const __m256 vx = _mm256_loadu_ps(x), vy = _mm256_loadu_ps(y);
    const __m256 dx = _mm256_set1_ps(ux), dy = _mm256_set1_ps(uy);
    if (bytes == 3) {
        Walk<3>(pixels, k, outs, vx, vy, dx, dy, columns);
    } else {
        Walk<1>(pixels, k, outs, vx, vy, dx, dy, columns);
    }
}

#else

void TurnEightRowsAvx2(const uint8_t*, int64_t, int32_t, int32_t, int, uint8_t* const*,
                       const float*, const float*, float, float, int32_t) {}

#endif
