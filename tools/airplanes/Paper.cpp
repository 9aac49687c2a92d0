// The fold simulator: splitting facets along a fold line, turning the moving ones over it and
// keeping their stacking order.
#include "Paper.h"

#include <algorithm>
#include <map>

namespace {

constexpr double kEps = 1e-7;

Vec2 Flat(Vec3 p) { return {p.x, p.y}; }

// The chord of a convex polygon on the line a-b, by clipping the line's parameter.
bool Chord(const Polygon& poly, Vec2 a, Vec2 b, Vec2& p, Vec2& q) {
    const double sign = SignedArea(poly) >= 0 ? 1 : -1;
    double t0 = -1e9, t1 = 1e9;
    const Vec2 d = b - a;
    for (size_t i = 0; i < poly.size(); ++i) {
        const Vec2 e0 = poly[i], e1 = poly[(i + 1) % poly.size()];
        const Vec2 edge = e1 - e0;
        // Inside means sign * Cross(edge, x - e0) >= 0, with x = a + t d.
        const double c = sign * Cross(edge, a - e0), k = sign * Cross(edge, d);
        const double tol = 1e-6 * Length(edge);
        if (std::abs(k) < 1e-12) {
            if (c < -tol) return false;
            continue;
        }
        const double t = -c / k;
        if (k > 0) t0 = std::max(t0, t - tol / std::abs(k));
        else t1 = std::min(t1, t + tol / std::abs(k));
    }
    if (t1 - t0 < 1e-6) return false;
    p = a + d * t0;
    q = a + d * t1;
    return Length(q - p) > 1e-4;
}

// Flat folds keep the plane z = 0: remove the rounding that would lift it.
void Snap(Motion& m) {
    m.m[2][0] = m.m[2][1] = m.m[0][2] = m.m[1][2] = 0;
    m.m[2][2] = m.m[2][2] > 0 ? 1 : -1;
    m.t.z = 0;
}

FoldKind Opposite(FoldKind k) {
    return k == FoldKind::valley ? FoldKind::mountain : FoldKind::valley;
}

}  // namespace

Polygon ClipHalfPlane(const Polygon& poly, Vec2 a, Vec2 b, double side) {
    Polygon out;
    const Vec2 d = b - a;
    for (size_t i = 0; i < poly.size(); ++i) {
        const Vec2 p = poly[i], q = poly[(i + 1) % poly.size()];
        const double sp = side * Cross(d, p - a), sq = side * Cross(d, q - a);
        if (sp >= 0) out.push_back(p);
        if ((sp > 0 && sq < 0) || (sp < 0 && sq > 0)) out.push_back(p + (q - p) * (sp / (sp - sq)));
    }
    return out;
}

bool InRegions(const Facet& f, const std::vector<SheetRegion>& where) {
    const Vec2 c = Centroid(f.sheet);
    return std::all_of(where.begin(), where.end(), [c](const SheetRegion& r) { return r.Holds(c); });
}

Polygon Placed(const Facet& f) {
    Polygon out;
    for (Vec2 p : f.sheet) out.push_back(Flat(f.place.Apply({p.x, p.y, 0})));
    return out;
}

Paper::Paper(double w, double h) : width(w), height(h) {
    facets.push_back({{{0, 0}, {w, 0}, {w, h}, {0, h}}, Motion{}, 0, 0});
}

bool Paper::Locate(Vec2 p, Vec3& out) const {
    // The top facet wins where several meet; the paper is continuous, so they agree.
    const Facet* best = nullptr;
    for (const Facet& f : facets) {
        if (Contains(f.sheet, p, 1e-6) && (best == nullptr || f.layer > best->layer)) best = &f;
    }
    if (best == nullptr) return false;
    out = best->place.Apply({p.x, p.y, 0});
    return true;
}

// Cuts every facet the line crosses (in the region) and keeps the crease each cut leaves.
void Paper::Split(Vec2 a, Vec2 b, const std::vector<SheetRegion>& where, FoldKind kind) {
    std::vector<Facet> out;
    const double area = width * height;
    for (const Facet& f : facets) {
        const Motion back = f.place.Inverse();
        const Vec2 sa = Flat(back.Apply({a.x, a.y, 0})), sb = Flat(back.Apply({b.x, b.y, 0}));
        Vec2 p, q;
        if (InRegions(f, where) && Chord(f.sheet, sa, sb, p, q)) {
            const bool faceUp = f.place.m[2][2] > 0;
            creases.push_back({p, q, faceUp ? kind : Opposite(kind)});
        }
        Polygon left = ClipHalfPlane(f.sheet, sa, sb, 1), right = ClipHalfPlane(f.sheet, sa, sb, -1);
        if (std::abs(SignedArea(left)) > kEps * area && std::abs(SignedArea(right)) > kEps * area) {
            out.push_back({left, f.place, f.layer, f.groups});
            out.push_back({right, f.place, f.layer, f.groups});
        } else {
            out.push_back(f);
        }
    }
    facets = std::move(out);
}

// Moving layers go on top (valley) or underneath (mountain), their own order reversed; then the
// layers are renumbered 0, 1, 2 ... keeping the order.
void Paper::Restack(const std::vector<bool>& moving, FoldKind kind) {
    int lo = 1 << 30, hi = -(1 << 30), mlo = 1 << 30, mhi = -(1 << 30);
    for (size_t i = 0; i < facets.size(); ++i) {
        lo = std::min(lo, facets[i].layer);
        hi = std::max(hi, facets[i].layer);
        if (moving[i]) {
            mlo = std::min(mlo, facets[i].layer);
            mhi = std::max(mhi, facets[i].layer);
        }
    }
    for (size_t i = 0; i < facets.size(); ++i) {
        if (!moving[i]) continue;
        int& l = facets[i].layer;
        l = kind == FoldKind::valley ? hi + 1 + (mhi - l) : lo - 1 - (l - mlo);
    }
    std::map<int, int> rank;
    for (const Facet& f : facets) rank[f.layer] = 0;
    int n = 0;
    for (auto& [layer, r] : rank) r = n++;
    for (Facet& f : facets) f.layer = rank[f.layer];
}

bool Paper::Fold(const FoldStep& step, FoldPlan& plan, std::string& error) {
    Vec3 a3, b3, m3;
    if (!Locate(step.a, a3) || !Locate(step.b, b3) || !Locate(step.mover, m3)) {
        error = "a point of the fold lies off the sheet";
        return false;
    }
    const Vec2 a = Flat(a3), b = Flat(b3), m = Flat(m3);
    if (Length(b - a) < 1e-6) {
        error = "the two points of the fold line lie on the same place of the folded paper";
        return false;
    }
    const double side = Cross(b - a, m - a) > 0 ? 1 : -1;
    if (std::abs(Cross(b - a, m - a)) < 1e-6 * Length(b - a)) {
        error = "the point that moves lies on the fold line";
        return false;
    }
    Split(a, b, step.where, step.kind);
    plan.before = facets;
    plan.moving.assign(facets.size(), false);
    bool any = false;
    for (size_t i = 0; i < facets.size(); ++i) {
        const Vec2 c = Centroid(Placed(facets[i]));
        plan.moving[i] = side * Cross(b - a, c - a) > 0 && InRegions(facets[i], step.where);
        any = any || plan.moving[i];
    }
    if (!any) {
        error = "nothing moves: no paper lies on the moving side in the given region";
        return false;
    }
    plan.axisPoint = {a.x, a.y, 0};
    plan.axisDirection = Normalised(Vec3{b.x - a.x, b.y - a.y, 0});
    // Turning by +angle about a->b lifts the side Cross(b - a, p - a) > 0 towards +z.
    plan.turn = (step.kind == FoldKind::valley ? side : -side) * M_PI;
    if (step.group >= 0) {
        groupFolds.resize(std::max(groupFolds.size(), size_t(step.group) + 1));
        groupFolds[size_t(step.group)] = {plan.axisPoint, plan.axisDirection, plan.turn};
    }
    if (step.unfold) return true;
    const Motion turn = Motion::Rotation(plan.axisPoint, plan.axisDirection, plan.turn);
    for (size_t i = 0; i < facets.size(); ++i) {
        if (!plan.moving[i]) continue;
        facets[i].place = turn.After(facets[i].place);
        Snap(facets[i].place);
        if (step.group >= 0) facets[i].groups |= 1u << step.group;
    }
    Restack(plan.moving, step.kind);
    return true;
}
