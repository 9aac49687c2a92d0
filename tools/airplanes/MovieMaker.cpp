// The movie's scenes: folds on a table, the opening, and the flight across a sky.
#include "MovieMaker.h"

#include <algorithm>
#include <cmath>

#include "Airplane3D.h"
#include "Motion3.h"
#include "Renderer.h"
#include "StepsSheet.h"

namespace {

constexpr int kTurnFrames = 16, kHoldFrames = 8, kOpenFrames = 30, kFlightFrames = 75;

struct Look {  // how the paper is placed in front of the camera
    Motion pose;
    Vec3 centre;
    double scale = 1;
};

Canvas Table() {
    Canvas c(kMovieWidth, kMovieHeight, {});
    for (int y = 0; y < kMovieHeight; ++y)
        c.FillRect(0, y, kMovieWidth, 1, Mix({255, 244, 214}, {240, 214, 170}, double(y) / kMovieHeight));
    return c;
}

Canvas Sky() {
    Canvas c(kMovieWidth, kMovieHeight, {});
    for (int y = 0; y < kMovieHeight; ++y)
        c.FillRect(0, y, kMovieWidth, 1, Mix({90, 170, 245}, {205, 232, 255}, double(y) / kMovieHeight));
    for (int i = 0; i < 4; ++i) {
        const double x = 40 + i * 80 + (i % 2) * 20, y = 35 + (i % 3) * 38;
        for (int k = 0; k < 4; ++k) c.FillCircle({x + k * 13 - 20, y + (k % 2) * 4}, 12 + (k % 3) * 3, {255, 255, 255});
    }
    Polygon hills{{0, 240}, {0, 205}};
    for (int x = 0; x <= 320; x += 8) hills.push_back({double(x), 205 - 10 * std::sin(x / 45.0)});
    hills.push_back({320, 240});
    c.FillPolygon(hills, {120, 200, 110});
    return c;
}

std::vector<Triangle3> Shown(const Paper& paper, const std::vector<Facet>& facets,
                             const std::vector<Motion>& places, const Look& look) {
    std::vector<Triangle3> tris = Triangulate(paper, facets, places);
    for (Triangle3& t : tris)
        for (MeshCorner& c : t.c) c.position = look.pose.Apply((Display(c.position) - look.centre) * look.scale);
    return tris;
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

struct Shooter {
    const Paper& paper;
    const Canvas& skin;
    const FrameSink& sink;
    MovieResult& result;
    Renderer renderer{kMovieWidth, kMovieHeight, 2};

    // `over` draws on the finished frame: the fold's line and arrow.
    bool Shoot(const std::vector<Triangle3>& tris, const Canvas& background, const Camera& cam, bool key,
               const std::function<void(Canvas&)>& over = {}) {
        renderer.Clear(background);
        renderer.Draw(tris, skin, cam);
        ++result.frames;
        Canvas frame = renderer.Resolve();
        if (over) over(frame);
        return sink(frame, key);
    }
};

// The fold line across the paper and the arrow of the turn, as the steps sheet draws them, laid
// on the paper as it lies in front of the camera; `fade` (0 .. 1) lets them go as the flap lands.
void DrawFoldGuide(Canvas& frame, const FoldScene& f, const Look& look, const Renderer& r, double fade) {
    if (fade <= 0) return;
    int top = 0;
    for (const Facet& facet : f.plan.before) top = std::max(top, facet.layer);
    const double z = kLayerGap * (top + 1);
    auto at = [&](Vec2 p, Vec2& out) {
        return r.Project(look.pose.Apply((Display({p.x, p.y, z}) - look.centre) * look.scale), kTableCamera, out);
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
    Canvas guide = frame;
    // A pale band under each keeps them readable on a busy skin.
    const Rgb pale{255, 255, 245};
    guide.Line(a, b, 3.8, pale);
    guide.Line(a, b, 2.2, FoldColour(f.kind), FoldDashes(f.kind, 0.7));
    guide.Bow(from, to, 4.2, pale);
    guide.Bow(from, to, 2.4, kTurnArrow);
    std::vector<Rgb>& out = frame.Pixels();
    const std::vector<Rgb>& in = guide.Pixels();
    for (size_t i = 0; i < out.size(); ++i) out[i] = Mix(out[i], in[i], fade);
}

bool FoldScenes(Shooter& s, const std::vector<FoldScene>& folds, Look& look) {
    const Canvas table = Table();
    for (const FoldScene& f : folds) {
        s.result.marks.push_back(s.result.frames);
        const Look from = look, to = FlatLook(f.unfold ? f.plan.before : f.after);
        const int turning = f.unfold ? 2 * kTurnFrames : kTurnFrames;
        for (int i = 0; i < turning + kHoldFrames; ++i) {
            double t = std::min(1.0, double(i) / kTurnFrames);
            if (f.unfold) t = i < kTurnFrames ? t : std::max(0.0, 2 - double(i) / kTurnFrames);
            const Look now = Between(from, to, Ease(double(i) / (turning + kHoldFrames - 1)));
            std::vector<Motion> places;
            const bool done = !f.unfold && i >= turning;
            const std::vector<Facet>& facets = done ? f.after : f.plan.before;
            places = Lifted(facets);
            if (!done) {
                // Turn a little short of flat so the flap never sinks into the paper below.
                const Motion turn = Motion::Rotation(f.plan.axisPoint, f.plan.axisDirection,
                                                     f.plan.turn * Ease(t) * 0.985);
                for (size_t k = 0; k < facets.size(); ++k)
                    if (f.plan.moving[k]) places[k] = turn.After(places[k]);
            }
            // The guide shows before the flap moves and while it turns, and fades as it lands.
            const double fade = std::clamp((turning - i) / 4.0, 0.0, 1.0);
            const auto guide = [&](Canvas& frame) { DrawFoldGuide(frame, f, now, s.renderer, fade); };
            if (!s.Shoot(Shown(s.paper, facets, places, now), table, kTableCamera, i == 0, guide)) return false;
        }
        look = to;
    }
    return true;
}

bool OpenScene(Shooter& s, const PlaneDescription& d, Look& look, const PlaneAxes& axes) {
    s.result.marks.push_back(s.result.frames);
    const Canvas table = Table();
    const std::vector<Motion> open = OpenedPlaces(s.paper, d.opens, 1);
    Look show;
    show.pose = ModelPose(axes);
    std::vector<Triangle3> tris = Shown(s.paper, s.paper.Facets(), open, show);
    Vec3 lo{1e30, 1e30, 1e30}, hi{-1e30, -1e30, -1e30};
    for (const Triangle3& t : tris)
        for (const MeshCorner& c : t.c) {
            lo = {std::min(lo.x, c.position.x), std::min(lo.y, c.position.y), std::min(lo.z, c.position.z)};
            hi = {std::max(hi.x, c.position.x), std::max(hi.y, c.position.y), std::max(hi.z, c.position.z)};
        }
    show.scale = std::min(3.0 / (hi.x - lo.x), 2.2 / (hi.y - lo.y));
    show.centre = show.pose.Inverse().Apply((lo + hi) * 0.5);
    for (int i = 0; i < kOpenFrames + kHoldFrames; ++i) {
        const double t = Ease(std::min(1.0, double(i) / kOpenFrames));
        const Look now = Between(look, show, t);
        const auto places = OpenedPlaces(s.paper, d.opens, t);
        if (!s.Shoot(Shown(s.paper, s.paper.Facets(), places, now), table, kTableCamera, i == 0)) return false;
    }
    look = show;
    return true;
}

// Where the airplane is at t (0 .. 1) of the flight, and how it is pitched and rolled.
void FlightPath(const std::string& style, double t, Vec3& at, double& pitch, double& roll) {
    const double x = -3.2 + 6.4 * t;
    pitch = roll = 0;
    if (style == "dart") {
        at = {x * 1.1, 0.5 - 0.8 * t, 0};
        pitch = -0.12;
    } else if (style == "stunt" && t > 0.3 && t < 0.7) {
        const double a = (t - 0.3) / 0.4 * 2 * M_PI;
        at = {-0.6 + 0.8 * std::sin(a) + 1.2 * (t - 0.3) / 0.4, 0.9 - 0.8 * std::cos(a) - 0.3, 0};
        pitch = a;
    } else if (style == "stunt") {
        at = {t <= 0.3 ? -3.2 + 8.7 * t : 0.6 + 8.0 * (t - 0.7), -0.2 - 0.4 * t, 0};
    } else if (style == "floater") {
        at = {x * 0.8, 0.6 - 0.9 * t + 0.15 * std::sin(t * 12), 0};
        roll = 0.35 * std::sin(t * 9);
        pitch = 0.1 * std::cos(t * 12);
    } else {
        at = {x, 0.3 + 0.25 * std::sin(t * 2 * M_PI) - 0.5 * t, 0};
        pitch = 0.25 * std::cos(t * 2 * M_PI);
        roll = 0.15 * std::sin(t * 2 * M_PI);
    }
}

bool FlightScene(Shooter& s, const PlaneDescription& d, const PlaneAxes& axes) {
    s.result.marks.push_back(s.result.frames);
    const Canvas sky = Sky();
    const auto places = OpenedPlaces(s.paper, d.opens, 1);
    const double tilt = 0.35;
    Look fly;
    fly.pose = Pose(axes, {0, -std::sin(tilt), std::cos(tilt)}, {1, 0, 0}, {0, std::cos(tilt), std::sin(tilt)});
    std::vector<Triangle3> base = Shown(s.paper, s.paper.Facets(), places, fly);
    FitToView(base);  // centred, about 1.2 long
    double length = 0;
    for (const Triangle3& t : base)
        for (const MeshCorner& c : t.c) length = std::max(length, std::abs(c.position.x));
    const double scale = 0.55 / std::max(length, 1e-9);
    const Camera camera{{0, 0, 8}, {0, 0, 0}, {0, 1, 0}, 30};
    for (int i = 0; i <= kFlightFrames; ++i) {
        Vec3 at;
        double pitch = 0, roll = 0;
        FlightPath(d.flight, double(i) / kFlightFrames, at, pitch, roll);
        const Motion m = Motion::Rotation({}, {0, 0, 1}, pitch).After(Motion::Rotation({}, {1, 0, 0}, roll));
        std::vector<Triangle3> tris = base;
        for (Triangle3& t : tris)
            for (MeshCorner& c : t.c) c.position = m.Apply(c.position * scale) + at;
        if (!s.Shoot(tris, sky, camera, i == 0)) return false;
    }
    return true;
}

}  // namespace

bool MakeMovie(const PlaneDescription& d, const Paper& finished, const std::vector<FoldScene>& folds,
               const Canvas& skin, const FrameSink& sink, MovieResult& result) {
    result = {};
    PlaneAxes axes;
    std::string error;
    if (folds.empty() || !AxesOf(d, finished, OpenedPlaces(finished, d.opens, 1), axes, error)) return false;
    Shooter s{finished, skin, sink, result};
    Look look = FlatLook(folds.front().plan.before);
    return FoldScenes(s, folds, look) && OpenScene(s, d, look, axes) && FlightScene(s, d, axes);
}
