#include "EngineFixture.h"

namespace {

class IntersectionTest : public EngineTest {};

TEST_F(IntersectionTest, FirstHitOnTheStepCavity) {
    SetStepCavity();
    struct Case {
        const char* name;
        Real x, y, z, dx, dy, dz;
        uint8_t from;
        bool hit;
        uint8_t surface;
        Real hx, hy, hz;
    };
    const Case cases[] = {
        // Surface 3 rejects radius 0.25 (not above 0.5); the cylinder is parallel (a = 0).
        {"down the axis to the bottom", 0, 0.25L, 3, 0, 0, -1, 0, true, 1, 0, 0.25L, 0},
        // The aperture disk is not a wall.
        {"up from the bottom escapes", 0, 0.25L, 0, 0, 0, 1, 1, false, 1, 0, 0.25L, 0},
        // Through the same-radius branch of the cylinder.
        {"across the cylinder", 1, 0, 1, -1, 0, 0, 2, true, 2, -1, 0, 1},
        {"from the bottom onto the annulus", 0, 0.75L, 0, 0, 0, 1, 1, true, 3, 0, 0.75L, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetRay(c.x, c.y, c.z, c.dx, c.dy, c.dz, c.from);
        EXPECT_EQ(FindFirstHit(), c.hit);
        EXPECT_EQ(Shared.CurSurface, c.surface);
        EXPECT_NEAR(Shared.RayX, c.hx, 1e-15L);
        EXPECT_NEAR(Shared.RayY, c.hy, 1e-15L);
        EXPECT_NEAR(Shared.RayZ, c.hz, 1e-15L);
    }
}

TEST_F(IntersectionTest, RootAtTheLowerNodeOfASegmentIsRejectedThere) {
    // A cylinder from z = 1 to 2 above a cylinder from 0 to 1: a horizontal ray at z = 1 meets
    // the radius only at the shared node, which belongs to the lower cylinder.
    SetGeneratrix({{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 0.5}});
    SetRay(0, 0, 1, 1, 0, 0, 0);
    ASSERT_TRUE(FindFirstHit());
    EXPECT_EQ(Shared.CurSurface, 2);
    EXPECT_EQ(Shared.RayX, 1);
}

TEST_F(IntersectionTest, NextHitIncludesTheApertureAndMovesEvenWithoutHit) {
    SetStepCavity();
    SetRay(0, 0.25L, 0, 0, 0, 1, 1);
    FindNextHit();
    EXPECT_EQ(Shared.CurSurface, 4);
    EXPECT_EQ(Shared.RayZ, 2);

    SetRay(0, 0.25L, 3, 0, 0, 1, 0);  // above the cavity, going away
    FindNextHit();
    EXPECT_EQ(Shared.CurSurface, 0);
    EXPECT_EQ(Shared.RayZ, 3 + NoHit);
}

TEST_F(IntersectionTest, InsideAperture) {
    SetStepCavity();
    struct Case {
        Real y, z, dy, dz;
        bool inside;
    };
    const Case cases[] = {
        {0.5L, 3, 0, -1, false},       // on the rim
        {0.4999L, 3, 0, -1, true},
        {0.25L, 3, 0, 1, false},       // going away
        {0.25L, 3, 1, 0, false},       // parallel to the plane
        {0.25L, 2, 0, -1, true},       // on the plane: t = 0 counts
        // Below the plane: the crossing parameter (Za - Z) / DZ.
        {0.25L, 1.5L, 0, 1, true},
        {0.25L, 1.5L, 0, -1, false},
    };
    for (const Case& c : cases) {
        SetRay(0, c.y, c.z, 0, c.dy, c.dz, 0);
        EXPECT_EQ(InsideAperture(), c.inside) << "y " << double(c.y) << " z " << double(c.z)
                                              << " dz " << double(c.dz);
    }
}

TEST(InSegmentRange, OpenBelowClosedAbove) {
    struct Case {
        Real a, b, v;
        bool in;
    };
    const Case cases[] = {{0, 1, 0, false}, {0, 1, 1, true}, {1, 0, 1, true},
                          {1, 0, 0, false}, {0, 1, 0.5L, true}, {0, 1, 1.5L, false}};
    for (const Case& c : cases)
        EXPECT_EQ(InSegmentRange(c.a, c.b, c.v), c.in)
            << double(c.a) << " " << double(c.b) << " " << double(c.v);
}

}  // namespace
