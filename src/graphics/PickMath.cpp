// Face-picking arithmetic.
#include "graphics/PickMath.h"

#include <algorithm>
#include <cmath>

namespace {

// Texels further out than this are not a point on any texture.
constexpr double kTexelLimit = 1 << 20;
// A point this little outside a triangle (in barycentric terms) lies on its edge: the two
// triangles of a shared edge both cover it, whatever the rounding.
constexpr double kOnEdge = 1e-9;

// Twice the signed area of the screen triangle (a, b, c).
double Cross2(const Point3& a, const Point3& b, const Point3& c) {
    return (b.x - a.x) * (c.y - a.y) - (b.y - a.y) * (c.x - a.x);
}

// Screen-space barycentric weights of p in the triangle whose doubled area is `area`.
std::array<double, 3> ScreenWeights(std::span<const PickCorner, 3> corners, const Point3& p,
                                    double area) {
    const Point3& a = corners[0].position;
    const Point3& b = corners[1].position;
    const Point3& c = corners[2].position;
    return {Cross2(p, b, c) / area, Cross2(a, p, c) / area, Cross2(a, b, p) / area};
}

// The point of segment ab nearest to p, on the screen.
Point3 NearestOnSegment(const Point3& a, const Point3& b, const Point3& p) {
    double dx = b.x - a.x, dy = b.y - a.y, length = dx * dx + dy * dy;
    double t = length > 0 ? std::clamp(((p.x - a.x) * dx + (p.y - a.y) * dy) / length, 0.0, 1.0)
                          : 0.0;
    return {a.x + t * dx, a.y + t * dy, 0};
}

double SquaredDistance(const Point3& a, const Point3& b) {
    return (a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y);
}

// The point of the triangle's edges nearest to p.
Point3 NearestOnEdges(std::span<const PickCorner, 3> corners, const Point3& p) {
    Point3 best = NearestOnSegment(corners[0].position, corners[1].position, p);
    for (int i = 1; i < 3; ++i) {
        Point3 q = NearestOnSegment(corners[i].position, corners[(i + 1) % 3].position, p);
        if (SquaredDistance(q, p) < SquaredDistance(best, p)) best = q;
    }
    return best;
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

bool Covers(std::span<const PickCorner, 3> corners, double px, double py) {
    double area = Cross2(corners[0].position, corners[1].position, corners[2].position);
    if (area == 0 || !std::isfinite(area)) return false;
    for (double weight : ScreenWeights(corners, {px, py, 0}, area))
        if (!(weight >= -kOnEdge)) return false;
    return true;
}

std::optional<TexCoord> TexCoordAt(std::span<const PickCorner, 3> corners, double px,
                                   double py) {
    double area = Cross2(corners[0].position, corners[1].position, corners[2].position);
    if (area == 0 || !std::isfinite(area)) return std::nullopt;
    std::array<double, 3> screen = ScreenWeights(corners, {px, py, 0}, area);
    if (std::ranges::any_of(screen, [](double weight) { return weight < 0; }))
        screen = ScreenWeights(corners, NearestOnEdges(corners, {px, py, 0}), area);
    // Each weight divided by its corner's w: the texture coordinate runs linearly on the model,
    // not on the screen.
    double weight[3], sum = 0;
    for (int i = 0; i < 3; ++i) {
        if (!(corners[i].w > 0) || !std::isfinite(corners[i].w)) return std::nullopt;
        weight[i] = screen[i] / corners[i].w;
        sum += weight[i];
    }
    if (sum == 0 || !std::isfinite(sum)) return std::nullopt;
    TexCoord uv;
    for (int i = 0; i < 3; ++i) {
        uv.u += weight[i] / sum * corners[i].u;
        uv.v += weight[i] / sum * corners[i].v;
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
