// Drawing on a Canvas: polygons by scanline with a little edge smoothing, thick dashed lines
// as quads, a blocky digit face for the step numbers.
#include "graphics/Canvas.h"

#include <algorithm>
#include <cmath>

#include <unordered_map>

#include "base/BinaryFile.h"
#include "graphics/Dib.h"

Canvas::Canvas(int w, int h, RgbPixel fill) : width(w), height(h), pixels(size_t(w) * size_t(h), fill) {}

RgbPixel Canvas::Get(int x, int y) const {
    if (x < 0 || y < 0 || x >= width || y >= height) return {};
    return pixels[size_t(y) * size_t(width) + size_t(x)];
}

void Canvas::Set(int x, int y, RgbPixel c) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    pixels[size_t(y) * size_t(width) + size_t(x)] = c;
}

void Canvas::Blend(int x, int y, RgbPixel c, double alpha) {
    if (x < 0 || y < 0 || x >= width || y >= height || alpha <= 0) return;
    RgbPixel& p = pixels[size_t(y) * size_t(width) + size_t(x)];
    p = Mix(p, c, std::min(alpha, 1.0));
}

void Canvas::FillRect(int x, int y, int w, int h, RgbPixel c) {
    for (int j = std::max(y, 0); j < std::min(y + h, height); ++j)
        for (int i = std::max(x, 0); i < std::min(x + w, width); ++i) Set(i, j, c);
}

// Four sub-rows a pixel row, coverage counted across them: smooth enough for print.
void Canvas::FillPolygon(const Polygon& p, RgbPixel c, double alpha) {
    if (p.size() < 3) return;
    double top = 1e30, bottom = -1e30, left = 1e30, right = -1e30;
    for (Vec2 v : p) {
        top = std::min(top, v.y);
        bottom = std::max(bottom, v.y);
        left = std::min(left, v.x);
        right = std::max(right, v.x);
    }
    const int y0 = std::max(0, int(std::floor(top))), y1 = std::min(height - 1, int(bottom));
    // Only the columns the polygon spans are touched: the movie frames fill many small ones.
    const int x0 = std::max(0, int(std::floor(left))), x1 = std::min(width - 1, int(std::ceil(right)));
    if (x1 < x0) return;
    std::vector<double> cover(size_t(std::max(width, 1)));
    for (int y = y0; y <= y1; ++y) {
        std::fill(cover.begin() + x0, cover.begin() + x1 + 1, 0.0);
        for (int s = 0; s < 4; ++s) {
            const double sy = y + (s + 0.5) / 4;
            std::vector<double> xs;
            for (size_t i = 0; i < p.size(); ++i) {
                const Vec2 a = p[i], b = p[(i + 1) % p.size()];
                if ((a.y <= sy) != (b.y <= sy)) xs.push_back(a.x + (sy - a.y) / (b.y - a.y) * (b.x - a.x));
            }
            std::sort(xs.begin(), xs.end());
            for (size_t i = 0; i + 1 < xs.size(); i += 2) {
                const double l = std::max(xs[i], 0.0), r = std::min(xs[i + 1], double(width));
                for (int x = int(l); x < width && x < r; ++x) {
                    cover[size_t(x)] += (std::min(r, x + 1.0) - std::max(l, double(x))) / 4;
                }
            }
        }
        for (int x = x0; x <= x1; ++x) Blend(x, y, c, cover[size_t(x)] * alpha);
    }
}

void Canvas::FillCircle(Vec2 o, double r, RgbPixel c) {
    Polygon p;
    const int n = std::max(12, int(r * 2));
    for (int i = 0; i < n; ++i) {
        const double t = 2 * M_PI * i / n;
        p.push_back({o.x + r * std::cos(t), o.y + r * std::sin(t)});
    }
    FillPolygon(p, c);
}

void Canvas::Line(Vec2 a, Vec2 b, double thickness, RgbPixel c, const Dashes& dashes) {
    const double len = Length(b - a);
    if (len < 1e-9) return;
    const Vec2 d = (b - a) * (1 / len), n{-d.y * thickness / 2, d.x * thickness / 2};
    auto piece = [&](double s, double e) {
        const Vec2 p = a + d * s, q = a + d * std::min(e, len);
        FillPolygon({p + n, q + n, q - n, p - n}, c);
    };
    if (dashes.empty()) return piece(0, len);
    size_t i = 0;
    for (double s = 0; s < len; s += dashes[i], i = (i + 1) % dashes.size()) {
        if (i % 2 == 0) piece(s, s + dashes[i]);
    }
}

void Canvas::Outline(const Polygon& p, double thickness, RgbPixel c) {
    for (size_t i = 0; i < p.size(); ++i) Line(p[i], p[(i + 1) % p.size()], thickness, c);
}

void Canvas::Arrow(Vec2 a, Vec2 b, double thickness, RgbPixel c) {
    const double len = Length(b - a);
    if (len < 1e-9) return;
    const Vec2 d = (b - a) * (1 / len), n{-d.y, d.x};
    const double head = std::min(len * 0.45, thickness * 5);
    Line(a, b - d * head * 0.8, thickness, c);
    FillPolygon({b, b - d * head + n * head * 0.55, b - d * head - n * head * 0.55}, c);
}

void Canvas::Bow(Vec2 from, Vec2 to, double thickness, RgbPixel c) {
    const Vec2 d = to - from, n{-d.y * 0.3, d.x * 0.3};
    Vec2 prev = from;
    for (int i = 1; i <= 8; ++i) {
        const double t = i / 8.0;
        const Vec2 p = from + d * t + n * (4 * t * (1 - t));
        if (i < 8) Line(prev, p, thickness, c);
        else Arrow(prev, p, thickness, c);
        prev = p;
    }
}

void Canvas::Digits(const std::string& text, double x, double y, double size, RgbPixel c) {
    // 3 x 5 cells a digit, rows top to bottom.
    static const char* const glyphs[10] = {"111101101101111", "010110010010111", "111001111100111",
                                           "111001111001111", "101101111001001", "111100111001111",
                                           "111100111101111", "111001010010010", "111101111101111",
                                           "111101111001111"};
    const double cell = size / 5;
    for (char ch : text) {
        if (ch < '0' || ch > '9') {
            x += cell * 4;
            continue;
        }
        const char* g = glyphs[ch - '0'];
        for (int k = 0; k < 15; ++k) {
            if (g[k] != '1') continue;
            const double cx = x + (k % 3) * cell, cy = y + (k / 3) * cell;
            FillPolygon({{cx, cy}, {cx + cell, cy}, {cx + cell, cy + cell}, {cx, cy + cell}}, c);
        }
        x += cell * 4;
    }
}

void Canvas::Paste(const Canvas& o, int x, int y, int w, int h) {
    if (o.width == 0 || o.height == 0) return;
    for (int j = 0; j < h; ++j)
        for (int i = 0; i < w; ++i) Set(x + i, y + j, o.Get(i * o.width / w, j * o.height / h));
}

void Canvas::ToBgrRows(uint8_t* rows, int32_t stride) const {
    for (int y = 0; y < height; ++y) {
        uint8_t* row = rows + size_t(height - 1 - y) * size_t(stride);
        const RgbPixel* in = pixels.data() + size_t(y) * size_t(width);
        for (int x = 0; x < width; ++x) row[x * 3] = in[x].b, row[x * 3 + 1] = in[x].g, row[x * 3 + 2] = in[x].r;
    }
}

Dib Canvas::ToDib() const {
    Dib dib = Dib::CreateBlank(width, height);
    if (!dib.IsEmpty()) ToBgrRows(dib.PixelBytes(), dib.Stride());
    return dib;
}

int Canvas::SaveBmp(const std::string& path) const {
    if (width % 4 != 0) return 0;
    const Dib dib = ToDib();
    return dib.IsEmpty() ? 0 : dib.SaveToFile(path);
}

namespace {

// A palette of at most `entries` colours for more colours than that, each (count, 0xRRGGBB):
// the colour box that spans most, weighted by the fourth root of its pixels, is cut at its
// median along its longest side until there are enough; each box gives its pixels' mean. Rare
// colours keep a box of their own, where the commonest colours alone would lose them.
std::vector<std::pair<size_t, uint32_t>> MedianCut(std::vector<std::pair<size_t, uint32_t>> colours,
                                                   size_t entries) {
    auto channel = [](uint32_t c, int k) { return int((c >> (16 - 8 * k)) & 255); };
    struct Box {
        size_t first, last;  // [first, last) of colours
        int side;            // the longest channel
        long long weight;    // the fourth root of its pixels x its span along that side
    };
    auto measure = [&](size_t first, size_t last) {
        Box b{first, last, 0, 0};
        int lo[3] = {255, 255, 255}, hi[3] = {0, 0, 0};
        size_t pixels = 0;
        for (size_t i = first; i < last; ++i) {
            pixels += colours[i].first;
            for (int k = 0; k < 3; ++k)
                lo[k] = std::min(lo[k], channel(colours[i].second, k)), hi[k] = std::max(hi[k], channel(colours[i].second, k));
        }
        for (int k = 1; k < 3; ++k)
            if (hi[k] - lo[k] > hi[b.side] - lo[b.side]) b.side = k;
        b.weight = last - first > 1 ? (long long)(std::sqrt(std::sqrt(double(pixels))) * 1000) * (hi[b.side] - lo[b.side]) : 0;
        return b;
    };
    std::vector<Box> boxes{measure(0, colours.size())};
    while (boxes.size() < entries) {
        auto widest = std::max_element(boxes.begin(), boxes.end(), [](const Box& a, const Box& b) { return a.weight < b.weight; });
        if (widest->weight == 0) break;
        const Box b = *widest;
        std::sort(colours.begin() + long(b.first), colours.begin() + long(b.last),
                  [&](auto x, auto y) { return channel(x.second, b.side) < channel(y.second, b.side); });
        size_t total = 0, half = 0, cut = b.first + 1;
        for (size_t i = b.first; i < b.last; ++i) total += colours[i].first;
        for (size_t i = b.first; i + 1 < b.last; ++i) {
            half += colours[i].first;
            cut = i + 1;
            if (2 * half >= total) break;
        }
        *widest = measure(b.first, cut);
        boxes.push_back(measure(cut, b.last));
    }
    std::vector<std::pair<size_t, uint32_t>> palette;
    for (const Box& b : boxes) {
        double sum[3] = {0, 0, 0};
        size_t pixels = 0;
        for (size_t i = b.first; i < b.last; ++i) {
            pixels += colours[i].first;
            for (int k = 0; k < 3; ++k) sum[k] += double(colours[i].first) * channel(colours[i].second, k);
        }
        uint32_t mean = 0;
        for (int k = 0; k < 3; ++k) mean = mean << 8 | uint32_t(std::lround(sum[k] / double(pixels)));
        palette.push_back({pixels, mean});
    }
    std::sort(palette.begin(), palette.end(), [](auto a, auto b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    return palette;
}

}  // namespace

int Canvas::SavePalettedBmp(const std::string& path, int bits) const {
    if (width < 1 || height < 1 || (bits != 4 && bits != 8)) return 0;
    const size_t entries = size_t(1) << bits;
    auto key = [](RgbPixel c) { return uint32_t(c.r) << 16 | uint32_t(c.g) << 8 | c.b; };
    std::unordered_map<uint32_t, size_t> counts;
    for (const RgbPixel& p : pixels) ++counts[key(p)];
    std::vector<std::pair<size_t, uint32_t>> byCount;
    for (const auto& [colour, n] : counts) byCount.push_back({n, colour});
    std::sort(byCount.begin(), byCount.end(), [](auto a, auto b) { return a.first != b.first ? a.first > b.first : a.second < b.second; });
    if (byCount.size() > entries) byCount = MedianCut(byCount, entries);
    std::unordered_map<uint32_t, uint8_t> index;
    for (const auto& [colour, n] : counts) {
        size_t best = 0;
        long bestDistance = -1;
        for (size_t i = 0; i < byCount.size(); ++i) {
            const uint32_t p = byCount[i].second;
            const long dr = long(colour >> 16) - long(p >> 16), dg = long((colour >> 8) & 255) - long((p >> 8) & 255),
                       db = long(colour & 255) - long(p & 255);
            const long d = dr * dr + dg * dg + db * db;
            if (bestDistance < 0 || d < bestDistance) bestDistance = d, best = i;
        }
        index[colour] = uint8_t(best);
    }
    const uint32_t stride = (uint32_t(width) * uint32_t(bits) + 31) / 32 * 4, table = uint32_t(entries) * 4;
    const uint32_t imageSize = stride * uint32_t(height), offset = 14 + 40 + table;
    std::vector<uint8_t> file(offset + imageSize, 0);
    file[0] = 'B', file[1] = 'M';
    PutU32(file.data() + 2, offset + imageSize);
    PutU32(file.data() + 10, offset);
    uint8_t* h = file.data() + 14;
    PutU32(h, 40);
    PutU32(h + 4, uint32_t(width));
    PutU32(h + 8, uint32_t(height));
    PutU16(h + 12, 1);
    PutU16(h + 14, uint16_t(bits));
    PutU32(h + 20, imageSize);
    PutU32(h + 32, uint32_t(entries));
    for (size_t i = 0; i < byCount.size(); ++i) {
        uint8_t* e = file.data() + 54 + i * 4;
        e[0] = uint8_t(byCount[i].second), e[1] = uint8_t(byCount[i].second >> 8), e[2] = uint8_t(byCount[i].second >> 16);
    }
    for (int y = 0; y < height; ++y) {
        uint8_t* row = file.data() + offset + size_t(height - 1 - y) * stride;  // bottom row first
        for (int x = 0; x < width; ++x) {
            const uint8_t i = index[key(pixels[size_t(y) * size_t(width) + size_t(x)])];
            if (bits == 8) row[x] = i;
            else row[x / 2] |= uint8_t(x % 2 == 0 ? i << 4 : i);  // the left pixel in the high half
        }
    }
    return WriteFileAtomically(path, {{file.data(), file.size()}}) ? 1 : 0;
}
