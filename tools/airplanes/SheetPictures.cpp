// The skin designs and the line overlay. Patterns are laid out in sheet units, so a design
// looks the same whatever the picture's resolution.
#include "SheetPictures.h"

#include <algorithm>
#include <cmath>

namespace {

RgbPixel Colour(const SkinDesign& s, size_t i) {
    return RgbOf(s.colours[1 + i % (s.colours.size() - 1)]);
}

Polygon Star(Vec2 c, double r) {
    Polygon p;
    for (int i = 0; i < 10; ++i) {
        const double a = -M_PI / 2 + i * M_PI / 5, rr = i % 2 == 0 ? r : r * 0.45;
        p.push_back({c.x + rr * std::cos(a), c.y + rr * std::sin(a)});
    }
    return p;
}

// A small repeatable scatter, so every build paints the same skin.
double Hash(int i, int k) {
    uint32_t h = uint32_t(i) * 2654435761u ^ uint32_t(k) * 40503u;
    h ^= h >> 13;
    h *= 0x5bd1e995u;
    h ^= h >> 15;
    return (h & 0xFFFF) / 65535.0;
}

void Stripes(Canvas& c, const SkinDesign& s, double px) {
    const double band = 28 * px, h = c.Height();
    for (int i = -int(h / band) - 2; i * band < c.Width() + h; ++i) {
        const double x = i * band;
        c.FillPolygon({{x, 0}, {x + band * 0.55, 0}, {x + band * 0.55 - h, h}, {x - h, h}},
                      Colour(s, size_t(i + 100)));
    }
}

void Dots(Canvas& c, const SkinDesign& s, double px) {
    const double step = 26 * px;
    for (int j = 0; j * step < c.Height() + step; ++j)
        for (int i = 0; i * step < c.Width() + step; ++i)
            c.FillCircle({(i + (j % 2) * 0.5) * step, j * step}, step * 0.28, Colour(s, size_t(i + j)));
}

void Stars(Canvas& c, const SkinDesign& s, double px) {
    const int n = int(c.Width() * c.Height() / (px * px * 900));
    for (int i = 0; i < n; ++i) {
        const Vec2 at{Hash(i, 1) * c.Width(), Hash(i, 2) * c.Height()};
        c.FillPolygon(Star(at, (6 + 8 * Hash(i, 3)) * px), Colour(s, size_t(i)));
    }
}

void Chevrons(Canvas& c, const SkinDesign& s, double px) {
    const double band = 30 * px, mid = c.Height() / 2.0, w = c.Width();
    for (int i = -2; i * band < w + mid; ++i) {
        const double x = i * band;
        c.FillPolygon({{x, 0}, {x + band * 0.5, 0}, {x + band * 0.5 + mid, mid}, {x + band * 0.5, 2 * mid},
                       {x, 2 * mid}, {x + mid, mid}},
                      Colour(s, size_t(i + 100)));
    }
}

void Checks(Canvas& c, const SkinDesign& s, double px) {
    const int side = int(24 * px);
    for (int j = 0; j * side < c.Height(); ++j)
        for (int i = 0; i * side < c.Width(); ++i)
            if ((i + j) % 2 == 0) c.FillRect(i * side, j * side, side, side, Colour(s, size_t(i / 2 + j)));
}

void Waves(Canvas& c, const SkinDesign& s, double px) {
    const double band = 22 * px;
    for (int j = 0; j * band < c.Height() + band; ++j) {
        Polygon p;
        for (int x = 0; x <= c.Width(); x += 4) p.push_back({double(x), j * band + 6 * px * std::sin(x / (18 * px))});
        for (int x = c.Width(); x >= 0; x -= 4)
            p.push_back({double(x), j * band + band * 0.5 + 6 * px * std::sin(x / (18 * px))});
        c.FillPolygon(p, Colour(s, size_t(j)));
    }
}

}  // namespace

void SheetPictureSize(const PlaneDescription& d, int longSide, int& width, int& height) {
    const double scale = longSide / std::max(d.width, d.height);
    width = std::max(4, int(std::lround(d.width * scale / 4)) * 4);
    height = std::max(1, int(std::lround(d.height * scale)));
}

Canvas PaintSkin(const PlaneDescription& d, int longSide) {
    int w = 0, h = 0;
    SheetPictureSize(d, longSide, w, h);
    Canvas c(w, h, RgbOf(d.skin.colours[0]));
    const double px = w / d.width;  // pixels a sheet unit
    const std::string& p = d.skin.pattern;
    if (p == "stripes") Stripes(c, d.skin, px);
    else if (p == "dots") Dots(c, d.skin, px);
    else if (p == "stars") Stars(c, d.skin, px);
    else if (p == "chevrons") Chevrons(c, d.skin, px);
    else if (p == "checks") Checks(c, d.skin, px);
    else Waves(c, d.skin, px);
    return c;
}

Canvas DrawLineOverlay(const PlaneDescription& d, const std::vector<Crease>& creases, int longSide) {
    int w = 0, h = 0;
    SheetPictureSize(d, longSide, w, h);
    Canvas c(w, h, {255, 255, 255});
    const double sx = w / d.width, sy = h / d.height, zoom = double(longSide) / kSkinLongSide;
    for (const Crease& k : creases) {
        Vec2 a{k.a.x * sx, k.a.y * sy}, b{k.b.x * sx, k.b.y * sy};
        // One direction for every piece of a line, so the dashes of its pieces line up.
        if (a.x > b.x + 1e-6 || (std::abs(a.x - b.x) <= 1e-6 && a.y > b.y)) std::swap(a, b);
        Dashes dashes = k.kind == FoldKind::valley ? kValleyDashes : kMountainDashes;
        for (double& x : dashes) x *= zoom;
        double period = 0;
        for (double x : dashes) period += x;
        const Vec2 dir = (b - a) * (1 / std::max(Length(b - a), 1e-9));
        const double phase = std::fmod(std::fmod(Dot(a, dir), period) + period, period);
        // Start the pattern a phase earlier, then draw only from a.
        Dashes shifted;
        double left = phase;
        size_t i = 0;
        while (left >= dashes[i]) left -= dashes[i], i = (i + 1) % dashes.size();
        if (i % 2 == 1) shifted.push_back(0);
        shifted.push_back(dashes[i] - left);
        for (size_t n = 1; n <= dashes.size() * 80; ++n) shifted.push_back(dashes[(i + n) % dashes.size()]);
        const RgbPixel colour = k.kind == FoldKind::valley ? RgbPixel{40, 80, 200} : RgbPixel{200, 40, 60};
        c.Line(a, b, 2.5 * zoom, colour, shifted);
    }
    const double edge = 1.5 * zoom;
    c.Outline({{edge, edge}, {w - edge, edge}, {w - edge, h - edge}, {edge, h - edge}}, 3 * zoom, {0, 0, 0});
    return c;
}
