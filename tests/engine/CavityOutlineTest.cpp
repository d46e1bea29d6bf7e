#include "EngineFixture.h"
#include "platform/rtl/FormatSettings.h"

namespace {

class CavityOutlineTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        Shared.CurDatasetName = "Step";
        SetStepCavity();
    }
    static void SetNodes(const std::vector<TNode>& nodes) { FillGeneratrix(nodes); }
};

TEST_F(CavityOutlineTest, BoundsXiAndStatusTexts) {
    const TSharedData& s = Shared;
    EXPECT_EQ(s.CavZMin, 0);
    EXPECT_EQ(s.CavZMax, 2);
    EXPECT_EQ(s.CavYMax, 1);
    EXPECT_EQ(s.CavYMin, -1);
    EXPECT_EQ(s.CavYRange, 2);
    EXPECT_EQ(s.CavZRange, 2);
    EXPECT_EQ(s.NodeXi[0], 0);
    EXPECT_NEAR(s.NodeXi[1], 1 / 3.5L, 1e-18L);
    EXPECT_NEAR(s.NodeXi[2], 3 / 3.5L, 1e-18L);
    EXPECT_EQ(s.NodeXi[3], 1);

    TFormatSettingsGuard guard{TFormatSettings{}};
    ShowOutlineStatus();
    EXPECT_EQ(Host.Status[0], "Cavity boundaries:     -1.0000<=Y<=1.0000,   0.0000<=Z<=2.0000");
    EXPECT_EQ(Host.Status[1], "Cavity length = 2.0000");
    EXPECT_EQ(Host.Status[2], "Aperture radius = 0.5000");
    FormatSettings().DecimalSeparator = ',';
    ShowOutlineStatus();
    EXPECT_EQ(Host.Status[2], "Aperture radius = 0,5000");
}

TEST_F(CavityOutlineTest, FailuresNameTheDataset) {
    struct Case {
        std::vector<TNode> nodes;
        std::string message;
    };
    const Case cases[] = {
        {{{0, 0}, {0, 1}, {1, 1}, {1, 1}, {2, 1}},
         "Two points (2 and 3) merge together  in dataset Step"},
        {{{0, 0}, {1, 0}, {2, 0}}, "Warning: zero range of Y in dataset Step"},
        {{{0, 0}, {0, 1}, {0, 2}}, "Warning: zero range of Z in dataset Step"},
    };
    for (const Case& c : cases) {
        SetNodes(c.nodes);
        std::string message;
        EXPECT_FALSE(ComputeOutline("Step", message));
        EXPECT_EQ(message, c.message);
    }
    // A single node may lie anywhere.
    SetNodes({{0, 0}, {0, 1}});
    std::string message;
    EXPECT_TRUE(ComputeOutline("Step", message)) << message;
}

TEST_F(CavityOutlineTest, XiToPoint) {
    struct Case {
        Real xi;
        Real z, y;
        int32_t surface;
    };
    const Case cases[] = {
        {0, 0, 0, 1},        {1, 2, 0.5L, 3},  // the last node, last surface
        {1 / 3.5L, 0, 1, 2},                   // a node shared by surfaces 1 and 2: the later wins
        {2 / 3.5L, 1, 1, 2}, {3.25L / 3.5L, 2, 0.75L, 3},
    };
    for (const Case& c : cases) {
        Real z = -7, y = -7;
        int32_t surface = -7;
        std::string message;
        ASSERT_TRUE(XiToPoint(c.xi, z, y, surface, message)) << message;
        EXPECT_NEAR(z, c.z, 1e-17L) << double(c.xi);
        EXPECT_NEAR(y, c.y, 1e-17L) << double(c.xi);
        EXPECT_EQ(surface, c.surface) << double(c.xi);
    }
}

TEST_F(CavityOutlineTest, XiOutsideTheGeneratrixFailsNamingXi) {
    TFormatSettingsGuard guard{TFormatSettings{}};
    for (Real xi : {1.5L, -0.25L}) {
        Real z = -7, y = -7;
        int32_t surface = -7;
        std::string message;
        EXPECT_FALSE(XiToPoint(xi, z, y, surface, message));
        EXPECT_EQ(message, XiOutsideMessage(xi));
        EXPECT_NE(message.find(xi > 0 ? "1.5" : "-0.25"), std::string::npos) << message;
        EXPECT_EQ(surface, -7);
        EXPECT_EQ(z, -7);
    }
}

// The reload of the outline inside XiToPoint reads the tables: see LoadersTest.

}  // namespace
