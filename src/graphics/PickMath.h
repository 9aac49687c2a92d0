// The arithmetic of face picking: the pointer in normalised device coordinates, the depth of a
// projected triangle under it, the choice among hit records, and the texel the point lands on
// (the projected triangle is turned onto its texture triangle and the point interpolated).
//
// Every step refuses what would give infinite or undefined numbers (a triangle seen edge-on, a
// triangle without spread in x or y): the pick then fails instead of painting somewhere random.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "graphics/ViewMath.h"
#include "base/Rect.h"

// One corner of a picked triangle after projection, with its texture coordinate.
struct PickCorner {
    Point3 position;
    double u = 0;
    double v = 0;
};

struct TexCoord {
    double u = 0;
    double v = 0;
};

// A point in normalised device coordinates.
struct NdcPoint {
    double x = 0;
    double y = 0;
};

struct Texel {
    int32_t x = 0;
    int32_t y = 0;
};

// The window point in the view rectangle's normalised device coordinates: the centre (integer
// halves) is (0, 0), up is positive. Nothing when the rectangle has no area.
[[nodiscard]] std::optional<NdcPoint> NormalisedPoint(const Rect& view, int32_t x, int32_t y);

// (A, B, C) of the plane A·x + B·y + C·z + D = 0 through the three points.
[[nodiscard]] Point3 PlaneNormal(const Point3& a, const Point3& b, const Point3& c);
// Depth of that plane at (px, py); nothing when the triangle is edge-on (C = 0) or the result
// is not finite.
[[nodiscard]] std::optional<double> DepthAt(std::span<const PickCorner, 3> corners, double px,
                                            double py);

// Walks `count` hit records of (name count, min depth, max depth, 100, triangle) and gives the
// triangle of smallest depth (the earlier on ties). Records that run past the buffer, name no
// triangle below triangleCount, or have no depth are skipped. -1 when none is left.
[[nodiscard]] int32_t NearestHit(std::span<const uint32_t> buffer, int32_t count,
                                 int32_t triangleCount,
                                 const std::function<std::optional<double>(int32_t)>& depthOf);

// The rigid transform (row-major 4 x 4 in doubles) that turns the projected corners onto the
// texture triangle (u, v, 0) with corner 1 on corner 1 and edge 1-2 along edge 1-2.
using AlignMatrix = std::array<double, 16>;
[[nodiscard]] AlignMatrix AlignToTexture(std::span<const PickCorner, 3> corners);

// The texture coordinate at point p (projected, on the triangle), u reduced once when above 1.
// Nothing when the aligned triangle has no spread in x or y or the result is not finite.
[[nodiscard]] std::optional<TexCoord> TexCoordAt(std::span<const PickCorner, 3> corners,
                                                 const Point3& p);

// (u·width, (1 − v)·height) truncated toward zero; nothing when not representable.
[[nodiscard]] std::optional<Texel> TexelOf(const TexCoord& uv, int32_t width, int32_t height);
