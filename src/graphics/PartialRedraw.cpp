// Dirty-rectangle test of the partial redraw.
#include "graphics/PartialRedraw.h"

#include <algorithm>

namespace {

struct Vec2 {
    double x, y;
};

double Cross(const Vec2& x, const Vec2& y, const Vec2& p) {
    return (y.x - x.x) * (p.y - x.y) - (y.y - x.y) * (p.x - x.x);
}

// The pair lies strictly on one side of the line through x and y.
bool PairOnOneSide(const Vec2& x, const Vec2& y, const Vec2& p, const Vec2& q) {
    return Cross(x, y, p) * Cross(x, y, q) > 0.000001;
}

// Skin coordinates as the test sees them: top-down, u just past 1 held at the edge, u well
// past 1 mirrored.
Vec2 Mapped(const TexCoord& c) {
    double u = c.u > 1.1 ? 1 - c.u : c.u > 1.0 ? 1.0 : c.u;
    return {u, 1 - c.v};
}

// True when some edge line of the triangle has every rectangle corner strictly on the side away
// from the third corner, or the bounding boxes do not meet.
bool Separated(const Vec2 (&t)[3], const Vec2 (&r)[4]) {
    double minX = std::min({t[0].x, t[1].x, t[2].x}), maxX = std::max({t[0].x, t[1].x, t[2].x});
    double minY = std::min({t[0].y, t[1].y, t[2].y}), maxY = std::max({t[0].y, t[1].y, t[2].y});
    if (r[1].x < minX || r[0].x > maxX || r[2].y < minY || r[0].y > maxY) return true;
    for (int i = 0; i < 3; ++i) {
        const Vec2& a = t[i];
        const Vec2& b = t[(i + 1) % 3];
        double inside = Cross(a, b, t[(i + 2) % 3]);
        if (inside == 0) continue;
        bool allOut = std::all_of(r, r + 4, [&](const Vec2& p) { return Cross(a, b, p) * inside < 0; });
        if (allOut) return true;
    }
    return false;
}

}  // namespace

bool HasRedrawArea(const Rect& dirty) {
    return int64_t(dirty.right) - dirty.left >= 1 && int64_t(dirty.bottom) - dirty.top >= 1;
}

bool NeedsRedraw(const Rect& dirty, std::span<const TexCoord, 3> corners) {
    double l = double(dirty.left) / kTextureSize, r = double(dirty.right) / kTextureSize;
    double t = double(dirty.top) / kTextureSize, b = double(dirty.bottom) / kTextureSize;
    const Vec2 rect[4] = {{l, t}, {r, t}, {r, b}, {l, b}};
    const Vec2 tri[3] = {Mapped(corners[0]), Mapped(corners[1]), Mapped(corners[2])};
    const int lines[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    bool oldSkip = true;
    for (const auto& line : lines) {
        const Vec2& x = tri[line[0]];
        const Vec2& y = tri[line[1]];
        if (!PairOnOneSide(x, y, rect[0], rect[1]) || !PairOnOneSide(x, y, rect[2], rect[3]))
            oldSkip = false;
    }
    return !(oldSkip && Separated(tri, rect));
}
