// Drawing the steps page: cells in rows of four, each diagram fitted to its cell.
#include "StepsSheet.h"

#include <algorithm>
#include <cmath>

#include "SheetPictures.h"
#include "graphics/FoldRenderer.h"

RgbPixel FoldColour(FoldKind kind) { return FoldLineColour(kind == FoldKind::valley); }

Dashes FoldDashes(FoldKind kind, double scale) { return FoldLineDashes(kind == FoldKind::valley, scale); }

namespace {

struct Fit {
    Vec2 min, max;
    double scale = 1;
    Vec2 origin;
    [[nodiscard]] Vec2 Map(Vec2 p) const { return origin + (p - min) * scale; }
};

Fit FitCell(const std::vector<Facet>& paper, double x, double y, double w, double h) {
    Fit f{{1e30, 1e30}, {-1e30, -1e30}, 1, {}};
    for (const Facet& facet : paper) {
        for (Vec2 p : Placed(facet)) {
            f.min = {std::min(f.min.x, p.x), std::min(f.min.y, p.y)};
            f.max = {std::max(f.max.x, p.x), std::max(f.max.y, p.y)};
        }
    }
    const Vec2 size = f.max - f.min;
    f.scale = std::min(w / std::max(size.x, 1e-9), h / std::max(size.y, 1e-9));
    f.origin = {x + (w - size.x * f.scale) / 2, y + (h - size.y * f.scale) / 2};
    return f;
}

void DrawPaper(Canvas& c, const Fit& fit, const std::vector<Facet>& paper, RgbPixel front) {
    std::vector<const Facet*> order;
    for (const Facet& f : paper) order.push_back(&f);
    std::stable_sort(order.begin(), order.end(), [](auto a, auto b) { return a->layer < b->layer; });
    for (const Facet* f : order) {
        Polygon p;
        for (Vec2 v : Placed(*f)) p.push_back(fit.Map(v));
        c.FillPolygon(p, f->place.m[2][2] > 0 ? front : RgbPixel{250, 250, 250});
        c.Outline(p, 1.2, {70, 70, 90});
    }
}

// The fold line across the whole cell's paper, dashed by its kind.
struct Box {
    Vec2 min, max;
};

void DrawFoldLine(Canvas& c, const Fit& fit, const Box& cell, const StepDiagram& s, Vec2 a, Vec2 b) {
    const Vec2 d = (b - a) * (1 / std::max(Length(b - a), 1e-9));
    const double reach = Length(fit.max - fit.min) * 0.62;
    const Vec2 mid = (fit.min + fit.max) * 0.5;
    const Vec2 centre = a + d * Dot(mid - a, d);
    // Cut the line at the cell's edges.
    Vec2 p = fit.Map(centre - d * reach), q = fit.Map(centre + d * reach);
    double t0 = 0, t1 = 1;
    const Vec2 dir = q - p;
    const double lo[2] = {cell.min.x, cell.min.y}, hi[2] = {cell.max.x, cell.max.y};
    const double start[2] = {p.x, p.y}, step[2] = {dir.x, dir.y};
    for (int k = 0; k < 2; ++k) {
        if (std::abs(step[k]) < 1e-12) continue;
        double ta = (lo[k] - start[k]) / step[k], tb = (hi[k] - start[k]) / step[k];
        if (ta > tb) std::swap(ta, tb);
        t0 = std::max(t0, ta);
        t1 = std::min(t1, tb);
    }
    if (t1 <= t0) return;
    c.Line(p + dir * t0, p + dir * t1, 2.2, FoldColour(s.step.kind), FoldDashes(s.step.kind, 1));
}

}  // namespace

Canvas DrawStepsSheet(const std::vector<StepDiagram>& steps, const Canvas& finished,
                      const PlaneDescription& d) {
    Canvas c(kStepsWidth, kStepsHeight, {255, 255, 255});
    const int cells = int(steps.size()) + 1;
    const int cols = cells <= 6 ? 3 : 4, rows = (cells + cols - 1) / cols;
    const double cw = double(kStepsWidth - 20) / cols, ch = double(kStepsHeight - 20) / rows;
    const RgbPixel front = Mix(RgbOf(d.skin.colours.size() > 1 ? d.skin.colours[1] : 0xDDDDDD),
                          {255, 255, 255}, 0.7);
    for (int i = 0; i < cells; ++i) {
        const double x = 10 + cw * (i % cols), y = 10 + ch * (i / cols);
        c.Outline({{x + 4, y + 4}, {x + cw - 4, y + 4}, {x + cw - 4, y + ch - 4}, {x + 4, y + ch - 4}},
                  1.5, {190, 190, 210});
        c.Digits(std::to_string(i + 1), x + 12, y + 12, 26, {30, 30, 60});
        const double pad = std::min(cw, ch) * 0.16;
        if (i == cells - 1) {
            const double s = std::min((cw - 2 * pad) / finished.Width(), (ch - 2 * pad) / finished.Height());
            const int w = int(finished.Width() * s), h = int(finished.Height() * s);
            c.Paste(finished, int(x + (cw - w) / 2), int(y + (ch - h) / 2), w, h);
            continue;
        }
        const StepDiagram& s = steps[size_t(i)];
        const Fit fit = FitCell(s.paper, x + pad, y + pad, cw - 2 * pad, ch - 2 * pad);
        DrawPaper(c, fit, s.paper, front);
        DrawFoldLine(c, fit, {{x + 8, y + 8}, {x + cw - 8, y + ch - 8}}, s, s.lineA, s.lineB);
        c.Bow(fit.Map(s.from), fit.Map(s.to), 2.2, kTurnArrow);
    }
    return c;
}
