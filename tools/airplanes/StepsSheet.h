// StepsSheet: the printable folding-steps page: one numbered diagram a fold (the paper as it
// lies before the fold, the fold line, an arrow from the moving part to where it lands), and
// the finished airplane in the last cell.
#pragma once

#include <vector>

#include "graphics/Canvas.h"
#include "Description.h"
#include "Paper.h"
#include "graphics/FoldRenderer.h"

struct StepDiagram {
    std::vector<Facet> paper;  // before the fold
    FoldStep step;
    Vec2 lineA, lineB;  // the fold line, in folded-paper coordinates
    Vec2 from, to;      // the arrow: a point of the moving part and where it lands
};

// How a fold line is drawn, here and in the movie: valley dashed blue, mountain dash-dot red,
// and the orange arrow of the turn. `scale` shrinks or grows the dashes with the line.
[[nodiscard]] RgbPixel FoldColour(FoldKind kind);
[[nodiscard]] Dashes FoldDashes(FoldKind kind, double scale);

inline constexpr int kStepsWidth = 1024;
inline constexpr int kStepsHeight = 724;

[[nodiscard]] Canvas DrawStepsSheet(const std::vector<StepDiagram>& steps, const Canvas& finished,
                                    const PlaneDescription& d);
