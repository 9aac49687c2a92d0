// MovieMaker: the folding-and-flight movie of an airplane as a fold animation, and its frames.
// Each fold turns its moving layers about the fold line, then the wings open, then the airplane
// flies across a sky in the manner its design says.
#pragma once

#include <functional>
#include <vector>

#include "Description.h"
#include "Paper.h"
#include "graphics/Canvas.h"
#include "graphics/FoldAnimation.h"
#include "platform/GlSurface.h"

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

struct MovieResult {
    std::vector<int> marks;  // the first frame of every step: folds, opening, flight
    int frames = 0;
    double flightCover = 0;  // the least part of the frame's height the flying airplane covers
};

// The movie's geometry: the finished paper's mesh and every frame's positions, camera, backdrop
// and guide. False (with a message) when the airplane's frame cannot be found or its mesh is too
// large for the file.
[[nodiscard]] bool MakeFoldAnimation(const PlaneDescription& d, const Paper& finished,
                                     const std::vector<FoldScene>& folds, FoldAnimation& out,
                                     MovieResult& result, std::string& error);

// Receives each frame in order; `key` asks for a picture the player can jump to. False stops.
using FrameSink = std::function<bool(const Canvas& frame, bool key)>;
// Draws every frame wearing the texture, as the flight screen draws it; the marks are the keys.
[[nodiscard]] bool RenderFoldMovie(const FoldAnimation& animation, const BgrRows& texture, GlSurface& gl,
                                   const FrameSink& sink);
