// The matrices of the 3D view, computed as OpenGL's fixed pipeline and GLU compute them, so that
// the renderer and the pick arithmetic use the very same numbers.
#pragma once

#include <array>
#include <cstdint>

// Column-major 4 x 4, element (row r, column c) at [c * 4 + r], as OpenGL keeps matrices.
using Matrix4 = std::array<float, 16>;

struct Point3 {
    double x = 0;
    double y = 0;
    double z = 0;
};

[[nodiscard]] Matrix4 IdentityMatrix();
// a · b: b is applied first.
[[nodiscard]] Matrix4 Multiply(const Matrix4& a, const Matrix4& b);
[[nodiscard]] Matrix4 TranslationMatrix(float x, float y, float z);
[[nodiscard]] Matrix4 ScaleMatrix(float x, float y, float z);
// Rotation by degrees about the axis through the origin; identity for a zero axis.
[[nodiscard]] Matrix4 RotationMatrix(float degrees, float x, float y, float z);
// gluPerspective: vertical field of view in degrees.
[[nodiscard]] Matrix4 PerspectiveMatrix(double fovyDegrees, double aspect, double zNear,
                                        double zFar);
// gluPickMatrix: a w x h region centred on (x, y) of the viewport (x, y, width, height), all in
// bottom-up window coordinates. Identity when the region or the viewport has no area.
[[nodiscard]] Matrix4 PickRegionMatrix(double x, double y, double w, double h,
                                       const std::array<int32_t, 4>& viewport);

// The view's fixed camera: 30 degrees, 4:3, near 1, far 10.
[[nodiscard]] Matrix4 ViewProjection();
// Translate (0, 0, -8), scale, rotate about X, then about Y (Y is applied to the model first).
[[nodiscard]] Matrix4 ViewModelView(float scale, float rotationX, float rotationY);

// (x, y, z, 1) times the matrix, divided by the resulting w (w of 0 gives infinities, which
// callers reject).
[[nodiscard]] Point3 TransformPoint(const Matrix4& m, const Point3& p);

// A point through a projection: x, y, z divided by w, and w itself. Under the view's perspective
// w is the point's distance in front of the eye, which perspective-correct interpolation needs.
struct ProjectedPoint {
    Point3 ndc;
    double w = 1;
};
[[nodiscard]] ProjectedPoint ProjectPoint(const Matrix4& m, const Point3& p);
