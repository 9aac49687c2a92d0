// Motion3: turning smoothly between two orientations (quaternions), for the movie's camera work.
#pragma once

#include "graphics/Geometry.h"

struct Quat {
    double w = 1, x = 0, y = 0, z = 0;
};

[[nodiscard]] Quat QuatOf(const Motion& m);
// Rotation and translation both eased from a to b at t (0 .. 1).
[[nodiscard]] Motion Blend(const Motion& a, const Motion& b, double t);
// Slow at both ends.
[[nodiscard]] inline double Ease(double t) { return t <= 0 ? 0 : t >= 1 ? 1 : t * t * (3 - 2 * t); }
