// The fold simulator: splitting, turning over, stacking, area, and that the paper stays in one
// piece through every fold and opening of every airplane. (Where the skin lands on the sheet is
// AirplaneMovieTest's first frame.)
#include <gtest/gtest.h>

#include <filesystem>

#include "AirplaneBuild.h"
#include "Paper.h"

namespace {

// A fold of the paper along a to b, turning over the side that holds `mover`.
class FoldSimulatorTest : public ::testing::Test {
protected:
    [[nodiscard]] bool Fold(Paper& paper, FoldKind kind, Vec2 a, Vec2 b, Vec2 mover,
                            bool unfold = false) {
        FoldStep step;
        step.kind = kind, step.a = a, step.b = b, step.mover = mover, step.unfold = unfold;
        return paper.Fold(step, plan, error);
    }
    FoldPlan plan;
    std::string error;
};

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

TEST_F(FoldSimulatorTest, FoldSplitsCrossedFacetsAndTurnsTheMovingSideOver) {
    Paper paper(200, 100);
    ASSERT_TRUE(Fold(paper, FoldKind::valley, {100, 0}, {100, 100}, {150, 50})) << error;
    ASSERT_EQ(paper.Facets().size(), 2u);
    Vec3 corner;
    ASSERT_TRUE(paper.Locate({200, 0}, corner));
    EXPECT_NEAR(corner.x, 0, 1e-9);  // the right edge now lies on the left edge
    EXPECT_NEAR(corner.y, 0, 1e-9);
    EXPECT_NEAR(corner.z, 0, 1e-9);
    ASSERT_EQ(paper.Creases().size(), 1u);
    EXPECT_NEAR(SheetArea(paper), 200 * 100, 1e-6);
}

TEST_F(FoldSimulatorTest, ValleyPutsTheFlapOnTopAndMountainUnderneath) {
    Paper valley(200, 100), mountain(200, 100);
    ASSERT_TRUE(Fold(valley, FoldKind::valley, {100, 0}, {100, 100}, {150, 50}));
    ASSERT_TRUE(Fold(mountain, FoldKind::mountain, {100, 0}, {100, 100}, {150, 50}));
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

TEST_F(FoldSimulatorTest, FoldingAStackReversesTheMovingLayers) {
    Paper paper(200, 100);
    ASSERT_TRUE(Fold(paper, FoldKind::valley, {100, 0}, {100, 100}, {150, 50}));
    // Fold both layers again along y = 50: the top layer of the flap becomes its bottom.
    ASSERT_TRUE(Fold(paper, FoldKind::valley, {0, 50}, {10, 50}, {20, 10}));
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

TEST_F(FoldSimulatorTest, MountainCreaseOnAFaceDownLayerReadsAsValleyOnThePrintedSide) {
    Paper paper(200, 100);
    ASSERT_TRUE(Fold(paper, FoldKind::valley, {100, 0}, {100, 100}, {150, 50}));
    ASSERT_TRUE(Fold(paper, FoldKind::mountain, {50, 0}, {50, 100}, {20, 50}));
    bool faceDownValley = false, faceUpMountain = false;
    for (const Crease& c : paper.Creases()) {
        if (std::abs(c.a.x - 150) < 1e-6 && c.kind == FoldKind::valley) faceDownValley = true;
        if (std::abs(c.a.x - 50) < 1e-6 && c.kind == FoldKind::mountain) faceUpMountain = true;
    }
    EXPECT_TRUE(faceDownValley);
    EXPECT_TRUE(faceUpMountain);
}

TEST_F(FoldSimulatorTest, CreaseAndUnfoldLeavesThePaperWhereItWas) {
    Paper paper(200, 100);
    ASSERT_TRUE(Fold(paper, FoldKind::valley, {0, 50}, {200, 50}, {100, 10}, true));
    Vec3 p;
    ASSERT_TRUE(paper.Locate({100, 10}, p));
    EXPECT_NEAR(p.y, 10, 1e-9);
    EXPECT_EQ(paper.Creases().size(), 1u);
    EXPECT_TRUE(plan.moving[0] != plan.moving[1]);
}

TEST_F(FoldSimulatorTest, BadFoldsAreRefusedWithAReason) {
    Paper paper(200, 100);
    EXPECT_FALSE(Fold(paper, FoldKind::valley, {100, 0}, {100, 100}, {100, 50}));
    EXPECT_NE(error.find("on the fold line"), std::string::npos);
    EXPECT_FALSE(Fold(paper, FoldKind::valley, {500, 0}, {100, 100}, {10, 50}));
    EXPECT_FALSE(Fold(paper, FoldKind::valley, {50, 50}, {50, 50}, {10, 50}));
}

// Every airplane of the installation folds and opens without tearing its paper.
TEST_F(FoldSimulatorTest, EveryAirplaneStaysInOnePiece) {
    for (int n = 1; n <= 27; ++n) {
        char name[16];
        std::snprintf(name, sizeof name, "/%02d.plane", n);
        PlaneDescription d;
        FoldedPlane f;
        ASSERT_TRUE(ReadDescription(std::string(ZEPHINE_PLANES_DIR) + name, d, error)) << error;
        ASSERT_TRUE(FoldPlane(d, f, error)) << error;
        EXPECT_NEAR(SheetArea(f.paper), d.width * d.height, 1e-6 * d.width * d.height) << name;
        EXPECT_LT(WorstTear(f.paper, FlatPlaces(f.paper)), 1e-6) << name << " flat";
        // Lifted layers move corners apart by at most the stack's height.
        EXPECT_LT(WorstTear(f.paper, OpenedPlaces(f.paper, d.opens, 1)), 40 * kLayerGap) << name << " opened";
    }
}
