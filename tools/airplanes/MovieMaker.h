// MovieMaker: the frames of the folding-and-flight movie and their step marks. Each fold turns
// its moving layers about the fold line, then the wings open, then the airplane flies across a
// sky in the manner its design says.
#pragma once

#include <functional>
#include <vector>

#include "Canvas.h"
#include "Description.h"
#include "Paper.h"

inline constexpr int kMovieWidth = 320;
inline constexpr int kMovieHeight = 240;
inline constexpr int kFramesPerSecond = 15;  // one time unit of the movie is one frame
inline constexpr int kFlightFrames = 75;     // the flight scene draws one more, its mark

// One fold as the movie shows it: the plan, and the paper after it.
struct FoldScene {
    FoldPlan plan;
    bool unfold = false;
    FoldKind kind = FoldKind::valley;
    std::vector<Facet> after;
    Vec2 lineA, lineB;         // the fold line, in folded-paper coordinates
    Vec2 arrowFrom, arrowTo;   // a point of the moving part and where it lands
};

// Receives each frame in order; `key` asks for a picture the player can jump to. False stops.
using FrameSink = std::function<bool(const Canvas& frame, bool key)>;

struct MovieResult {
    std::vector<int> marks;  // the first frame of every step: folds, opening, flight
    int frames = 0;
    double flightCover = 0;  // the least part of the frame's height the flying airplane covers
};

[[nodiscard]] bool MakeMovie(const PlaneDescription& d, const Paper& finished,
                             const std::vector<FoldScene>& folds, const Canvas& skin,
                             const FrameSink& sink, MovieResult& result);
