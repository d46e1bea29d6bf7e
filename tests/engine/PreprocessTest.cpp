#include "EngineFixture.h"

namespace {

class PreprocessTest : public EngineTest {};

TEST_F(PreprocessTest, StepCavityGivesDisksCylinderAndApertureDisk) {
    SetStepCavity();
    const TSharedData& s = Shared;
    EXPECT_EQ(s.NodeZ[4], 2);
    EXPECT_EQ(s.NodeR[4], 0);
    EXPECT_EQ(s.SurfKind[0], 0);
    struct Row {
        long i;
        uint8_t kind;
        int sign;
        Real normalZ, radialCos, slope, slope2, z0;
    };
    const Row rows[] = {
        {1, SurfDisk, -1, 1, 0, 1e99L, 1e99L, 0},
        {2, SurfCylinder, -1, 0, 1, 0, 0, -1e99L},
        {3, SurfDisk, 1, -1, 0, 1e99L, 1e99L, 2},
        {4, SurfDisk, 1, -1, 0, 1e99L, 1e99L, 2},  // the aperture disk
    };
    for (const Row& r : rows) {
        SCOPED_TRACE("surface " + std::to_string(r.i));
        EXPECT_EQ(s.SurfKind[r.i], r.kind);
        EXPECT_EQ(s.SurfSign[r.i], r.sign);
        EXPECT_EQ(s.SurfNormalZ[r.i], r.normalZ);
        EXPECT_EQ(s.SurfRadialCos[r.i], r.radialCos);
        EXPECT_EQ(s.SurfSlope[r.i], r.slope);
        EXPECT_EQ(s.SurfSlope2[r.i], r.slope2);
        EXPECT_EQ(s.SurfZ0[r.i], r.z0);
    }
}

TEST_F(PreprocessTest, ConeHasItsApexSlopeAndNormal) {
    // A cone from (0, 0) to (1, 1), and one whose apex lies below its segment.
    SetGeneratrix({{0, 0}, {1, 1}, {3, 2}});
    const TSharedData& s = Shared;
    EXPECT_EQ(s.SurfKind[1], SurfCone);
    EXPECT_EQ(s.SurfZ0[1], 0);
    EXPECT_EQ(s.SurfSlope[1], 1);
    EXPECT_EQ(s.SurfSlope2[1], 1);
    EXPECT_NEAR(s.SurfNormalZ[1], 0.70710678118654752L, 1e-18L);
    EXPECT_NEAR(s.SurfRadialCos[1], 0.70710678118654752L, 1e-18L);
    EXPECT_EQ(s.SurfSign[1], -1);
    EXPECT_EQ(s.SurfKind[2], SurfCone);
    EXPECT_EQ(s.SurfZ0[2], -1);  // r = 0.5 (z - z0) through (1, 1) and (3, 2)
    EXPECT_EQ(s.SurfSlope2[2], 0.25L);
}

TEST_F(PreprocessTest, CoincidentNodesAreReported) {
    struct Case {
        std::vector<TNode> nodes;
        std::string message;
    };
    const Case cases[] = {
        {{{0, 0}, {0, 1}, {1, 1}, {2, 1}, {3, 1}, {3, 1}, {3, 0.5}},
         "Two points (4 and 5) merge together"},
        // The last node on the axis leaves an aperture disk of zero length.
        {{{0, 0}, {0, 1}, {2, 1}, {2, 0}}, "Two points (3 and 4) merge together"},
    };
    for (const Case& c : cases) {
        FillGeneratrix(c.nodes);
        std::string message;
        EXPECT_FALSE(PreprocessGeometry(message));
        EXPECT_EQ(message, c.message);
    }
}

TEST_F(PreprocessTest, A202NodeGeneratrixCannotBePreprocessed) {
    Shared.NodeCount = 202;
    std::string message;
    EXPECT_THROW(PreprocessGeometry(message), ERangeError);
    Shared.NodeCount = 201;
    for (long i = 0; i <= 201; ++i) {
        Shared.NodeZ[i] = i;
        Shared.NodeR[i] = 1;
    }
    EXPECT_TRUE(PreprocessGeometry(message)) << message;
    EXPECT_EQ(Shared.SurfKind[202], SurfDisk);
}

}  // namespace
