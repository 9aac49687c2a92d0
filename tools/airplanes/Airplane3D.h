// Airplane3D: lifts the flat-folded paper into 3D (the openings), separates coincident layers,
// and turns it into textured triangles in the model's own frame.
#pragma once

#include <string>
#include <vector>

#include "Description.h"
#include "Paper.h"

struct MeshCorner {
    Vec3 position;
    Vec2 texture;  // u, v on the skin (v = 0 at the bottom)
};

struct Triangle3 {
    MeshCorner c[3];
};

// Paper units between two stacked layers: enough for a depth buffer, too little to see.
inline constexpr double kLayerGap = 0.15;
// The 3D view draws the model at this scale, seen from 8 units away with a 30 degree view.
inline constexpr double kViewScale = 4.5;

// The motion of every facet with the openings done to `amount` (0 flat, 1 fully open),
// the layers lifted apart first so that they open with their paper.
[[nodiscard]] std::vector<Motion> OpenedPlaces(const Paper& paper,
                                               const std::vector<OpenTurn>& opens, double amount);
// Fan triangles of every facet under the given motions (one per facet).
[[nodiscard]] std::vector<Triangle3> Triangulate(const Paper& paper,
                                                 const std::vector<Facet>& facets,
                                                 const std::vector<Motion>& places);
// Paper coordinates run y down the sheet; pictures and models are shown with y up, so every
// 3D position passes through this mirror (valley folds then rise towards a viewer at +z).
inline Vec3 Display(Vec3 p) { return {p.x, -p.y, p.z}; }

// The airplane's own axes in display coordinates: forward (tail to nose), up, right.
struct PlaneAxes {
    Vec3 forward, up, right;
};
[[nodiscard]] bool AxesOf(const PlaneDescription& d, const Paper& paper,
                          const std::vector<Motion>& places, PlaneAxes& out, std::string& error);
// The rotation that turns the axes onto the given ones (right, forward, up).
[[nodiscard]] Motion Pose(const PlaneAxes& from, Vec3 right, Vec3 forward, Vec3 up);
// The pose of the model file: nose up the view tilted away, top towards the viewer, a little
// turned so that the keel shows.
[[nodiscard]] Motion ModelPose(const PlaneAxes& axes);
// Centre and scale that fit the triangles to the view (about +-0.6 across, +-0.45 high).
void FitToView(std::vector<Triangle3>& tris);
// Applies a motion and a uniform scale to triangles.
void Transform(std::vector<Triangle3>& tris, const Motion& m, double scale);
// The finished airplane in the model frame; false with a message on a bad description.
[[nodiscard]] bool BuildModel(const PlaneDescription& d, const Paper& paper,
                              std::vector<Triangle3>& out, std::string& error);
