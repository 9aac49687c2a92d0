// Face-picking arithmetic.
#include "graphics/PickMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kNearZero = 0.001;
// The degree factor of the alignment as the view has always used it.
constexpr double kDegrees = 57.295826;
// Texels further out than this are not a point on any texture.
constexpr double kTexelLimit = 1 << 20;

Point3 Sub(const Point3& a, const Point3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
double Dot(const Point3& a, const Point3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
Point3 Cross(const Point3& a, const Point3& b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
bool NearZero(const Point3& v) {
    return std::abs(v.x) <= kNearZero && std::abs(v.y) <= kNearZero && std::abs(v.z) <= kNearZero;
}
bool Finite(const Point3& p) {
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

AlignMatrix Identity() { return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1}; }

// Row-major: element (r, c) at [r * 4 + c].
AlignMatrix Times(const AlignMatrix& a, const AlignMatrix& b) {
    AlignMatrix out{};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 4; ++k) out[r * 4 + c] += a[r * 4 + k] * b[k * 4 + c];
    return out;
}

Point3 Apply(const AlignMatrix& m, const Point3& p) {
    double out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = m[r * 4] * p.x + m[r * 4 + 1] * p.y + m[r * 4 + 2] * p.z + m[r * 4 + 3];
    return {out[0] / out[3], out[1] / out[3], out[2] / out[3]};
}

// Rotation about the axis through the origin, as glRotate builds it.
AlignMatrix Rotation(double degrees, const Point3& axis) {
    double length = std::sqrt(Dot(axis, axis));
    if (length == 0 || !std::isfinite(length)) return Identity();
    double x = axis.x / length, y = axis.y / length, z = axis.z / length;
    double radians = degrees * std::numbers::pi / 180.0;
    double c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    return {x * x * t + c,     x * y * t - z * s, x * z * t + y * s, 0,
            y * x * t + z * s, y * y * t + c,     y * z * t - x * s, 0,
            z * x * t - y * s, z * y * t + x * s, z * z * t + c,     0,
            0,                 0,                 0,                 1};
}

// The angle between two vectors in degrees; 0 when either has no length. The cosine is kept in
// [-1, 1] so that rounding cannot make the arc cosine undefined.
double AngleBetween(const Point3& a, const Point3& b) {
    double lengths = std::sqrt(Dot(a, a) * Dot(b, b));
    if (lengths == 0 || !std::isfinite(lengths)) return 0;
    double cosine = Dot(a, b) / lengths;
    if (cosine >= 1) return 0;
    return std::acos(std::max(cosine, -1.0)) * kDegrees;
}

// A rotation axis for normals that are (anti)parallel: any vector perpendicular to nt.
std::optional<Point3> FallbackAxis(const Point3& nt) {
    if (std::abs(nt.x) > kNearZero) return Point3{-nt.z / nt.x, 0, 1};
    if (std::abs(nt.y) > kNearZero) return Point3{0, -nt.z / nt.y, 1};
    if (std::abs(nt.z) > kNearZero) return Point3{1, 0, -nt.x / nt.z};
    return std::nullopt;
}

}  // namespace

std::optional<NdcPoint> NormalisedPoint(const Rect& view, int32_t x, int32_t y) {
    int32_t width = view.right - view.left, height = view.bottom - view.top;
    if (width <= 0 || height <= 0) return std::nullopt;
    int32_t cx = view.left + width / 2, cy = view.top + height / 2;
    return NdcPoint{2.0 * (double(x) - cx) / width, -2.0 * (double(y) - cy) / height};
}

Point3 PlaneNormal(const Point3& a, const Point3& b, const Point3& c) {
    return {a.y * (b.z - c.z) + b.y * (c.z - a.z) + c.y * (a.z - b.z),
            a.z * (b.x - c.x) + b.z * (c.x - a.x) + c.z * (a.x - b.x),
            a.x * (b.y - c.y) + b.x * (c.y - a.y) + c.x * (a.y - b.y)};
}

std::optional<double> DepthAt(std::span<const PickCorner, 3> corners, double px, double py) {
    const Point3& p1 = corners[0].position;
    const Point3& p2 = corners[1].position;
    const Point3& p3 = corners[2].position;
    Point3 n = PlaneNormal(p1, p2, p3);
    double d = -(p1.x * (p2.y * p3.z - p3.y * p2.z) + p2.x * (p3.y * p1.z - p1.y * p3.z) +
                 p3.x * (p1.y * p2.z - p2.y * p1.z));
    if (n.z == 0) return std::nullopt;
    double depth = -(n.x * px + n.y * py + d) / n.z;
    if (!std::isfinite(depth)) return std::nullopt;
    return depth;
}

int32_t NearestHit(std::span<const uint32_t> buffer, int32_t count, int32_t triangleCount,
                   const std::function<std::optional<double>(int32_t)>& depthOf) {
    if (count < 1 || buffer.empty()) return -1;
    // Every record is as long as the first, as the name stack makes them.
    uint32_t names = buffer[0];
    if (names < 2 || names > buffer.size()) return -1;
    size_t step = 3 + size_t(names);
    int32_t best = -1;
    double bestDepth = 0;
    for (size_t i = 0, at = 0; i < size_t(count) && at + step <= buffer.size(); ++i, at += step) {
        uint32_t triangle = buffer[at + 4];
        if (buffer[at] != names || triangle >= uint32_t(std::max(triangleCount, 0))) continue;
        std::optional<double> depth = depthOf(int32_t(triangle));
        if (!depth) continue;
        if (best < 0 || *depth < bestDepth) best = int32_t(triangle), bestDepth = *depth;
    }
    return best;
}

AlignMatrix AlignToTexture(std::span<const PickCorner, 3> corners) {
    Point3 s[3], t[3];
    for (int i = 0; i < 3; ++i) s[i] = corners[i].position, t[i] = {corners[i].u, corners[i].v, 0};
    Point3 ns = PlaneNormal(s[0], s[1], s[2]);
    Point3 nt = PlaneNormal(t[0], t[1], t[2]);
    Point3 axis = Cross(ns, nt);
    if (NearZero(axis)) {
        std::optional<Point3> fallback = FallbackAxis(nt);
        if (!fallback) return Identity();
        axis = *fallback;
    }
    AlignMatrix r1 = Rotation(AngleBetween(ns, nt), axis);
    for (Point3& p : s) p = Apply(r1, p);

    Point3 es = Sub(s[1], s[0]), et = Sub(t[1], t[0]);
    Point3 axis2 = Cross(es, et);
    if (NearZero(axis2)) axis2 = nt;
    AlignMatrix r2 = Rotation(AngleBetween(es, et), axis2);
    Point3 s1 = Apply(r2, s[0]);

    AlignMatrix move = Identity();
    move[3] = t[0].x - s1.x, move[7] = t[0].y - s1.y, move[11] = t[0].z - s1.z;
    return Times(move, Times(r2, r1));
}

std::optional<TexCoord> TexCoordAt(std::span<const PickCorner, 3> corners, const Point3& p) {
    AlignMatrix m = AlignToTexture(corners);
    Point3 q[3];
    for (int i = 0; i < 3; ++i) q[i] = Apply(m, corners[i].position);
    Point3 point = Apply(m, p);
    if (!Finite(q[0]) || !Finite(q[1]) || !Finite(q[2]) || !Finite(point)) return std::nullopt;

    TexCoord uv;
    bool atCorner = false;
    for (int i = 0; i < 3 && !atCorner; ++i) {
        if (point.x == q[i].x && point.y == q[i].y) uv = {corners[i].u, corners[i].v}, atCorner = true;
    }
    if (!atCorner) {
        int minX = 0, maxX = 0, minY = 0, maxY = 0;
        for (int i = 1; i < 3; ++i) {
            if (q[i].x < q[minX].x) minX = i;
            if (q[i].x > q[maxX].x) maxX = i;
            if (q[i].y < q[minY].y) minY = i;
            if (q[i].y > q[maxY].y) maxY = i;
        }
        double spreadX = q[maxX].x - q[minX].x, spreadY = q[maxY].y - q[minY].y;
        if (spreadX == 0 || spreadY == 0) return std::nullopt;
        double sx = (point.x - q[minX].x) / spreadX, sy = (point.y - q[minY].y) / spreadY;
        uv.u = corners[minX].u + sx * (corners[maxX].u - corners[minX].u);
        uv.v = corners[minY].v + sy * (corners[maxY].v - corners[minY].v);
    }
    if (!std::isfinite(uv.u) || !std::isfinite(uv.v)) return std::nullopt;
    if (uv.u > 1.0) uv.u -= 1.0;
    return uv;
}

std::optional<Texel> TexelOf(const TexCoord& uv, int32_t width, int32_t height) {
    double x = uv.u * width, y = (1 - uv.v) * height;
    if (!(std::abs(x) < kTexelLimit) || !(std::abs(y) < kTexelLimit)) return std::nullopt;
    return Texel{int32_t(x), int32_t(y)};
}
