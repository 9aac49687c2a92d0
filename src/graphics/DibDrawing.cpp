// Dib drawing on the CPU surface.
#include "graphics/DibDrawing.h"

#include <algorithm>
#include <array>
#include <memory>
#include <vector>

namespace {

struct SurfaceBitmap final : Dib::DeviceBitmap {
    Surface surface;
};

uint32_t ColourAt(const Dib& dib, int32_t x, int32_t y) {
    const uint8_t* p = dib.PixelAt(x, y);
    return Rgb(p[2], p[1], p[0]);
}

bool Drawable(const Dib& dib) { return !dib.IsEmpty() && dib.IsUsable(); }

// Nearest-pixel scaling of the source block into the destination, clipped on both sides.
int Stretch(const Dib& dib, Surface& device, int32_t x, int32_t y, int32_t w, int32_t h,
            int32_t sx, int32_t sy, int32_t sw, int32_t sh) {
    if (!Drawable(dib) || device.IsEmpty()) return 0;
    if (w <= 0 || h <= 0 || sw <= 0 || sh <= 0) return 0;
    Rect clip;
    if (!Intersect({x, y, x + w, y + h}, device.Bounds(), clip)) return 1;
    for (int32_t py = clip.top; py < clip.bottom; ++py) {
        const int32_t v = sy + int32_t(int64_t(py - y) * sh / h);
        if (v < 0 || v >= dib.Height()) continue;
        uint32_t* row = device.Row(py);
        for (int32_t px = clip.left; px < clip.right; ++px) {
            const int32_t u = sx + int32_t(int64_t(px - x) * sw / w);
            if (u < 0 || u >= dib.Width()) continue;
            row[px] = ColourAt(dib, u, v);
        }
    }
    device.Touch(clip);
    return 1;
}

}  // namespace

int DrawStretched(const Dib& dib, Surface& device, const Rect& dest, const Rect& source) {
    return Stretch(dib, device, dest.left, dest.top, dest.right - dest.left,
                   dest.bottom - dest.top, source.left, source.top, source.right - source.left,
                   source.bottom - source.top);
}

int DrawRowsStretched(const BgrRows& rows, Surface& device, const Rect& dest) {
    const int32_t w = dest.Width(), h = dest.Height();
    if (rows.pixels == nullptr || rows.width < 1 || rows.height < 1 || w <= 0 || h <= 0 ||
        device.IsEmpty())
        return 0;
    Rect clip;
    if (!Intersect(dest, device.Bounds(), clip)) return 1;
    // The source byte of each destination column, worked out once for all rows.
    std::vector<size_t> columns(size_t(clip.Width()));
    for (int32_t px = clip.left; px < clip.right; ++px)
        columns[size_t(px - clip.left)] = size_t(int64_t(px - dest.left) * rows.width / w) * 3;
    for (int32_t py = clip.top; py < clip.bottom; ++py) {
        const int32_t v = int32_t(int64_t(py - dest.top) * rows.height / h);
        // Stored bottom row first.
        const uint8_t* source = rows.pixels + size_t(rows.height - 1 - v) * size_t(rows.stride);
        uint32_t* row = device.Row(py) + clip.left;
        for (size_t i = 0; i < columns.size(); ++i) {
            const uint8_t* p = source + columns[i];
            row[i] = Rgb(p[2], p[1], p[0]);
        }
    }
    device.Touch(clip);
    return 1;
}

void DrawAt(const Dib& dib, Surface& device, Rect rect, bool centred, int32_t screenWidth,
            int32_t screenHeight) {
    if (!Drawable(dib) || device.IsEmpty()) return;
    if (centred) rect.Offset(screenWidth / 2 - 400, screenHeight / 2 - 300);
    const int32_t w = rect.right - rect.left;
    const int32_t h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    // Row j of the rectangle shows the picture's row (height - h + j): the source starts at
    // the first stored row, the bottom one.
    Rect clip;
    if (!Intersect(rect, device.Bounds(), clip)) return;
    for (int32_t py = clip.top; py < clip.bottom; ++py) {
        const int32_t v = dib.Height() - h + (py - rect.top);
        if (v < 0 || v >= dib.Height()) continue;
        uint32_t* row = device.Row(py);
        const int32_t end = std::min(clip.right, rect.left + dib.Width());
        for (int32_t px = clip.left; px < end; ++px) row[px] = ColourAt(dib, px - rect.left, v);
    }
    device.Touch(clip);
}

void DrawTransparent(Dib& dib, Surface& device, int32_t x, int32_t y) {
    if (dib.GetDeviceBitmap() == nullptr && MakeDeviceBitmap(dib) == nullptr) return;
    if (device.IsEmpty()) return;
    // Mask by AND, colour by OR: white pixels leave the device as it was, the others replace it.
    Rect clip;
    if (!Intersect({x, y, x + dib.Width(), y + dib.Height()}, device.Bounds(), clip)) return;
    for (int32_t py = clip.top; py < clip.bottom; ++py) {
        uint32_t* row = device.Row(py);
        for (int32_t px = clip.left; px < clip.right; ++px) {
            const uint32_t c = ColourAt(dib, px - x, py - y);
            if (c != 0xFFFFFF) row[px] = c;
        }
    }
    device.Touch(clip);
}

Dib::DeviceBitmap* MakeDeviceBitmap(Dib& dib) {
    if (!Drawable(dib)) return nullptr;
    auto bitmap = std::make_unique<SurfaceBitmap>();
    bitmap->surface = ToSurface(dib);
    if (bitmap->surface.IsEmpty()) return nullptr;
    dib.SetDeviceBitmap(std::move(bitmap));
    return dib.GetDeviceBitmap();
}


Surface ToSurface(const Dib& dib) {
    if (!Drawable(dib)) return {};
    Surface s(dib.Width(), dib.Height());
    for (int32_t y = 0; y < s.Height(); ++y) {
        uint32_t* row = s.Row(y);
        for (int32_t x = 0; x < s.Width(); ++x) row[x] = ColourAt(dib, x, y);
    }
    s.TakeTouched();
    return s;
}

bool Meets(const Rect& a, const Rect& b) {
    Rect common;
    return Intersect(a, b, common);
}

void DrawPictureClipped(const Dib& picture, Surface& device, int32_t x, int32_t y,
                        const Rect& clip) {
    if (!picture.IsUsable()) return;
    const Rect whole{x, y, x + picture.Width(), y + picture.Height()};
    Rect part;
    if (!Intersect(whole, clip, part)) return;
    const Rect source{part.left - x, part.top - y, part.right - x, part.bottom - y};
    DrawStretched(picture, device, part, source);
}

void DrawControl(const Dib& picture, Surface& device, const Rect& at, const Rect& update) {
    Rect clip;
    if (!Intersect(at, update, clip)) return;
    DrawPictureClipped(picture, device, at.left, at.top, clip);
}

uint32_t EdgeColour(const Dib& picture, uint32_t fallback) {
    const Surface s = ToSurface(picture);
    if (s.IsEmpty()) return fallback;
    // The edge's most common colour (to 4 bits a channel), not its average: a panel that
    // touches the edge must not muddy the sky around it.
    std::vector<uint32_t> count(4096, 0);
    std::vector<std::array<uint64_t, 3>> sum(4096, {0, 0, 0});
    auto add = [&](int32_t x, int32_t y) {
        const uint32_t c = s.PixelAt(x, y);
        const uint32_t bin = ((c >> 12) & 0xF00) | ((c >> 8) & 0xF0) | ((c >> 4) & 0xF);
        ++count[bin];
        sum[bin][0] += (c >> 16) & 0xFF, sum[bin][1] += (c >> 8) & 0xFF, sum[bin][2] += c & 0xFF;
    };
    for (int32_t x = 0; x < s.Width(); ++x) add(x, 0), add(x, s.Height() - 1);
    for (int32_t y = 1; y + 1 < s.Height(); ++y) add(0, y), add(s.Width() - 1, y);
    const size_t best = size_t(std::max_element(count.begin(), count.end()) - count.begin());
    const uint64_t n = count[best];
    return Rgb(uint8_t(sum[best][0] / n), uint8_t(sum[best][1] / n), uint8_t(sum[best][2] / n));
}
