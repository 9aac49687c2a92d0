// Opening the flat-folded airplane into 3D and placing it in the model's frame.
#include "Airplane3D.h"

#include <algorithm>

namespace {

bool Selected(const Facet& f, const OpenTurn& o, Vec2 a, Vec2 b, Vec2 m) {
    if (!InRegions(f, o.where)) return false;
    if (!o.hasMover) return true;
    const Vec2 c = Centroid(Placed(f));
    return Cross(b - a, c - a) * Cross(b - a, m - a) > 0;
}

// The 3D place of a sheet point under per-facet motions.
bool Where(const Paper& paper, const std::vector<Motion>& places, Vec2 p, Vec3& out) {
    const auto& facets = paper.Facets();
    int best = -1;
    for (size_t i = 0; i < facets.size(); ++i) {
        if (Contains(facets[i].sheet, p, 1e-6) &&
            (best < 0 || facets[i].layer > facets[size_t(best)].layer)) {
            best = int(i);
        }
    }
    if (best < 0) return false;
    out = places[size_t(best)].Apply({p.x, p.y, 0});
    return true;
}

}  // namespace

std::vector<Motion> OpenedPlaces(const Paper& paper, const std::vector<OpenTurn>& opens,
                                 double amount) {
    const auto& facets = paper.Facets();
    std::vector<Motion> places;
    for (const Facet& f : facets) {
        Motion lift;
        lift.t = {0, 0, kLayerGap * f.layer};
        places.push_back(lift.After(f.place));
    }
    // Each opening's axis is a crease of the flat paper; the later ones ride on the earlier,
    // so they are applied innermost first.
    for (auto o = opens.rbegin(); o != opens.rend(); ++o) {
        if (o->group >= 0) {
            if (size_t(o->group) >= paper.Groups().size()) continue;
            const GroupFold& g = paper.Groups()[size_t(o->group)];
            // Unfolding turns back against the fold's own turn.
            const double sign = g.turn > 0 ? -1 : 1;
            const Motion turn = Motion::Rotation(g.axisPoint, g.axisDirection,
                                                 sign * o->degrees * amount * M_PI / 180);
            for (size_t i = 0; i < facets.size(); ++i)
                if (facets[i].groups & (1u << o->group)) places[i] = turn.After(places[i]);
            continue;
        }
        Vec3 a, b, m;
        if (!paper.Locate(o->a, a) || !paper.Locate(o->b, b)) continue;
        if (o->hasMover && !paper.Locate(o->mover, m)) continue;
        const Motion turn =
            Motion::Rotation(a, b - a, o->degrees * amount * M_PI / 180);
        for (size_t i = 0; i < facets.size(); ++i) {
            if (Selected(facets[i], *o, {a.x, a.y}, {b.x, b.y}, {m.x, m.y})) {
                places[i] = turn.After(places[i]);
            }
        }
    }
    return places;
}

std::vector<Triangle3> Triangulate(const Paper& paper, const std::vector<Facet>& facets,
                                   const std::vector<Motion>& places) {
    std::vector<Triangle3> out;
    for (size_t i = 0; i < facets.size(); ++i) {
        const Polygon& p = facets[i].sheet;
        auto corner = [&](Vec2 s) {
            return MeshCorner{places[i].Apply({s.x, s.y, 0}), paper.TextureOf(s)};
        };
        for (size_t k = 1; k + 1 < p.size(); ++k) {
            out.push_back({{corner(p[0]), corner(p[k]), corner(p[k + 1])}});
        }
    }
    return out;
}

bool AxesOf(const PlaneDescription& d, const Paper& paper, const std::vector<Motion>& places,
            PlaneAxes& out, std::string& error) {
    Vec3 nose, tail, up;
    if (!Where(paper, places, d.nose, nose) || !Where(paper, places, d.tail, tail)) {
        error = d.file + ": the frame's nose or tail lies off the sheet";
        return false;
    }
    if (Length(nose - tail) < 1e-6) {
        error = d.file + ": the nose and the tail lie on the same place";
        return false;
    }
    const Vec3 f = Normalised(Display(nose) - Display(tail));
    Vec3 u;
    if (d.upKind == UpKind::point) {
        Vec3 up2;
        if (!Where(paper, places, d.up, up) || !Where(paper, places, d.up2, up2)) {
            error = d.file + ": the frame's up point lies off the sheet";
            return false;
        }
        u = Display((up + up2) * 0.5) - Display(tail);
    } else {
        size_t i = 0;
        while (i + 1 < paper.Facets().size() && !Contains(paper.Facets()[i].sheet, d.nose, 1e-6)) ++i;
        u = Display(places[i].Turn({0, 0, 1}));
        if (d.upKind == UpKind::reversedNormal) u = u * -1;
    }
    u = Normalised(u - f * Dot(u, f));
    if (Length(u) < 0.5) {
        error = d.file + ": the frame's up point lies on the line from the tail to the nose";
        return false;
    }
    out = {f, u, Cross(f, u)};
    return true;
}

Motion Pose(const PlaneAxes& a, Vec3 R, Vec3 F, Vec3 U) {
    Motion m;
    const double fr[3] = {R.x, R.y, R.z}, ff[3] = {F.x, F.y, F.z}, fu[3] = {U.x, U.y, U.z};
    for (int i = 0; i < 3; ++i) {
        m.m[i][0] = fr[i] * a.right.x + ff[i] * a.forward.x + fu[i] * a.up.x;
        m.m[i][1] = fr[i] * a.right.y + ff[i] * a.forward.y + fu[i] * a.up.y;
        m.m[i][2] = fr[i] * a.right.z + ff[i] * a.forward.z + fu[i] * a.up.z;
    }
    return m;
}

Motion ModelPose(const PlaneAxes& axes) {
    const double tilt = 55 * M_PI / 180;
    const Motion m = Pose(axes, {1, 0, 0}, {0, std::cos(tilt), -std::sin(tilt)},
                          {0, std::sin(tilt), std::cos(tilt)});
    return Motion::Rotation({}, {0, 1, 0}, 20 * M_PI / 180).After(m);
}

void Transform(std::vector<Triangle3>& tris, const Motion& m, double scale) {
    for (Triangle3& t : tris)
        for (MeshCorner& c : t.c) c.position = m.Apply(c.position) * scale;
}

void FitToView(std::vector<Triangle3>& tris) {
    Vec3 lo{1e30, 1e30, 1e30}, hi{-1e30, -1e30, -1e30};
    for (const Triangle3& t : tris) {
        for (const MeshCorner& c : t.c) {
            lo = {std::min(lo.x, c.position.x), std::min(lo.y, c.position.y), std::min(lo.z, c.position.z)};
            hi = {std::max(hi.x, c.position.x), std::max(hi.y, c.position.y), std::max(hi.z, c.position.z)};
        }
    }
    Motion centre;
    centre.t = (lo + hi) * -0.5;
    const Vec3 size = hi - lo;
    const double scale = std::min({1.2 / std::max(size.x, 1e-9), 0.9 / std::max(size.y, 1e-9),
                                   1.0 / std::max(size.z, 1e-9)});
    Transform(tris, centre, scale);
}

bool BuildModel(const PlaneDescription& d, const Paper& paper, std::vector<Triangle3>& out,
                std::string& error) {
    const std::vector<Motion> places = OpenedPlaces(paper, d.opens, 1);
    PlaneAxes axes;
    if (!AxesOf(d, paper, places, axes, error)) return false;
    out = Triangulate(paper, paper.Facets(), places);
    for (Triangle3& t : out)
        for (MeshCorner& c : t.c) c.position = Display(c.position);
    Transform(out, ModelPose(axes), 1);
    FitToView(out);
    return true;
}
