// The blend through a grey mask 16 pixels at a time. A pixel's mask byte m blends each byte d
// towards the picture byte s by m (s - d) / 256 truncated toward zero, which is the truncated
// m |s - d| / 256 with the sign of s - d; m |s - d| stays below 2^16 for m < 255, so 16-bit
// lanes hold it. m = 255 copies the picture and m = 0 leaves d, as in the plain blend.
#include "raster/StampCompositeAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include "raster/ShufflePatterns.h"

namespace {

__attribute__((target("avx2"), always_inline)) inline __m128i Blend16(__m128i d, __m128i s,
                                                                      __m128i m) {
    const __m256i d16 = _mm256_cvtepu8_epi16(d);
    const __m256i s16 = _mm256_cvtepu8_epi16(s);
    const __m256i m16 = _mm256_cvtepu8_epi16(m);
    const __m256i difference = _mm256_sub_epi16(s16, d16);
    const __m256i share =
        _mm256_srli_epi16(_mm256_mullo_epi16(m16, _mm256_abs_epi16(difference)), 8);
    __m256i out = _mm256_add_epi16(d16, _mm256_sign_epi16(share, difference));
    out = _mm256_blendv_epi8(out, s16, _mm256_cmpeq_epi16(m16, _mm256_set1_epi16(255)));
    return _mm_packus_epi16(_mm256_castsi256_si128(out), _mm256_extracti128_si256(out, 1));
}

}  // namespace

__attribute__((target("avx2"))) int64_t BlendRunAvx2(uint8_t* destination, const uint8_t* picture,
                                                     int pictureStep, const uint8_t* mask,
                                                     int64_t count) {
    const __m128i spread[3] = {
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSpread[0].data())),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSpread[1].data())),
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kSpread[2].data()))};
    int64_t done = 0;
    for (; done + 16 <= count; done += 16, destination += 48, picture += pictureStep, mask += 16) {
        const __m128i m = _mm_loadu_si128(reinterpret_cast<const __m128i*>(mask));
        if (_mm_testz_si128(m, m)) continue;  // nothing of the stamp here
        for (int j = 0; j < 3; ++j) {
            __m128i* d = reinterpret_cast<__m128i*>(destination + 16 * j);
            const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(picture + 16 * j));
            _mm_storeu_si128(d, Blend16(_mm_loadu_si128(d), s, _mm_shuffle_epi8(m, spread[j])));
        }
    }
    return done;
}

#else

int64_t BlendRunAvx2(uint8_t*, const uint8_t*, int, const uint8_t*, int64_t) {
    return 0;
}

#endif
