// Paper: the fold simulator. The sheet is a list of facets, each a convex piece of the unfolded
// sheet with the rigid motion that places it in the folded paper and its stacking layer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "Description.h"
#include "graphics/Geometry.h"

struct Facet {
    Polygon sheet;  // in sheet coordinates; never changes shape, only splits
    Motion place;   // sheet (x, y, 0) -> folded paper; flat folds keep it in the plane z = 0
    int layer = 0;  // stacking order, higher on top
    uint32_t groups = 0;  // bit g: moved by the fold that made group g
};

// A crease on the unfolded sheet, as seen on the printed side.
struct Crease {
    Vec2 a, b;
    FoldKind kind = FoldKind::valley;
};

// What a fold does, for the movie: the facets turn about the axis by `turn` radians.
struct FoldPlan {
    std::vector<Facet> before;   // the paper just before, already split along the line
    std::vector<bool> moving;    // per facet of `before`
    Vec3 axisPoint, axisDirection;
    double turn = 0;             // +-pi; a valley fold lifts the flap towards +z
};

// The fold that made a group: its axis and the way it turned.
struct GroupFold {
    Vec3 axisPoint, axisDirection;
    double turn = 0;
};

class Paper {
public:
    Paper(double width, double height);

    [[nodiscard]] const std::vector<Facet>& Facets() const { return facets; }
    [[nodiscard]] const std::vector<Crease>& Creases() const { return creases; }
    // Indexed by group; a group no fold made has turn 0.
    [[nodiscard]] const std::vector<GroupFold>& Groups() const { return groupFolds; }
    [[nodiscard]] double Width() const { return width; }
    [[nodiscard]] double Height() const { return height; }

    // Where the sheet point lies in the folded paper; false when it is off the sheet.
    [[nodiscard]] bool Locate(Vec2 sheetPoint, Vec3& out) const;
    // Splits the facets along the fold line, records its creases and folds the moving part
    // (or, for crease-and-unfold, leaves it). False with a message when the fold makes no sense.
    [[nodiscard]] bool Fold(const FoldStep& step, FoldPlan& plan, std::string& error);

    // The texture coordinate of a sheet point: u from the left, v from the bottom.
    [[nodiscard]] Vec2 TextureOf(Vec2 p) const { return {p.x / width, 1 - p.y / height}; }

private:
    void Split(Vec2 a, Vec2 b, const std::vector<SheetRegion>& where, FoldKind kind);
    void Restack(const std::vector<bool>& moving, FoldKind kind);

    double width, height;
    std::vector<Facet> facets;
    std::vector<Crease> creases;
    std::vector<GroupFold> groupFolds;
};

// The part of a convex polygon on the side of the line a->b where Cross(b - a, p - a) * side >= 0.
[[nodiscard]] Polygon ClipHalfPlane(const Polygon& poly, Vec2 a, Vec2 b, double side);
// True when the facet's middle lies in every region.
[[nodiscard]] bool InRegions(const Facet& f, const std::vector<SheetRegion>& where);
// The facet's corners in the folded paper (z dropped).
[[nodiscard]] Polygon Placed(const Facet& f);
