// AirplaneBuild: everything one description becomes: the model file, the skin, the line
// overlay, the steps sheet, the movie, the step marks, the narrations and the airplane pictures.
#pragma once

#include <string>
#include <vector>

#include "Airplane3D.h"
#include "Description.h"
#include "MovieMaker.h"
#include "Paper.h"
#include "StepsSheet.h"

// The paper after every fold, and what the movie and the steps sheet show of each.
struct FoldedPlane {
    Paper paper{1, 1};
    std::vector<FoldScene> scenes;
    std::vector<StepDiagram> diagrams;
};

// Folds the description's sheet; false with "file:line: what" when a fold makes no sense.
[[nodiscard]] bool FoldPlane(const PlaneDescription& d, FoldedPlane& out, std::string& error);

struct BuildOptions {
    int model = 1;
    std::string root;      // the installation tree: Diy/..., Sound/...
    std::string pictures;  // NN.png and NN-strip.png go here
    std::string marks;     // the model's line of frame.ini goes here
    std::string espeak;    // empty: no narrations
    bool movie = true;
};

[[nodiscard]] bool BuildAirplane(const PlaneDescription& d, const BuildOptions& o, std::string& error);
// "Fly0" + N below 10, else "Fly" + N.
[[nodiscard]] std::string Stem(int model);
// The picture of the finished airplane as the 3D view shows it, cut to the paper.
[[nodiscard]] Canvas RenderModel(const std::vector<Triangle3>& model, const Canvas& skin, bool white,
                                 std::vector<uint8_t>* alpha);
