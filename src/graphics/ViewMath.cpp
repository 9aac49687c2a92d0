// Matrix arithmetic of the 3D view.
#include "graphics/ViewMath.h"

#include <cmath>
#include <numbers>

Matrix4 IdentityMatrix() {
    return {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};
}

Matrix4 Multiply(const Matrix4& a, const Matrix4& b) {
    Matrix4 out{};
    for (int c = 0; c < 4; ++c) {
        for (int r = 0; r < 4; ++r) {
            float sum = 0;
            for (int k = 0; k < 4; ++k) sum += a[k * 4 + r] * b[c * 4 + k];
            out[c * 4 + r] = sum;
        }
    }
    return out;
}

Matrix4 TranslationMatrix(float x, float y, float z) {
    Matrix4 m = IdentityMatrix();
    m[12] = x, m[13] = y, m[14] = z;
    return m;
}

Matrix4 ScaleMatrix(float x, float y, float z) {
    Matrix4 m = IdentityMatrix();
    m[0] = x, m[5] = y, m[10] = z;
    return m;
}

Matrix4 RotationMatrix(float degrees, float x, float y, float z) {
    double length = std::sqrt(double(x) * x + double(y) * y + double(z) * z);
    if (length == 0 || !std::isfinite(length)) return IdentityMatrix();
    double ax = x / length, ay = y / length, az = z / length;
    double radians = degrees * std::numbers::pi / 180.0;
    double c = std::cos(radians), s = std::sin(radians), t = 1 - c;
    Matrix4 m = IdentityMatrix();
    m[0] = float(ax * ax * t + c);
    m[1] = float(ay * ax * t + az * s);
    m[2] = float(az * ax * t - ay * s);
    m[4] = float(ax * ay * t - az * s);
    m[5] = float(ay * ay * t + c);
    m[6] = float(az * ay * t + ax * s);
    m[8] = float(ax * az * t + ay * s);
    m[9] = float(ay * az * t - ax * s);
    m[10] = float(az * az * t + c);
    return m;
}

Matrix4 PerspectiveMatrix(double fovyDegrees, double aspect, double zNear, double zFar) {
    double radians = fovyDegrees / 2 * std::numbers::pi / 180.0;
    double depth = zFar - zNear;
    double sine = std::sin(radians);
    if (depth == 0 || sine == 0 || aspect == 0) return IdentityMatrix();
    double cotangent = std::cos(radians) / sine;
    Matrix4 m{};
    m[0] = float(cotangent / aspect);
    m[5] = float(cotangent);
    m[10] = float(-(zFar + zNear) / depth);
    m[11] = -1;
    m[14] = float(-2 * zNear * zFar / depth);
    return m;
}

Matrix4 PickRegionMatrix(double x, double y, double w, double h,
                         const std::array<int32_t, 4>& viewport) {
    if (w <= 0 || h <= 0 || viewport[2] <= 0 || viewport[3] <= 0) return IdentityMatrix();
    Matrix4 move = TranslationMatrix(float((viewport[2] - 2 * (x - viewport[0])) / w),
                                     float((viewport[3] - 2 * (y - viewport[1])) / h), 0);
    return Multiply(move, ScaleMatrix(float(viewport[2] / w), float(viewport[3] / h), 1));
}

Matrix4 ViewProjection() {
    return PerspectiveMatrix(30.0, 1.3333333333333333, 1.0, 10.0);
}

Matrix4 ViewModelView(float scale, float rotationX, float rotationY) {
    Matrix4 m = TranslationMatrix(0, 0, -8);
    m = Multiply(m, ScaleMatrix(scale, scale, scale));
    m = Multiply(m, RotationMatrix(rotationX, 1, 0, 0));
    return Multiply(m, RotationMatrix(rotationY, 0, 1, 0));
}

Point3 TransformPoint(const Matrix4& m, const Point3& p) { return ProjectPoint(m, p).ndc; }

ProjectedPoint ProjectPoint(const Matrix4& m, const Point3& p) {
    double out[4];
    for (int r = 0; r < 4; ++r)
        out[r] = m[r] * p.x + m[4 + r] * p.y + m[8 + r] * p.z + m[12 + r];
    return {{out[0] / out[3], out[1] / out[3], out[2] / out[3]}, out[3]};
}
