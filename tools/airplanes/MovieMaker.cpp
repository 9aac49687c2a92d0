// The movie's scenes, recorded as a fold animation: folds on a table, the opening, and the
// flight across a sky.
#include "MovieMaker.h"

#include <algorithm>
#include <cmath>

#include "Airplane3D.h"
#include "Motion3.h"
#include "Renderer.h"
#include "graphics/FoldRenderer.h"

namespace {

constexpr int kTurnFrames = 16, kHoldFrames = 8, kOpenFrames = 30;

struct Look {  // how the paper is placed in front of the camera
    Motion pose;
    Vec3 centre;
    double scale = 1;

    // The scene position of a display position: pose((p - centre) * scale), as one affine map.
    [[nodiscard]] Motion Map() const {
        Motion s;
        for (int i = 0; i < 3; ++i) s.m[i][i] = scale;
        s.t = centre * -scale;
        return pose.After(s);
    }
};

Motion Scaling(double k) {
    Motion s;
    for (int i = 0; i < 3; ++i) s.m[i][i] = k;
    return s;
}

Motion Translation(Vec3 t) {
    Motion m;
    m.t = t;
    return m;
}

FoldCamera CameraOf(const Camera& c) {
    auto f = [](Vec3 v) { return std::array<float, 3>{float(v.x), float(v.y), float(v.z)}; };
    return {f(c.eye), f(c.target), f(c.up), float(c.fovDegrees)};
}

std::vector<Motion> Lifted(const std::vector<Facet>& facets) {
    std::vector<Motion> out;
    for (const Facet& f : facets) {
        Motion lift;
        lift.t = {0, 0, kLayerGap * f.layer};
        out.push_back(lift.After(f.place));
    }
    return out;
}

// Centre and scale that fit flat paper into the table view.
Look FlatLook(const std::vector<Facet>& facets) {
    Vec2 lo{1e30, 1e30}, hi{-1e30, -1e30};
    for (const Facet& f : facets)
        for (Vec2 p : Placed(f)) {
            lo = {std::min(lo.x, p.x), std::min(lo.y, -p.y)};
            hi = {std::max(hi.x, p.x), std::max(hi.y, -p.y)};
        }
    Look l;
    l.centre = {(lo.x + hi.x) / 2, (lo.y + hi.y) / 2, 0};
    l.scale = std::min(3.0 / std::max(hi.x - lo.x, 1e-9), 2.2 / std::max(hi.y - lo.y, 1e-9));
    return l;
}

Look Between(const Look& a, const Look& b, double t) {
    return {Blend(a.pose, b.pose, t), a.centre + (b.centre - a.centre) * t, a.scale + (b.scale - a.scale) * t};
}

const Camera kTableCamera{{0, -3.4, 7.4}, {0, -0.1, 0}, {0, 1, 0}, 30};

// Every facet corner of the paper in display coordinates under the facets' motions, then `then`.
std::vector<Vec3> Corners(const Paper& paper, const std::vector<Motion>& places, const Motion& then) {
    std::vector<Vec3> out;
    for (size_t i = 0; i < paper.Facets().size(); ++i)
        for (Vec2 p : paper.Facets()[i].sheet) out.push_back(then.Apply(Display(places[i].Apply({p.x, p.y, 0}))));
    return out;
}

// Writes the frames. The mesh is the finished paper's facets, each a fan of triangles; an
// earlier state of the paper moves each of them with the facet it was cut from.
struct Recorder {
    const Paper& paper;
    FoldAnimation& anim;
    MovieResult& result;
    std::vector<float> lastPositions;

    void Mesh() {
        for (const Facet& f : paper.Facets()) {
            const size_t base = anim.uv.size() / 2;
            for (Vec2 p : f.sheet) {
                const Vec2 uv = paper.TextureOf(p);
                anim.uv.push_back(float(uv.x));
                anim.uv.push_back(float(uv.y));
            }
            for (size_t k = 1; k + 1 < f.sheet.size(); ++k)
                for (size_t v : {base, base + k, base + k + 1}) anim.triangles.push_back(uint16_t(v));
        }
    }

    // The motion of every finished facet, from the motions of the facets of an earlier state.
    std::vector<Motion> Finished(const std::vector<Facet>& facets, const std::vector<Motion>& places) const {
        std::vector<Motion> out;
        for (const Facet& f : paper.Facets()) {
            const Vec2 middle = Centroid(f.sheet);
            size_t k = 0;
            while (k + 1 < facets.size() && !Contains(facets[k].sheet, middle, 1e-6)) ++k;
            out.push_back(places[k]);
        }
        return out;
    }

    // The display positions under the facets' motions, as a pose (the last one again when equal).
    uint16_t Pose(const std::vector<Motion>& finishedPlaces, const Motion& then = {}) {
        std::vector<float> positions;
        for (Vec3 q : Corners(paper, finishedPlaces, then))
            positions.insert(positions.end(), {float(q.x), float(q.y), float(q.z)});
        if (anim.poses.empty() || positions != lastPositions) {
            anim.poses.push_back(MakeFoldPose(positions));
            lastPositions = std::move(positions);
        }
        return uint16_t(anim.poses.size() - 1);
    }

    FoldFrame& Frame(uint16_t pose, const Motion& transform, const Camera& camera) {
        FoldFrame f;
        f.pose = pose;
        for (int i = 0; i < 3; ++i) {
            for (int j = 0; j < 3; ++j) f.transform[size_t(i * 4 + j)] = float(transform.m[i][j]);
            f.transform[size_t(i * 4 + 3)] = float(i == 0 ? transform.t.x : i == 1 ? transform.t.y : transform.t.z);
        }
        f.camera = CameraOf(camera);
        anim.frames.push_back(f);
        ++result.frames;
        return anim.frames.back();
    }
};

// The fold line across the paper and the arrow of the turn, as the steps sheet draws them, laid
// on the paper as it lies in front of the camera; `fade` (0 .. 1) lets them go as the flap lands.
void FoldGuide(FoldFrame& frame, const FoldScene& f, const Look& look, double fade) {
    if (fade <= 0) return;
    int top = 0;
    for (const Facet& facet : f.plan.before) top = std::max(top, facet.layer);
    const double z = kLayerGap * (top + 1);
    const FoldCamera camera = CameraOf(kTableCamera);
    auto at = [&](Vec2 p, Vec2& out) {
        return ProjectToPicture(camera, kMovieWidth, kMovieHeight, look.Map().Apply(Display({p.x, p.y, z})), out);
    };
    // Where the line crosses the paper, and a little past it on both sides.
    const Vec2 d = (f.lineB - f.lineA) * (1 / std::max(Length(f.lineB - f.lineA), 1e-9));
    double lo = 1e30, hi = -1e30, size = 0;
    for (const Facet& facet : f.plan.before) {
        const Polygon p = Placed(facet);
        for (size_t k = 0; k < p.size(); ++k) {
            const Vec2 u = p[k], v = p[(k + 1) % p.size()];
            const double su = Cross(d, u - f.lineA), sv = Cross(d, v - f.lineA);
            size = std::max(size, Length(u - f.lineA));
            if ((su > 1e-9) == (sv > 1e-9) && std::abs(su) > 1e-9) continue;
            const Vec2 cross = std::abs(su - sv) < 1e-12 ? u : u + (v - u) * (su / (su - sv));
            lo = std::min(lo, Dot(cross - f.lineA, d)), hi = std::max(hi, Dot(cross - f.lineA, d));
        }
    }
    if (hi < lo) return;
    const double margin = size * 0.12;
    Vec2 a, b, from, to;
    if (!at(f.lineA + d * (lo - margin), a) || !at(f.lineA + d * (hi + margin), b) || !at(f.arrowFrom, from) ||
        !at(f.arrowTo, to))
        return;
    frame.guide = f.kind == FoldKind::valley ? FoldGuideKind::valley : FoldGuideKind::mountain;
    frame.guideFade = float(fade);
    frame.guideLine = {float(a.x), float(a.y), float(b.x), float(b.y)};
    frame.guideArrow = {float(from.x), float(from.y), float(to.x), float(to.y)};
}

void FoldScenes(Recorder& r, const std::vector<FoldScene>& folds, Look& look) {
    for (const FoldScene& f : folds) {
        r.result.marks.push_back(r.result.frames);
        const Look from = look, to = FlatLook(f.unfold ? f.plan.before : f.after);
        const int turning = f.unfold ? 2 * kTurnFrames : kTurnFrames;
        for (int i = 0; i < turning + kHoldFrames; ++i) {
            double t = std::min(1.0, double(i) / kTurnFrames);
            if (f.unfold) t = i < kTurnFrames ? t : std::max(0.0, 2 - double(i) / kTurnFrames);
            const Look now = Between(from, to, Ease(double(i) / (turning + kHoldFrames - 1)));
            const bool done = !f.unfold && i >= turning;
            const std::vector<Facet>& facets = done ? f.after : f.plan.before;
            std::vector<Motion> places = Lifted(facets);
            if (!done) {
                // Turn a little short of flat so the flap never sinks into the paper below.
                const Motion turn = Motion::Rotation(f.plan.axisPoint, f.plan.axisDirection,
                                                     f.plan.turn * Ease(t) * 0.985);
                for (size_t k = 0; k < facets.size(); ++k)
                    if (f.plan.moving[k]) places[k] = turn.After(places[k]);
            }
            FoldFrame& frame = r.Frame(r.Pose(r.Finished(facets, places)), now.Map(), kTableCamera);
            // The guide shows before the flap moves and while it turns, and fades as it lands.
            FoldGuide(frame, f, now, std::clamp((turning - i) / 4.0, 0.0, 1.0));
        }
        look = to;
    }
}

void Bounds(const std::vector<Vec3>& points, Vec3& lo, Vec3& hi) {
    lo = {1e30, 1e30, 1e30}, hi = {-1e30, -1e30, -1e30};
    for (Vec3 p : points) {
        lo = {std::min(lo.x, p.x), std::min(lo.y, p.y), std::min(lo.z, p.z)};
        hi = {std::max(hi.x, p.x), std::max(hi.y, p.y), std::max(hi.z, p.z)};
    }
}

void OpenScene(Recorder& r, const PlaneDescription& d, Look& look, const PlaneAxes& axes) {
    r.result.marks.push_back(r.result.frames);
    Look show;
    show.pose = ModelPose(axes);
    Vec3 lo, hi;
    Bounds(Corners(r.paper, OpenedPlaces(r.paper, d.opens, 1), show.Map()), lo, hi);
    show.scale = std::min(3.0 / (hi.x - lo.x), 2.2 / (hi.y - lo.y));
    show.centre = show.pose.Inverse().Apply((lo + hi) * 0.5);
    for (int i = 0; i < kOpenFrames + kHoldFrames; ++i) {
        const double t = Ease(std::min(1.0, double(i) / kOpenFrames));
        const Look now = Between(look, show, t);
        r.Frame(r.Pose(OpenedPlaces(r.paper, d.opens, t)), now.Map(), kTableCamera);
    }
    look = show;
}

// How the airplane flies at t (0 .. 1): its heading (a turn), its pitch and any roll of its own;
// the bank into each turn is added from the turn's rate.
struct Attitude {
    double yaw = 0, pitch = 0, roll = 0, speed = 0.12;
};

Attitude FlightAttitude(const std::string& style, double t) {
    Attitude a;
    if (style == "dart") {
        a.yaw = 0.4 * std::sin(2 * M_PI * t);
        a.pitch = -0.1 + 0.05 * std::sin(4 * M_PI * t);
        a.speed = 0.16;
    } else if (style == "stunt") {
        a.yaw = 0.35 * std::sin(2 * M_PI * t);
        if (t > 0.3 && t < 0.7) a.pitch = Ease((t - 0.3) / 0.4) * 2 * M_PI;
    } else if (style == "floater") {
        a.yaw = 0.5 * std::sin(2 * M_PI * t);
        a.pitch = 0.08 * std::cos(6 * M_PI * t);
        a.roll = 0.25 * std::sin(18 * t);
        a.speed = 0.08;
    } else {
        a.yaw = 0.5 * std::sin(1.5 * M_PI * t);
        a.pitch = 0.15 * std::cos(3 * M_PI * t) - 0.05;
        a.speed = 0.1;
    }
    return a;
}

// The airplane heads away to the right, never straight across the frame, where it would be seen
// edge on.
Motion Turned(const Attitude& a, double bank) {
    return Motion::Rotation({}, {0, 1, 0}, a.yaw + 0.6)
        .After(Motion::Rotation({}, {0, 0, 1}, a.pitch).After(Motion::Rotation({}, {1, 0, 0}, a.roll + bank)));
}

// One frame of the flight: where the airplane is, how it lies, and how large the camera sees it.
struct FlightFrame {
    Vec3 at;
    Motion turn;
    double zoom = 1;

    [[nodiscard]] Motion Map() const { return Translation(at).After(turn).After(Scaling(zoom)); }
};

// The camera follows from behind and above, so the airplane stays the subject of every frame.
Camera Chase(Vec3 at) { return {at + Vec3{-1.5, 4.2, 6.4}, at, {0, 1, 0}, 30}; }

// How much of the picture's height the points cover.
double Cover(const std::vector<Vec3>& points, const Motion& map, const Camera& camera) {
    double top = kMovieHeight, bottom = 0;
    for (Vec3 p : points) {
        Vec2 at;
        if (!ProjectToPicture(CameraOf(camera), kMovieWidth, kMovieHeight, map.Apply(p), at)) continue;
        top = std::min(top, std::max(at.y, 0.0)), bottom = std::max(bottom, std::min(at.y, double(kMovieHeight)));
    }
    return std::max(0.0, bottom - top) / kMovieHeight;
}

// The path, and for each frame the zoom that keeps the airplane at least a quarter of the frame
// high (aiming at 0.3) and within it; zooms are smoothed so the camera never jumps.
std::vector<FlightFrame> PlanFlight(const std::string& style, const std::vector<Vec3>& base) {
    std::vector<FlightFrame> frames;
    Vec3 at{};
    for (int i = 0; i <= kFlightFrames; ++i) {
        const double t = double(i) / kFlightFrames, dt = 0.5 / kFlightFrames;
        const Attitude a = FlightAttitude(style, t);
        // Banked into the turn, by how fast the heading changes.
        const double rate = FlightAttitude(style, t + dt).yaw - FlightAttitude(style, t - dt).yaw;
        const double bank = -std::clamp(rate * 16, -0.8, 0.8);
        FlightFrame f{at, Turned(a, bank), 1};
        at = at + f.turn.Apply({1, 0, 0}) * a.speed;
        Vec2 lo{1e30, 1e30}, hi{-1e30, -1e30};
        for (Vec3 c : base) {
            Vec2 p;
            if (!ProjectToPicture(CameraOf(Chase(f.at)), kMovieWidth, kMovieHeight, f.turn.Apply(c) + f.at, p)) continue;
            lo = {std::min(lo.x, p.x), std::min(lo.y, p.y)}, hi = {std::max(hi.x, p.x), std::max(hi.y, p.y)};
        }
        const double w = std::max(hi.x - lo.x, 1.0), h = std::max(hi.y - lo.y, 1.0);
        f.zoom = std::min(std::max(1.0, 0.32 * kMovieHeight / h), std::min(0.94 * kMovieWidth / w, 0.8 * kMovieHeight / h));
        frames.push_back(f);
    }
    const int reach = 6, n = int(frames.size());
    std::vector<double> peak(frames.size());
    for (int i = 0; i < n; ++i)
        for (int j = std::max(0, i - reach); j <= std::min(n - 1, i + reach); ++j) peak[size_t(i)] = std::max(peak[size_t(i)], frames[size_t(j)].zoom);
    for (int i = 0; i < n; ++i) {
        double sum = 0;
        int count = 0;
        for (int j = std::max(0, i - reach); j <= std::min(n - 1, i + reach); ++j) sum += peak[size_t(j)], ++count;
        frames[size_t(i)].zoom = sum / count;
    }
    return frames;
}

void FlightScene(Recorder& r, const PlaneDescription& d, const PlaneAxes& axes) {
    r.result.marks.push_back(r.result.frames);
    const auto places = OpenedPlaces(r.paper, d.opens, 1);
    // Nose along +x, up along +y, as Turned expects; fitted to the view, then 2.2 units long.
    const Motion fly = Pose(axes, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    Vec3 lo, hi;
    Bounds(Corners(r.paper, places, fly), lo, hi);
    const Vec3 size = hi - lo;
    const double fit = std::min({1.2 / std::max(size.x, 1e-9), 0.9 / std::max(size.y, 1e-9), 1.0 / std::max(size.z, 1e-9)});
    Motion toBase = Scaling(fit).After(Translation((lo + hi) * -0.5)).After(fly);
    double length = 0;
    for (Vec3 p : Corners(r.paper, places, toBase)) length = std::max(length, std::abs(p.x));
    toBase = Scaling(1.1 / std::max(length, 1e-9)).After(toBase);
    const std::vector<Vec3> base = Corners(r.paper, places, toBase);
    const std::vector<FlightFrame> plan = PlanFlight(d.flight, base);
    const uint16_t pose = r.Pose(places, toBase);
    r.result.flightCover = 1;
    for (const FlightFrame& f : plan) {
        const Camera camera = Chase(f.at);
        FoldFrame& frame = r.Frame(pose, f.Map(), camera);
        frame.backdrop = FoldBackdrop::sky;
        frame.sky = {float(f.at.x - f.at.z * 0.5), float(std::clamp(-f.at.y * 0.3, -1.0, 1.0))};
        const Vec3 tail = f.turn.Apply(Vec3{-1.1, 0, 0} * f.zoom) + f.at;
        frame.tail = {float(tail.x), float(tail.y), float(tail.z)};
        r.result.flightCover = std::min(r.result.flightCover, Cover(base, f.Map(), camera));
    }
}

}  // namespace

bool MakeFoldAnimation(const PlaneDescription& d, const Paper& finished, const std::vector<FoldScene>& folds,
                       FoldAnimation& out, MovieResult& result, std::string& error) {
    result = {};
    out = FoldAnimation();
    out.width = kMovieWidth, out.height = kMovieHeight, out.framesPerSecond = kFramesPerSecond;
    PlaneAxes axes;
    if (folds.empty()) return error = d.file + ": an airplane without a fold has no movie", false;
    if (!AxesOf(d, finished, OpenedPlaces(finished, d.opens, 1), axes, error)) return false;
    size_t corners = 0;
    for (const Facet& f : finished.Facets()) corners += f.sheet.size();
    if (corners > size_t(FoldAnimation::kMaxVertices)) return error = d.file + ": too many facets for a movie", false;
    Recorder r{finished, out, result, {}};
    r.Mesh();
    Look look = FlatLook(folds.front().plan.before);
    FoldScenes(r, folds, look);
    OpenScene(r, d, look, axes);
    FlightScene(r, d, axes);
    out.marks.assign(result.marks.begin(), result.marks.end());
    return true;
}

bool RenderFoldMovie(const FoldAnimation& animation, const BgrRows& texture, GlSurface& gl, const FrameSink& sink) {
    FoldRenderer renderer;
    Canvas frame;
    size_t mark = 0;
    for (int32_t t = 0; t < int32_t(animation.frames.size()); ++t) {
        const bool key = mark < animation.marks.size() && animation.marks[mark] == t;
        mark += key ? 1 : 0;
        if (!renderer.Render(animation, t, texture, gl, frame) || !sink(frame, key)) return false;
    }
    return true;
}
