// The arithmetic of face picking: the pointer in normalised device coordinates, the depth of a
// projected triangle under it, the choice among hit records, and the texel the point lands on
// (the point's barycentric coordinates in the projected triangle, corrected for perspective).
//
// Every step refuses what would give infinite or undefined numbers (a triangle seen edge-on, a
// corner at or behind the eye): the pick then fails instead of painting somewhere random.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "graphics/ViewMath.h"
#include "base/Rect.h"

// One corner of a picked triangle after projection, with its texture coordinate and the w it
// was divided by (its distance in front of the eye).
struct PickCorner {
    Point3 position;
    double u = 0;
    double v = 0;
    double w = 1;
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

// True when (px, py) lies inside the projected triangle or on its edge: the triangle, not
// only its plane, has a depth there.
[[nodiscard]] bool Covers(std::span<const PickCorner, 3> corners, double px, double py);

// The texture coordinate at (px, py) of the projected triangle, u reduced once when above 1.
// The point's barycentric coordinates on the screen are weighted by 1 / w of each corner, as
// the renderer interpolates, so the coordinate is the one drawn there. A point just outside
// the triangle (the selection region is a pixel wide) is taken at the nearest point of the
// triangle. Nothing when the triangle has no area on the screen, a corner has no positive w,
// or the result is not finite.
[[nodiscard]] std::optional<TexCoord> TexCoordAt(std::span<const PickCorner, 3> corners,
                                                 double px, double py);

// (u·width, (1 − v)·height) truncated toward zero; nothing when not representable.
[[nodiscard]] std::optional<Texel> TexelOf(const TexCoord& uv, int32_t width, int32_t height);
