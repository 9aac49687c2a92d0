// Description: how one airplane is folded, as read from its .plane file: the sheet, the flat
// folds, the final opening into 3D, the skin design, the flight, and the spoken texts.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "graphics/Geometry.h"

enum class FoldKind { valley, mountain };

// A condition on where a facet lies on the unfolded sheet ("x<105"): lets a fold move only
// some flaps, for example the left wing, when several lie on the moving side.
struct SheetRegion {
    char axis = 'x';  // 'x' or 'y'
    char op = '<';    // '<' or '>'
    double value = 0;
    [[nodiscard]] bool Holds(Vec2 p) const {
        const double c = axis == 'x' ? p.x : p.y;
        return op == '<' ? c < value : c > value;
    }
};

// Points are sheet points: the fold line runs through the places where those points of the
// paper lie now, so a description never needs the folded coordinates.
struct FoldStep {
    int line = 0;  // in the description, for messages
    FoldKind kind = FoldKind::valley;
    Vec2 a, b;
    Vec2 mover;  // a sheet point on the side that moves
    std::vector<SheetRegion> where;
    bool unfold = false;  // crease and unfold: only the crease stays
    int group = -1;       // "as NAME": the facets it moves join this group
    std::string en, zh;
};

// A turn of part of the flat-folded paper about a crease, opening it into 3D: either a group
// unfolded about the fold that made it, or the paper on one side of a line through two points.
struct OpenTurn {
    int line = 0;
    int group = -1;  // "open NAME by DEG": positive degrees unfold
    Vec2 a, b;
    double degrees = 0;  // right-hand rule about a -> b
    bool hasMover = false;
    Vec2 mover;
    std::vector<SheetRegion> where;
};

enum class UpKind { point, normal, reversedNormal };

struct SkinDesign {
    std::string pattern = "stripes";
    std::vector<uint32_t> colours;  // 0xRRGGBB; the first is the paper
};

struct PlaneDescription {
    std::string file;
    std::string nameEn, nameZh, introEn, introZh, openEn, openZh, flyEn, flyZh;
    double width = 0, height = 0;
    std::vector<FoldStep> steps;
    std::vector<OpenTurn> opens;
    Vec2 nose, tail, up, up2;  // up may be the middle of two points (up2 != up)
    UpKind upKind = UpKind::point;
    bool haveFrame = false;
    SkinDesign skin;
    std::string flight = "glider";  // dart, glider, stunt, floater
    std::vector<std::string> groups;  // names given by "as NAME", in order
};

// The patterns the skin painter knows, and the flights the movie knows.
[[nodiscard]] bool IsSkinPattern(const std::string& name);
[[nodiscard]] bool IsFlightStyle(const std::string& name);

// Reads a description (and the files it includes). On a fault, false with "file:line: what".
[[nodiscard]] bool ReadDescription(const std::string& path, PlaneDescription& out,
                                   std::string& error);
// The same from text; `path` names it in messages and anchors includes.
[[nodiscard]] bool ParseDescription(const std::string& text, const std::string& path,
                                    PlaneDescription& out, std::string& error);
