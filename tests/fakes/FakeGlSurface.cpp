// FakeGlSurface: selection by projecting each triangle through the loaded matrices.
#include "fakes/FakeGlSurface.h"

#include <array>

namespace {

// The corner in normalised device coordinates (x, y) through both column-major matrices.
std::array<double, 2> Project(const GlMatrix& p, const GlMatrix& m, const GlCorner& c) {
    const double in[4] = {c.x, c.y, c.z, 1};
    double eye[4], clip[4];
    for (int r = 0; r < 4; ++r) eye[r] = m[r] * in[0] + m[4 + r] * in[1] + m[8 + r] * in[2] + m[12 + r];
    for (int r = 0; r < 4; ++r)
        clip[r] = p[r] * eye[0] + p[4 + r] * eye[1] + p[8 + r] * eye[2] + p[12 + r] * eye[3];
    return {clip[0] / clip[3], clip[1] / clip[3]};
}

bool CoversOrigin(const std::array<double, 2> (&t)[3]) {
    double sign[3];
    for (int i = 0; i < 3; ++i) {
        const auto& a = t[i];
        const auto& b = t[(i + 1) % 3];
        sign[i] = (b[0] - a[0]) * (0 - a[1]) - (b[1] - a[1]) * (0 - a[0]);
    }
    return (sign[0] >= 0 && sign[1] >= 0 && sign[2] >= 0) ||
           (sign[0] <= 0 && sign[1] <= 0 && sign[2] <= 0);
}

}  // namespace

void FakeGlSurface::DrawTriangles(std::span<const GlCorner> corners) {
    if (!selecting) {
        drawnTriangles += int(corners.size() / 3);
        drawn.assign(corners.begin(), corners.end());
        return;
    }
    for (size_t i = 0; i + 3 <= corners.size(); i += 3) {
        const std::array<double, 2> t[3] = {Project(projection, modelView, corners[i]),
                                            Project(projection, modelView, corners[i + 1]),
                                            Project(projection, modelView, corners[i + 2])};
        if (!CoversOrigin(t)) return;
    }
    if (used + 3 + names.size() > selection.size()) return;
    selection[used++] = uint32_t(names.size());
    selection[used++] = 0;
    selection[used++] = 0;
    for (uint32_t name : names) selection[used++] = name;
    ++hits;
}
