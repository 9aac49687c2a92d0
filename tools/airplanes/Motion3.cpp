// Quaternion conversion and spherical blending of rigid motions.
#include "Motion3.h"

#include <algorithm>
#include <cmath>

Quat QuatOf(const Motion& m) {
    const double tr = m.m[0][0] + m.m[1][1] + m.m[2][2];
    Quat q;
    if (tr > 0) {
        const double s = std::sqrt(tr + 1) * 2;
        q = {s / 4, (m.m[2][1] - m.m[1][2]) / s, (m.m[0][2] - m.m[2][0]) / s, (m.m[1][0] - m.m[0][1]) / s};
    } else if (m.m[0][0] > m.m[1][1] && m.m[0][0] > m.m[2][2]) {
        const double s = std::sqrt(1 + m.m[0][0] - m.m[1][1] - m.m[2][2]) * 2;
        q = {(m.m[2][1] - m.m[1][2]) / s, s / 4, (m.m[0][1] + m.m[1][0]) / s, (m.m[0][2] + m.m[2][0]) / s};
    } else if (m.m[1][1] > m.m[2][2]) {
        const double s = std::sqrt(1 + m.m[1][1] - m.m[0][0] - m.m[2][2]) * 2;
        q = {(m.m[0][2] - m.m[2][0]) / s, (m.m[0][1] + m.m[1][0]) / s, s / 4, (m.m[1][2] + m.m[2][1]) / s};
    } else {
        const double s = std::sqrt(1 + m.m[2][2] - m.m[0][0] - m.m[1][1]) * 2;
        q = {(m.m[1][0] - m.m[0][1]) / s, (m.m[0][2] + m.m[2][0]) / s, (m.m[1][2] + m.m[2][1]) / s, s / 4};
    }
    return q;
}

Motion Blend(const Motion& a, const Motion& b, double t) {
    Quat p = QuatOf(a), q = QuatOf(b);
    double dot = p.w * q.w + p.x * q.x + p.y * q.y + p.z * q.z;
    if (dot < 0) {
        q = {-q.w, -q.x, -q.y, -q.z};
        dot = -dot;
    }
    const double angle = std::acos(std::min(1.0, dot));
    double ka = 1 - t, kb = t;
    if (angle > 1e-6) {
        ka = std::sin((1 - t) * angle) / std::sin(angle);
        kb = std::sin(t * angle) / std::sin(angle);
    }
    const Quat r{ka * p.w + kb * q.w, ka * p.x + kb * q.x, ka * p.y + kb * q.y, ka * p.z + kb * q.z};
    const double n = std::sqrt(r.w * r.w + r.x * r.x + r.y * r.y + r.z * r.z);
    const double w = r.w / n, x = r.x / n, y = r.y / n, z = r.z / n;
    Motion m;
    m.m[0][0] = 1 - 2 * (y * y + z * z);
    m.m[0][1] = 2 * (x * y - z * w);
    m.m[0][2] = 2 * (x * z + y * w);
    m.m[1][0] = 2 * (x * y + z * w);
    m.m[1][1] = 1 - 2 * (x * x + z * z);
    m.m[1][2] = 2 * (y * z - x * w);
    m.m[2][0] = 2 * (x * z - y * w);
    m.m[2][1] = 2 * (y * z + x * w);
    m.m[2][2] = 1 - 2 * (x * x + y * y);
    m.t = a.t + (b.t - a.t) * t;
    return m;
}
