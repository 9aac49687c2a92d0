// CompositeThroughMask.
#include "raster/StampComposite.h"

#include <algorithm>

#include "raster/BitmapBlock.h"
#include "raster/StampCompositeAvx2.h"
#include "raster/VectorLevel.h"

namespace {

inline uint8_t Blend(uint8_t d, uint8_t s, int m) {
    // Integer division truncates toward zero, as the blend is defined.
    return static_cast<uint8_t>(d + m * (s - d) / 256);
}

// Blends `count` pixels; the picture advances by `pictureStep` bytes (0 for a plain colour).
void BlendRun(uint8_t* d, const uint8_t* s, int pictureStep, const uint8_t* m, int maskStep,
              int64_t count) {
    for (int64_t i = 0; i < count; ++i, d += 3, s += pictureStep, m += maskStep) {
        const int value = *m;
        if (value == 0) continue;
        for (int k = 0; k < 3; ++k) d[k] = value == 255 ? s[k] : Blend(d[k], s[k], value);
    }
}

}  // namespace

int CompositeThroughMask(const CompositeRequest& q) {
    const uint8_t* picture = q.picture;
    if (!IsPixelBlock(q.destination) || !IsColourBlock(q.destination)) return 0;
    if (!IsPixelBlock(q.mask)) return 0;
    if (picture && (!IsPixelBlock(picture) || !IsColourBlock(picture))) return 0;
    int64_t dw = BlockWidth(q.destination), dh = BlockHeight(q.destination);
    int64_t dx = q.destX, dy = q.destY;
    int64_t width = std::min(dw - dx, int64_t{BlockWidth(q.mask)} - q.maskX);
    int64_t height = std::min(dh - dy, int64_t{BlockHeight(q.mask)} - q.maskY);
    if (picture) {
        width = std::min(width, int64_t{BlockWidth(picture)} - q.pictureX);
        height = std::min(height, int64_t{BlockHeight(picture)} - q.pictureY);
    }
    width = std::clamp<int64_t>(width, 0, std::max(0, q.widthLimit));
    height = std::clamp<int64_t>(height, 0, std::max(0, q.heightLimit));
    if (width == 0 || height == 0) return 0;
    // A plain colour repeated over 16 pixels, for the vector path.
    uint8_t plain[48];
    for (int i = 0; i < 48; i += 3) {
        plain[i] = BlueOf(q.colour), plain[i + 1] = GreenOf(q.colour),
        plain[i + 2] = RedOf(q.colour);
    }
    // Columns where destination, mask and picture pixels all exist.
    int64_t c0 = std::max({int64_t{0}, -dx, -int64_t{q.maskX}});
    int64_t c1 = std::min({width, dw - dx, int64_t{BlockWidth(q.mask)} - q.maskX});
    if (picture) {
        c0 = std::max(c0, -int64_t{q.pictureX});
        c1 = std::min(c1, int64_t{BlockWidth(picture)} - q.pictureX);
    }
    if (c0 >= c1) return 1;
    const int maskStep = BlockBytesPerPixel(q.mask);
    // The vector path reads one mask byte per pixel: a 24-bit mask goes the plain way.
    const bool vector = ActiveVectorLevel() == VectorLevel::Avx2 && maskStep == 1;
    const int pictureStep = picture ? 3 : 0;
    for (int64_t r = std::max<int64_t>(0, -dy); r < std::min(height, dh - dy); ++r) {
        uint8_t* d = PixelAt(q.destination, dx + c0, dy + r);
        const uint8_t* m = PixelAt(q.mask, q.maskX + c0, q.maskY + r);
        const uint8_t* s = picture ? PixelAt(picture, q.pictureX + c0, q.pictureY + r) : plain;
        if (!d || !m || !s) continue;  // a row missing from the mask or picture
        const int64_t done = vector ? BlendRunAvx2(d, s, pictureStep * 16, m, c1 - c0) : 0;
        BlendRun(d + done * 3, s + done * pictureStep, pictureStep, m + done * maskStep, maskStep,
                 c1 - c0 - done);
    }
    return 1;
}
