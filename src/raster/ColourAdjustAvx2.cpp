// The hue/saturation/lightness adjustment 16 pixels at a time with AVX2. Every step is the
// plain kernel's integer arithmetic; the divisions by a pixel's own maximum or spread are done
// in single precision, whose correctly rounded quotient truncates to the integer quotient for
// numerators below 2^22 (the nearest integer above is always further than half a unit in the
// last place).
#include "raster/ColourAdjustAvx2.h"

#if defined(__x86_64__) || defined(__i386__)

#include <immintrin.h>

#include <array>

namespace {

// pshufb patterns between 48 interleaved bytes (blue, green, red, ...) in three 16-byte parts
// and 16 bytes of one component; -128 clears a byte.
using Pattern = std::array<int8_t, 16>;

constexpr Pattern Gather(int component, int part) {
    Pattern p{};
    for (int i = 0; i < 16; ++i) {
        const int at = 3 * i + component - 16 * part;
        p[i] = static_cast<int8_t>(at >= 0 && at < 16 ? at : -128);
    }
    return p;
}

constexpr Pattern Scatter(int component, int part) {
    Pattern p{};
    for (int n = 0; n < 16; ++n) {
        const int at = 16 * part + n;
        p[n] = static_cast<int8_t>(at % 3 == component ? at / 3 : -128);
    }
    return p;
}

constexpr Pattern kGather[3][3] = {{Gather(0, 0), Gather(0, 1), Gather(0, 2)},
                                   {Gather(1, 0), Gather(1, 1), Gather(1, 2)},
                                   {Gather(2, 0), Gather(2, 1), Gather(2, 2)}};
constexpr Pattern kScatter[3][3] = {{Scatter(0, 0), Scatter(1, 0), Scatter(2, 0)},
                                    {Scatter(0, 1), Scatter(1, 1), Scatter(2, 1)},
                                    {Scatter(0, 2), Scatter(1, 2), Scatter(2, 2)}};

__attribute__((target("avx2"), always_inline)) inline __m128i Load(const Pattern& p) {
    return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p.data()));
}

// The byte of `choices` that `shifts` names for each lane's sector.
__attribute__((target("avx2"), always_inline)) inline __m256i Pick(__m256i choices, __m256i sector,
                                                                   __m256i shifts) {
    return _mm256_and_si256(_mm256_srlv_epi32(choices, _mm256_permutevar8x32_epi32(shifts, sector)),
                            _mm256_set1_epi32(255));
}

struct Changes {
    __m256i hue, saturation, value, keepGrey;
};

// Eight pixels as 32-bit components; the result replaces them.
__attribute__((target("avx2"), always_inline)) inline void AdjustEight(__m256i& red, __m256i& green,
                                                                       __m256i& blue,
                                                                       const Changes& c) {
    const __m256i zero = _mm256_setzero_si256();
    const __m256i one = _mm256_set1_epi32(1);
    const __m256i max = _mm256_max_epi32(red, _mm256_max_epi32(green, blue));
    const __m256i delta =
        _mm256_sub_epi32(max, _mm256_min_epi32(red, _mm256_min_epi32(green, blue)));
    // Ties go to red first, then green.
    const __m256i redMax = _mm256_cmpeq_epi32(red, max);
    const __m256i greenMax = _mm256_andnot_si256(redMax, _mm256_cmpeq_epi32(green, max));
    const __m256i numerator = _mm256_blendv_epi8(
        _mm256_blendv_epi8(_mm256_sub_epi32(red, green), _mm256_sub_epi32(blue, red), greenMax),
        _mm256_sub_epi32(green, blue), redMax);
    const __m256i offset = _mm256_blendv_epi8(
        _mm256_blendv_epi8(_mm256_set1_epi32(240), _mm256_set1_epi32(120), greenMax), zero, redMax);
    // A grey pixel's quotients are never used: its divisors are only kept from 0.
    const __m256 spread = _mm256_cvtepi32_ps(_mm256_max_epi32(delta, one));
    const __m256i magnitude = _mm256_cvttps_epi32(_mm256_div_ps(
        _mm256_cvtepi32_ps(_mm256_mullo_epi32(_mm256_abs_epi32(numerator), _mm256_set1_epi32(60))),
        spread));
    __m256i hue = _mm256_add_epi32(_mm256_sign_epi32(magnitude, numerator), offset);
    hue = _mm256_add_epi32(hue,
                           _mm256_and_si256(_mm256_cmpgt_epi32(zero, hue), _mm256_set1_epi32(360)));
    hue = _mm256_add_epi32(hue, c.hue);
    // hue is below 720 here, so the wrap takes 360 off once; 360 itself becomes 0.
    hue = _mm256_sub_epi32(hue, _mm256_and_si256(_mm256_cmpgt_epi32(hue, _mm256_set1_epi32(359)),
                                                 _mm256_set1_epi32(360)));
    const __m256i saturated = _mm256_cvttps_epi32(
        _mm256_div_ps(_mm256_cvtepi32_ps(_mm256_mullo_epi32(delta, _mm256_set1_epi32(255))),
                      _mm256_cvtepi32_ps(_mm256_max_epi32(max, one))));
    const __m256i limit = _mm256_set1_epi32(255);
    const __m256i s =
        _mm256_min_epi32(_mm256_max_epi32(_mm256_add_epi32(saturated, c.saturation), zero), limit);
    const __m256i v =
        _mm256_min_epi32(_mm256_max_epi32(_mm256_add_epi32(max, c.value), zero), limit);
    // hue / 60 as (hue * 1093) >> 16, exact below 1500; both halves of a lane stay 16-bit.
    const __m256i sector = _mm256_mulhi_epu16(hue, _mm256_set1_epi32(1093));
    const __m256i f = _mm256_sub_epi32(hue, _mm256_mullo_epi16(sector, _mm256_set1_epi32(60)));
    const __m256i odd = _mm256_cmpeq_epi32(_mm256_and_si256(sector, one), one);
    const __m256i share = _mm256_blendv_epi8(_mm256_sub_epi32(_mm256_set1_epi32(60), f), f, odd);
    const __m256i sv = _mm256_mullo_epi32(s, v);
    // sv / 255 exactly for sv <= 255 * 255.
    const __m256i p = _mm256_sub_epi32(
        v, _mm256_srli_epi32(_mm256_add_epi32(_mm256_add_epi32(sv, one), _mm256_srli_epi32(sv, 8)),
                             8));
    // (share * sv / 255) / 60 is share * sv / 15300: q in odd sectors, t in even ones.
    const __m256i w = _mm256_sub_epi32(
        v, _mm256_cvttps_epi32(_mm256_div_ps(_mm256_cvtepi32_ps(_mm256_mullo_epi32(share, sv)),
                                             _mm256_set1_ps(15300.0f))));
    // v, p and w side by side in a lane's bytes 0, 1 and 2; each sector shifts its choice down.
    // Sectors 0..5 give red v w p p w v, green w v v w p p, blue p p w v v w. A saturation of
    // 0 makes p and w equal to v, as the plain code's grey result.
    const __m256i choices =
        _mm256_or_si256(v, _mm256_or_si256(_mm256_slli_epi32(p, 8), _mm256_slli_epi32(w, 16)));
    const __m256i r = Pick(choices, sector, _mm256_setr_epi32(0, 16, 8, 8, 16, 0, 0, 0));
    const __m256i g = Pick(choices, sector, _mm256_setr_epi32(16, 0, 0, 16, 8, 8, 0, 0));
    const __m256i b = Pick(choices, sector, _mm256_setr_epi32(8, 8, 16, 0, 0, 16, 0, 0));
    // A grey pixel whose saturation would rise keeps its bytes: it has no hue to colour it.
    const __m256i keep = _mm256_and_si256(_mm256_cmpeq_epi32(delta, zero), c.keepGrey);
    red = _mm256_blendv_epi8(r, red, keep);
    green = _mm256_blendv_epi8(g, green, keep);
    blue = _mm256_blendv_epi8(b, blue, keep);
}

__attribute__((target("avx2"), always_inline)) inline __m128i PackBytes(__m256i low, __m256i high) {
    const __m256i words = _mm256_permute4x64_epi64(_mm256_packus_epi32(low, high), 0xD8);
    return _mm_packus_epi16(_mm256_castsi256_si128(words), _mm256_extracti128_si256(words, 1));
}

}  // namespace

__attribute__((target("avx2"))) int64_t AdjustHsvRunAvx2(uint8_t* pixels, int64_t count,
                                                         int hueChange, int dS, int dV) {
    const Changes changes{_mm256_set1_epi32(hueChange), _mm256_set1_epi32(dS),
                          _mm256_set1_epi32(dV), _mm256_set1_epi32(dS > 0 ? -1 : 0)};
    int64_t done = 0;
    for (; done + 16 <= count; done += 16, pixels += 48) {
        __m128i part[3];
        for (int j = 0; j < 3; ++j)
            part[j] = _mm_loadu_si128(reinterpret_cast<__m128i*>(pixels + 16 * j));
        __m256i low[3], high[3];
        for (int k = 0; k < 3; ++k) {
            const __m128i bytes =
                _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(part[0], Load(kGather[k][0])),
                                          _mm_shuffle_epi8(part[1], Load(kGather[k][1]))),
                             _mm_shuffle_epi8(part[2], Load(kGather[k][2])));
            low[k] = _mm256_cvtepu8_epi32(bytes);
            high[k] = _mm256_cvtepu8_epi32(_mm_srli_si128(bytes, 8));
        }
        AdjustEight(low[2], low[1], low[0], changes);
        AdjustEight(high[2], high[1], high[0], changes);
        const __m128i component[3] = {PackBytes(low[0], high[0]), PackBytes(low[1], high[1]),
                                      PackBytes(low[2], high[2])};
        for (int j = 0; j < 3; ++j) {
            const __m128i out =
                _mm_or_si128(_mm_or_si128(_mm_shuffle_epi8(component[0], Load(kScatter[j][0])),
                                          _mm_shuffle_epi8(component[1], Load(kScatter[j][1]))),
                             _mm_shuffle_epi8(component[2], Load(kScatter[j][2])));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pixels + 16 * j), out);
        }
    }
    return done;
}

#else

int64_t AdjustHsvRunAvx2(uint8_t*, int64_t, int, int, int) {
    return 0;
}

#endif
