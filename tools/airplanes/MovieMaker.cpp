// The movie's scenes: folds on a table, the opening, and the flight across a sky.
#include "MovieMaker.h"

#include <algorithm>
#include <cmath>

#include "Airplane3D.h"
#include "Motion3.h"
#include "Renderer.h"
#include "StepsSheet.h"

namespace {

constexpr int kTurnFrames = 16, kHoldFrames = 8, kOpenFrames = 30;

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
    // `cover`, when given, receives how much of each pixel the paper covers.
    bool Shoot(const std::vector<Triangle3>& tris, const Canvas& background, const Camera& cam, bool key,
               const std::function<void(Canvas&)>& over = {}, std::vector<uint8_t>* cover = nullptr) {
        renderer.Clear(background);
        renderer.Draw(tris, skin, cam);
        ++result.frames;
        Canvas frame = renderer.Resolve(cover);
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

// The sky seen from a camera that has moved `across` units: the clouds drift past, the hills slower.
Canvas MovingSky(double across, double up) {
    Canvas c(kMovieWidth, kMovieHeight, {});
    for (int y = 0; y < kMovieHeight; ++y)
        c.FillRect(0, y, kMovieWidth, 1, Mix({90, 170, 245}, {205, 232, 255}, double(y) / kMovieHeight));
    const double span = kMovieWidth + 120;
    for (int i = 0; i < 5; ++i) {
        const double x = std::fmod(std::fmod(30 + i * 83 - across * 36, span) + span, span) - 60;
        const double y = 30 + (i % 3) * 42 + up * 20;
        for (int k = 0; k < 4; ++k) c.FillCircle({x + k * 13 - 20, y + (k % 2) * 4}, 12 + (k % 3) * 3, {255, 255, 255});
    }
    Polygon hills{{0, 240}};
    for (int x = 0; x <= 320; x += 8) hills.push_back({double(x), 212 + up * 30 - 10 * std::sin((x + across * 60) / 45.0)});
    hills.push_back({320, 240});
    c.FillPolygon(hills, {120, 200, 110});
    return c;
}

void SoftDisc(Canvas& c, Vec2 at, double r, double alpha) {
    Polygon p;
    for (int i = 0; i < 16; ++i) p.push_back({at.x + r * std::cos(i * M_PI / 8), at.y + r * std::sin(i * M_PI / 8)});
    c.FillPolygon(p, {255, 255, 255}, alpha);
}

// One frame of the flight: where the airplane is, how it lies, and how large the camera sees it.
struct FlightFrame {
    Vec3 at;
    Motion turn;
    double zoom = 1;
};

// The camera follows from behind and above, so the airplane stays the subject of every frame.
Camera Chase(Vec3 at) { return {at + Vec3{-1.5, 4.2, 6.4}, at, {0, 1, 0}, 30}; }

// The path, and for each frame the zoom that keeps the airplane at least a quarter of the frame
// high (aiming at 0.3) and within it; zooms are smoothed so the camera never jumps.
std::vector<FlightFrame> PlanFlight(const std::string& style, const std::vector<Triangle3>& base, const Renderer& r) {
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
        for (const Triangle3& tri : base)
            for (const MeshCorner& c : tri.c) {
                Vec2 p;
                if (!r.Project(f.turn.Apply(c.position) + f.at, Chase(f.at), p)) continue;
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

bool FlightScene(Shooter& s, const PlaneDescription& d, const PlaneAxes& axes) {
    s.result.marks.push_back(s.result.frames);
    const auto places = OpenedPlaces(s.paper, d.opens, 1);
    Look fly;
    // Nose along +x, up along +y, as Turned expects.
    fly.pose = Pose(axes, {0, 0, 1}, {1, 0, 0}, {0, 1, 0});
    std::vector<Triangle3> base = Shown(s.paper, s.paper.Facets(), places, fly);
    FitToView(base);
    double length = 0;
    for (const Triangle3& t : base)
        for (const MeshCorner& c : t.c) length = std::max(length, std::abs(c.position.x));
    for (Triangle3& t : base)
        for (MeshCorner& c : t.c) c.position = c.position * (1.1 / std::max(length, 1e-9));
    const std::vector<FlightFrame> plan = PlanFlight(d.flight, base, s.renderer);
    std::vector<Vec3> trail;  // where the tail has been
    s.result.flightCover = 1;
    for (size_t i = 0; i < plan.size(); ++i) {
        const FlightFrame& f = plan[i];
        const Camera camera = Chase(f.at);
        Canvas sky = MovingSky(f.at.x - f.at.z * 0.5, std::clamp(-f.at.y * 0.3, -1.0, 1.0));
        trail.push_back(f.turn.Apply(Vec3{-1.1, 0, 0} * f.zoom) + f.at);
        if (trail.size() > 24) trail.erase(trail.begin());
        // A soft trail, widening and fading behind the airplane.
        for (size_t k = 0; k + 1 < trail.size(); ++k) {
            const double age = double(trail.size() - 1 - k) / 24;
            for (double part : {0.0, 0.5}) {
                Vec2 p;
                if (s.renderer.Project(trail[k] + (trail[k + 1] - trail[k]) * part, camera, p))
                    SoftDisc(sky, p, 2.5 + 7 * age, 0.45 * (1 - age));
            }
        }
        std::vector<Triangle3> tris = base;
        for (Triangle3& t : tris)
            for (MeshCorner& c : t.c) c.position = f.turn.Apply(c.position * f.zoom) + f.at;
        std::vector<uint8_t> cover;
        if (!s.Shoot(tris, sky, camera, i == 0, {}, &cover)) return false;
        int top = kMovieHeight, bottom = -1;
        for (int y = 0; y < kMovieHeight; ++y)
            for (int x = 0; x < kMovieWidth; ++x)
                if (cover[size_t(y * kMovieWidth + x)] > 0) top = std::min(top, y), bottom = std::max(bottom, y);
        s.result.flightCover = std::min(s.result.flightCover, double(bottom - top + 1) / kMovieHeight);
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
