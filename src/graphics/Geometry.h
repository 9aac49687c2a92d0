// Geometry: the small vector and rigid-motion types of the fold simulator, its renderer and the
// fold movies.
#pragma once

#include <cmath>
#include <vector>

struct Vec2 {
    double x = 0, y = 0;
};
inline Vec2 operator+(Vec2 a, Vec2 b) { return {a.x + b.x, a.y + b.y}; }
inline Vec2 operator-(Vec2 a, Vec2 b) { return {a.x - b.x, a.y - b.y}; }
inline Vec2 operator*(Vec2 a, double s) { return {a.x * s, a.y * s}; }
inline double Dot(Vec2 a, Vec2 b) { return a.x * b.x + a.y * b.y; }
inline double Cross(Vec2 a, Vec2 b) { return a.x * b.y - a.y * b.x; }
inline double Length(Vec2 a) { return std::sqrt(Dot(a, a)); }

struct Vec3 {
    double x = 0, y = 0, z = 0;
};
inline Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
inline Vec3 operator-(Vec3 a, Vec3 b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
inline Vec3 operator*(Vec3 a, double s) { return {a.x * s, a.y * s, a.z * s}; }
inline double Dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 Cross(Vec3 a, Vec3 b) {
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
inline double Length(Vec3 a) { return std::sqrt(Dot(a, a)); }
inline Vec3 Normalised(Vec3 a) {
    const double l = Length(a);
    return l > 0 ? a * (1 / l) : Vec3{};
}

// A rigid motion p -> m * p + t (m a rotation, row-major).
struct Motion {
    double m[3][3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vec3 t;

    [[nodiscard]] Vec3 Apply(Vec3 p) const {
        return {m[0][0] * p.x + m[0][1] * p.y + m[0][2] * p.z + t.x,
                m[1][0] * p.x + m[1][1] * p.y + m[1][2] * p.z + t.y,
                m[2][0] * p.x + m[2][1] * p.y + m[2][2] * p.z + t.z};
    }
    [[nodiscard]] Vec3 Turn(Vec3 d) const { return Apply(d) - t; }
    // The inverse motion (the transpose of the rotation).
    [[nodiscard]] Motion Inverse() const {
        Motion r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j) r.m[i][j] = m[j][i];
        r.t = r.Turn(t) * -1;
        return r;
    }
    // The motion that does `first` and then this one.
    [[nodiscard]] Motion After(const Motion& first) const {
        Motion r;
        for (int i = 0; i < 3; ++i)
            for (int j = 0; j < 3; ++j)
                r.m[i][j] = m[i][0] * first.m[0][j] + m[i][1] * first.m[1][j] +
                            m[i][2] * first.m[2][j];
        r.t = Apply(first.t);
        return r;
    }
    // A turn by `angle` radians about the line through `point` along `axis` (right-hand rule).
    [[nodiscard]] static Motion Rotation(Vec3 point, Vec3 axis, double angle) {
        const Vec3 a = Normalised(axis);
        const double c = std::cos(angle), s = std::sin(angle), k = 1 - c;
        Motion r;
        r.m[0][0] = c + a.x * a.x * k;
        r.m[0][1] = a.x * a.y * k - a.z * s;
        r.m[0][2] = a.x * a.z * k + a.y * s;
        r.m[1][0] = a.y * a.x * k + a.z * s;
        r.m[1][1] = c + a.y * a.y * k;
        r.m[1][2] = a.y * a.z * k - a.x * s;
        r.m[2][0] = a.z * a.x * k - a.y * s;
        r.m[2][1] = a.z * a.y * k + a.x * s;
        r.m[2][2] = c + a.z * a.z * k;
        r.t = point - r.Turn(point);
        return r;
    }
};

using Polygon = std::vector<Vec2>;

// Signed area (positive counter-clockwise in x-right, y-up terms).
inline double SignedArea(const Polygon& p) {
    double a = 0;
    for (size_t i = 0; i < p.size(); ++i) a += Cross(p[i], p[(i + 1) % p.size()]);
    return a / 2;
}
inline Vec2 Centroid(const Polygon& p) {
    Vec2 c;
    for (const Vec2& v : p) c = c + v;
    return p.empty() ? c : c * (1.0 / double(p.size()));
}
inline bool Contains(const Polygon& p, Vec2 q, double eps) {
    const double sign = SignedArea(p) >= 0 ? 1 : -1;
    for (size_t i = 0; i < p.size(); ++i) {
        const Vec2 a = p[i], b = p[(i + 1) % p.size()];
        if (sign * Cross(b - a, q - a) < -eps * Length(b - a)) return false;
    }
    return true;
}
