// Drawing a fold animation's frame: the scenery on a canvas, the paper through the 3D surface,
// the guide over both.
#include "graphics/FoldRenderer.h"

#include <algorithm>
#include <cmath>

#include "graphics/ViewMath.h"

namespace {

// Near and far planes: the cameras stand about 8 units from the paper, which spans about 3.
constexpr double kNear = 1, kFar = 40;
// Tails of the frames before that the trail reaches back to.
constexpr int32_t kTrailFrames = 24;

Vec3 V(const std::array<float, 3>& a) { return {a[0], a[1], a[2]}; }

void Table(Canvas& c) {
    for (int y = 0; y < c.Height(); ++y)
        c.FillRect(0, y, c.Width(), 1, Mix({255, 244, 214}, {240, 214, 170}, double(y) / c.Height()));
}

// The sky seen from a camera that has moved `across` units: the clouds drift past, the hills slower.
void MovingSky(Canvas& c, double across, double up) {
    const int w = c.Width(), h = c.Height();
    for (int y = 0; y < h; ++y) c.FillRect(0, y, w, 1, Mix({90, 170, 245}, {205, 232, 255}, double(y) / h));
    const double span = w + 120;
    for (int i = 0; i < 5; ++i) {
        const double x = std::fmod(std::fmod(30 + i * 83 - across * 36, span) + span, span) - 60;
        const double y = 30 + (i % 3) * 42 + up * 20;
        for (int k = 0; k < 4; ++k) c.FillCircle({x + k * 13 - 20, y + (k % 2) * 4}, 12 + (k % 3) * 3, {255, 255, 255});
    }
    Polygon hills{{0, double(h)}};
    for (int x = 0; x <= w; x += 8) hills.push_back({double(x), h - 28 + up * 30 - 10 * std::sin((x + across * 60) / 45.0)});
    hills.push_back({double(w), double(h)});
    c.FillPolygon(hills, {120, 200, 110});
}

void SoftDisc(Canvas& c, Vec2 at, double r, double alpha) {
    Polygon p;
    for (int i = 0; i < 16; ++i) p.push_back({at.x + r * std::cos(i * M_PI / 8), at.y + r * std::sin(i * M_PI / 8)});
    c.FillPolygon(p, {255, 255, 255}, alpha);
}

// A soft trail behind the airplane, widening and fading: the tails of this frame and the ones
// before it in the same flight, seen by this frame's camera.
void Trail(Canvas& c, const FoldAnimation& a, int32_t t) {
    int32_t first = t;
    while (first > 0 && t - first < kTrailFrames - 1 && a.frames[size_t(first - 1)].backdrop == FoldBackdrop::sky)
        --first;
    const FoldCamera& camera = a.frames[size_t(t)].camera;
    const double count = t - first + 1;
    for (int32_t k = first; k < t; ++k) {
        const double age = (count - 1 - (k - first)) / kTrailFrames;
        const Vec3 p = V(a.frames[size_t(k)].tail), q = V(a.frames[size_t(k + 1)].tail);
        for (double part : {0.0, 0.5}) {
            Vec2 at;
            if (ProjectToPicture(camera, a.width, a.height, p + (q - p) * part, at))
                SoftDisc(c, at, 2.5 + 7 * age, 0.45 * (1 - age));
        }
    }
}

// The fold line and the arrow of the turn, with a pale band under each that keeps them readable
// on a busy skin, let in by the frame's fade.
void DrawGuide(Canvas& frame, const FoldFrame& f) {
    if (f.guide == FoldGuideKind::none || f.guideFade <= 0) return;
    const bool valley = f.guide == FoldGuideKind::valley;
    const Vec2 a{f.guideLine[0], f.guideLine[1]}, b{f.guideLine[2], f.guideLine[3]};
    const Vec2 from{f.guideArrow[0], f.guideArrow[1]}, to{f.guideArrow[2], f.guideArrow[3]};
    auto draw = [&](Canvas& c) {
        const RgbPixel pale{255, 255, 245};
        c.Line(a, b, 3.8, pale);
        c.Line(a, b, 2.2, FoldLineColour(valley), FoldLineDashes(valley, 0.7));
        c.Bow(from, to, 4.2, pale);
        c.Bow(from, to, 2.4, kTurnArrow);
    };
    // At full strength straight onto the frame; while it fades, on a copy let in by the fade.
    if (f.guideFade >= 1) return draw(frame);
    Canvas guide = frame;
    draw(guide);
    const double fade = f.guideFade;
    std::vector<RgbPixel>& out = frame.Pixels();
    const std::vector<RgbPixel>& in = guide.Pixels();
    for (size_t i = 0; i < out.size(); ++i) out[i] = Mix(out[i], in[i], fade);
}

// The camera's axes, as gluLookAt makes them: right, up, and back from the target to the eye.
struct CameraAxes {
    Vec3 right, up, back;
};

CameraAxes AxesOf(const FoldCamera& c) {
    const Vec3 back = Normalised(V(c.eye) - V(c.target));
    const Vec3 right = Normalised(Cross(V(c.up), back));
    return {right, Cross(back, right), back};
}

// gluLookAt.
Matrix4 LookAt(const FoldCamera& c) {
    const auto [right, up, back] = AxesOf(c);
    const Vec3 e = V(c.eye);
    return {float(right.x), float(up.x), float(back.x), 0, float(right.y), float(up.y), float(back.y), 0,
            float(right.z), float(up.z), float(back.z), 0, float(-Dot(right, e)), float(-Dot(up, e)),
            float(-Dot(back, e)), 1};
}

}  // namespace

RgbPixel FoldLineColour(bool valley) { return valley ? RgbPixel{40, 80, 200} : RgbPixel{200, 40, 60}; }

Dashes FoldLineDashes(bool valley, double scale) {
    Dashes d = valley ? Dashes{9, 6} : Dashes{10, 4, 2, 4};
    for (double& x : d) x *= scale;
    return d;
}

bool ProjectToPicture(const FoldCamera& cam, int32_t width, int32_t height, Vec3 p, Vec2& out) {
    const auto [right, up, back] = AxesOf(cam);
    const double focal = height / 2.0 / std::tan(cam.fovDegrees * M_PI / 360);
    const Vec3 v = p - V(cam.eye);
    const double z = -Dot(v, back);
    if (z < 1e-3) return false;
    out = {width / 2.0 + focal * Dot(v, right) / z, height / 2.0 - focal * Dot(v, up) / z};
    return true;
}

void FoldRenderer::DrawBackdrop(const FoldAnimation& a, int32_t t) {
    const FoldFrame& f = a.frames[size_t(t)];
    if (backdrop.Width() != a.width || backdrop.Height() != a.height) backdrop = Canvas(a.width, a.height, {});
    if (f.backdrop == FoldBackdrop::table) return Table(backdrop);
    MovingSky(backdrop, f.sky[0], f.sky[1]);
    Trail(backdrop, a, t);
}

void FoldRenderer::DrawPaper(const FoldAnimation& a, const FoldFrame& f, int32_t surfaceHeight, GlSurface& gl) {
    const FoldPose& pose = a.poses[f.pose];
    const std::array<float, 12>& m = f.transform;
    for (std::vector<GlCorner>& s : shaded) s.clear();
    const Vec3 light = Normalised(Vec3{0.4, 0.7, 0.6});
    for (size_t t = 0; t + 2 < a.triangles.size(); t += 3) {
        GlCorner c[3];
        for (size_t k = 0; k < 3; ++k) {
            const uint16_t i = a.triangles[t + k];
            const std::array<float, 3> p = a.Position(pose, i);
            c[k] = {a.uv[size_t(i) * 2], a.uv[size_t(i) * 2 + 1], m[0] * p[0] + m[1] * p[1] + m[2] * p[2] + m[3],
                    m[4] * p[0] + m[5] * p[1] + m[6] * p[2] + m[7], m[8] * p[0] + m[9] * p[1] + m[10] * p[2] + m[11]};
        }
        // Lit a little by how the paper faces the light, either face alike, so that a flap
        // stands out from the paper under it.
        const Vec3 n = Normalised(Cross(Vec3{c[1].x - c[0].x, c[1].y - c[0].y, c[1].z - c[0].z},
                                        Vec3{c[2].x - c[0].x, c[2].y - c[0].y, c[2].z - c[0].z}));
        const double shade = kDarkest + (1 - kDarkest) * std::abs(Dot(n, light));
        const size_t level = std::min(kShades - 1, size_t(std::lround((shade - kDarkest) / (1 - kDarkest) * (kShades - 1))));
        shaded[level].insert(shaded[level].end(), c, c + 3);
    }
    gl.SetViewport({0, surfaceHeight - a.height, a.width, a.height});
    gl.LoadMatrices(PerspectiveMatrix(f.camera.fovDegrees, double(a.width) / a.height, kNear, kFar), LookAt(f.camera));
    for (size_t level = 0; level < kShades; ++level) {
        if (shaded[level].empty()) continue;
        gl.SetShade(float(kDarkest + (1 - kDarkest) * double(level) / (kShades - 1)));
        gl.DrawTriangles(shaded[level]);
    }
    gl.SetShade(1);
    gl.Flush();
}

bool FoldRenderer::Render(const FoldAnimation& a, int32_t t, const BgrRows& texture, GlSurface& gl, Canvas& out) {
    if (a.frames.empty() || !gl.HasContext() || gl.Width() < a.width || gl.Height() < a.height) return false;
    t = std::clamp(t, 0, int32_t(a.frames.size()) - 1);
    const FoldFrame& f = a.frames[size_t(t)];
    DrawBackdrop(a, t);
    const int32_t stride = Canvas::BgrStride(a.width);
    rows.assign(size_t(stride) * size_t(a.height), 0);
    backdrop.ToBgrRows(rows.data(), stride);
    const Rect area{0, 0, a.width, a.height};
    gl.DrawPicture({rows.data(), a.width, a.height, stride}, area, 0, 0);
    gl.ClearDepth(area);
    gl.UploadTexture(texture);
    DrawPaper(a, f, gl.Height(), gl);
    if (readBack.Width() != a.width || readBack.Height() != a.height) readBack = Surface(a.width, a.height);
    if (gl.CopyToWindow(0, 0, area, readBack) != 1) return false;
    if (out.Width() != a.width || out.Height() != a.height) out = Canvas(a.width, a.height, {});
    for (int32_t y = 0; y < a.height; ++y) {
        const uint32_t* row = readBack.Row(y);
        for (int32_t x = 0; x < a.width; ++x)
            out.Set(x, y, {uint8_t(row[x] >> 16), uint8_t(row[x] >> 8), uint8_t(row[x])});
    }
    DrawGuide(out, f);
    return true;
}
