// The fold simulator: splitting, turning over, stacking, texture coordinates, area, and that the
// paper stays in one piece through every fold and opening of every airplane.
#include <gtest/gtest.h>

#include <filesystem>

#include "AirplaneBuild.h"
#include "Paper.h"

namespace {

FoldStep Step(FoldKind kind, Vec2 a, Vec2 b, Vec2 mover) {
    FoldStep s;
    s.kind = kind;
    s.a = a;
    s.b = b;
    s.mover = mover;
    return s;
}

double SheetArea(const Paper& p) {
    double area = 0;
    for (const Facet& f : p.Facets()) area += std::abs(SignedArea(f.sheet));
    return area;
}

// Every corner of every facet lies where every other facet holding that sheet point puts it.
double WorstTear(const Paper& paper, const std::vector<Motion>& places) {
    double worst = 0;
    const auto& facets = paper.Facets();
    for (size_t i = 0; i < facets.size(); ++i) {
        for (Vec2 p : facets[i].sheet) {
            const Vec3 here = places[i].Apply({p.x, p.y, 0});
            for (size_t k = 0; k < facets.size(); ++k) {
                if (k == i || !Contains(facets[k].sheet, p, 1e-6)) continue;
                worst = std::max(worst, Length(places[k].Apply({p.x, p.y, 0}) - here));
            }
        }
    }
    return worst;
}

std::vector<Motion> FlatPlaces(const Paper& paper) {
    std::vector<Motion> out;
    for (const Facet& f : paper.Facets()) out.push_back(f.place);
    return out;
}

}  // namespace

TEST(FoldSimulatorTest, FoldSplitsCrossedFacetsAndTurnsTheMovingSideOver) {
    Paper paper(200, 100);
    FoldPlan plan;
    std::string error;
    ASSERT_TRUE(paper.Fold(Step(FoldKind::valley, {100, 0}, {100, 100}, {150, 50}), plan, error)) << error;
    ASSERT_EQ(paper.Facets().size(), 2u);
    Vec3 corner;
    ASSERT_TRUE(paper.Locate({200, 0}, corner));
    EXPECT_NEAR(corner.x, 0, 1e-9);  // the right edge now lies on the left edge
    EXPECT_NEAR(corner.y, 0, 1e-9);
    EXPECT_NEAR(corner.z, 0, 1e-9);
    ASSERT_EQ(paper.Creases().size(), 1u);
    EXPECT_NEAR(SheetArea(paper), 200 * 100, 1e-6);
}

TEST(FoldSimulatorTest, ValleyPutsTheFlapOnTopAndMountainUnderneath) {
    Paper valley(200, 100), mountain(200, 100);
    FoldPlan plan;
    std::string error;
    ASSERT_TRUE(valley.Fold(Step(FoldKind::valley, {100, 0}, {100, 100}, {150, 50}), plan, error));
    ASSERT_TRUE(mountain.Fold(Step(FoldKind::mountain, {100, 0}, {100, 100}, {150, 50}), plan, error));
    auto layerAt = [](const Paper& p, Vec2 q) {
        for (const Facet& f : p.Facets())
            if (Contains(f.sheet, q, 0)) return f.layer;
        return -1;
    };
    EXPECT_GT(layerAt(valley, {150, 50}), layerAt(valley, {50, 50}));
    EXPECT_LT(layerAt(mountain, {150, 50}), layerAt(mountain, {50, 50}));
    // The valley flap turned towards the viewer, so its back now faces up.
    for (const Facet& f : valley.Facets())
        EXPECT_EQ(f.place.m[2][2] < 0, Centroid(f.sheet).x > 100);
}

TEST(FoldSimulatorTest, FoldingAStackReversesTheMovingLayers) {
    Paper paper(200, 100);
    FoldPlan plan;
    std::string error;
    ASSERT_TRUE(paper.Fold(Step(FoldKind::valley, {100, 0}, {100, 100}, {150, 50}), plan, error));
    // Fold both layers again along y = 50: the top layer of the flap becomes its bottom.
    ASSERT_TRUE(paper.Fold(Step(FoldKind::valley, {0, 50}, {10, 50}, {20, 10}), plan, error));
    int bottomOfLeft = -1, topOfRight = -1;
    for (const Facet& f : paper.Facets()) {
        const Vec2 c = Centroid(f.sheet);
        if (c.y < 50 && c.x < 100) bottomOfLeft = f.layer;
        if (c.y < 50 && c.x > 100) topOfRight = f.layer;
    }
    EXPECT_GT(bottomOfLeft, topOfRight);  // reversed: the former bottom is now on top
    EXPECT_EQ(paper.Facets().size(), 4u);
    EXPECT_NEAR(SheetArea(paper), 200 * 100, 1e-6);
}

TEST(FoldSimulatorTest, MountainCreaseOnAFaceDownLayerReadsAsValleyOnThePrintedSide) {
    Paper paper(200, 100);
    FoldPlan plan;
    std::string error;
    ASSERT_TRUE(paper.Fold(Step(FoldKind::valley, {100, 0}, {100, 100}, {150, 50}), plan, error));
    FoldStep second = Step(FoldKind::mountain, {50, 0}, {50, 100}, {20, 50});
    ASSERT_TRUE(paper.Fold(second, plan, error));
    bool faceDownValley = false, faceUpMountain = false;
    for (const Crease& c : paper.Creases()) {
        if (std::abs(c.a.x - 150) < 1e-6 && c.kind == FoldKind::valley) faceDownValley = true;
        if (std::abs(c.a.x - 50) < 1e-6 && c.kind == FoldKind::mountain) faceUpMountain = true;
    }
    EXPECT_TRUE(faceDownValley);
    EXPECT_TRUE(faceUpMountain);
}

TEST(FoldSimulatorTest, CreaseAndUnfoldLeavesThePaperWhereItWas) {
    Paper paper(200, 100);
    FoldPlan plan;
    std::string error;
    FoldStep s = Step(FoldKind::valley, {0, 50}, {200, 50}, {100, 10});
    s.unfold = true;
    ASSERT_TRUE(paper.Fold(s, plan, error));
    Vec3 p;
    ASSERT_TRUE(paper.Locate({100, 10}, p));
    EXPECT_NEAR(p.y, 10, 1e-9);
    EXPECT_EQ(paper.Creases().size(), 1u);
    EXPECT_TRUE(plan.moving[0] != plan.moving[1]);
}

TEST(FoldSimulatorTest, TextureCoordinatesAreSheetPlaces) {
    Paper paper(300, 200);
    const Vec2 topLeft = paper.TextureOf({0, 0}), bottomRight = paper.TextureOf({300, 200});
    EXPECT_DOUBLE_EQ(topLeft.x, 0);
    EXPECT_DOUBLE_EQ(topLeft.y, 1);  // v = 1 at the top edge of the skin
    EXPECT_DOUBLE_EQ(bottomRight.x, 1);
    EXPECT_DOUBLE_EQ(bottomRight.y, 0);
}

TEST(FoldSimulatorTest, BadFoldsAreRefusedWithAReason) {
    Paper paper(200, 100);
    FoldPlan plan;
    std::string error;
    EXPECT_FALSE(paper.Fold(Step(FoldKind::valley, {100, 0}, {100, 100}, {100, 50}), plan, error));
    EXPECT_NE(error.find("on the fold line"), std::string::npos);
    EXPECT_FALSE(paper.Fold(Step(FoldKind::valley, {500, 0}, {100, 100}, {10, 50}), plan, error));
    EXPECT_FALSE(paper.Fold(Step(FoldKind::valley, {50, 50}, {50, 50}, {10, 50}), plan, error));
}

// Every airplane of the installation folds and opens without tearing its paper.
TEST(FoldSimulatorTest, EveryAirplaneStaysInOnePiece) {
    for (int n = 1; n <= 27; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/%02d.plane", n);
        PlaneDescription d;
        FoldedPlane f;
        std::string error;
        ASSERT_TRUE(ReadDescription(std::string(ZEPHINE_PLANES_DIR) + name, d, error)) << error;
        ASSERT_TRUE(FoldPlane(d, f, error)) << error;
        EXPECT_NEAR(SheetArea(f.paper), d.width * d.height, 1e-6 * d.width * d.height) << name;
        EXPECT_LT(WorstTear(f.paper, FlatPlaces(f.paper)), 1e-6) << name << " flat";
        // Lifted layers move corners apart by at most the stack's height.
        EXPECT_LT(WorstTear(f.paper, OpenedPlaces(f.paper, d.opens, 1)), 40 * kLayerGap) << name << " opened";
    }
}
