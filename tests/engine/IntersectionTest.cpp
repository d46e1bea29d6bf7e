#include <cmath>

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
        EXPECT_EQ(Ray.CurSurface, c.surface);
        EXPECT_NEAR(Ray.RayX, c.hx, 1e-15L);
        EXPECT_NEAR(Ray.RayY, c.hy, 1e-15L);
        EXPECT_NEAR(Ray.RayZ, c.hz, 1e-15L);
    }
}

TEST_F(IntersectionTest, RootAtTheLowerNodeOfASegmentIsRejectedThere) {
    // A cylinder from z = 1 to 2 above a cylinder from 0 to 1: a horizontal ray at z = 1 meets
    // the radius only at the shared node, which belongs to the lower cylinder.
    SetGeneratrix({{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 0.5}});
    SetRay(0, 0, 1, 1, 0, 0, 0);
    ASSERT_TRUE(FindFirstHit());
    EXPECT_EQ(Ray.CurSurface, 2);
    EXPECT_EQ(Ray.RayX, 1);
}

TEST_F(IntersectionTest, NextHitIncludesTheApertureAndMovesEvenWithoutHit) {
    SetStepCavity();
    SetRay(0, 0.25L, 0, 0, 0, 1, 1);
    FindNextHit();
    EXPECT_EQ(Ray.CurSurface, 4);
    EXPECT_EQ(Ray.RayZ, 2);

    SetRay(0, 0.25L, 3, 0, 0, 1, 0);  // above the cavity, going away
    FindNextHit();
    EXPECT_EQ(Ray.CurSurface, 0);
    EXPECT_EQ(Ray.RayZ, 3 + NoHit);
}

TEST_F(IntersectionTest, InsideAperture) {
    SetStepCavity();
    struct Case {
        Real y, z, dy, dz;
        bool inside;
    };
    const Case cases[] = {
        {0.5L, 3, 0, -1, false},  // on the rim
        {0.4999L, 3, 0, -1, true},
        {0.25L, 3, 0, 1, false},  // going away
        {0.25L, 3, 1, 0, false},  // parallel to the plane
        {0.25L, 2, 0, -1, true},  // on the plane: t = 0 counts
        // Below the plane: the crossing parameter (Za - Z) / DZ.
        {0.25L, 1.5L, 0, 1, true},
        {0.25L, 1.5L, 0, -1, false},
    };
    for (const Case& c : cases) {
        SetRay(0, c.y, c.z, 0, c.dy, c.dz, 0);
        EXPECT_EQ(InsideAperture(), c.inside)
            << "y " << double(c.y) << " z " << double(c.z) << " dz " << double(c.dz);
    }
}

TEST(InSegmentRange, OpenBelowClosedAbove) {
    struct Case {
        Real a, b, v;
        bool in;
    };
    const Case cases[] = {{0, 1, 0, false}, {0, 1, 1, true},    {1, 0, 1, true},
                          {1, 0, 0, false}, {0, 1, 0.5L, true}, {0, 1, 1.5L, false}};
    for (const Case& c : cases)
        EXPECT_EQ(InSegmentRange(c.a, c.b, c.v), c.in)
            << double(c.a) << " " << double(c.b) << " " << double(c.v);
}

// The search skips segments it can prove give nothing nearer and visits them in the ray's
// direction of travel; it must still pick exactly what a plain scan of every surface in order
// picks (strictly nearer wins, ties keep the lower number), to the last bit. Rays start on the
// walls, on their nodes (corners, where ties happen) and inside, in random and in axial and level
// directions, over profiles that rise monotonically and one that folds back down.
TEST_F(IntersectionTest, SearchPicksWhatAPlainScanPicks) {
    const std::vector<std::vector<TNode>> profiles = {
        SphereNodes(40, 150),
        {{0, 0}, {1, 1}, {5, 1}, {5, 0.5L}},
        {{0, 0.3L}, {0, 1}, {2, 1}, {2, 1.5L}, {3, 1.5L}, {1, 0.6L}, {1.5L, 0.4L}},
        {{0, 0}, {0, 1}, {1, 1}, {2, 1}, {2, 0.5L}, {2, 0.25L}},
        // A disk whose rim is also the top of the wall below it, met from above.
        {{0, 0.2L}, {2, 0.2L}, {2, 1}, {0.5L, 1}, {0.5L, 1.5L}, {3, 1.5L}},
    };
    const Real axial[][3] = {{0, 0, 1}, {0, 0, -1}, {1, 0, 0}, {0, -1, 0}};
    MTSeed(20261210);
    long compared = 0;
    for (size_t p = 0; p < profiles.size(); ++p) {
        SetGeneratrix(profiles[p]);
        const long n = Shared.NodeCount;
        for (int r = 0; r < 4000; ++r) {
            // A start on a wall (a node one time in four) or inside the bounding box.
            Real z, y;
            int32_t surface = 0;
            uint8_t from = 0;
            if (r % 5 != 4) {
                const Real xi = r % 4 == 0 ? Shared.NodeXi[r / 4 % (n + 1)] : MTRandom();
                ASSERT_TRUE(OutlinePointAtXi(xi, z, y, surface));
                from = static_cast<uint8_t>(surface);
            } else {
                z = Shared.CavZMin + MTRandom() * Shared.CavZRange;
                y = MTRandom() * Shared.CavYMax;
            }
            const Real phi = 2 * Pi * MTRandom();
            const Real x0 = y * std::cos(phi), y0 = y * std::sin(phi);
            Real dx, dy, dz;
            if (r % 7 == 3) {
                dx = axial[r % 4][0], dy = axial[r % 4][1], dz = axial[r % 4][2];
            } else if (r % 3 == 1) {
                // Aimed at a node: the two segments that meet there give (nearly) equal roots.
                const long j = r / 3 % (n + 1);
                const Real psi = 2 * Pi * MTRandom();
                dx = Shared.NodeR[j] * std::cos(psi) - x0;
                dy = Shared.NodeR[j] * std::sin(psi) - y0;
                dz = Shared.NodeZ[j] - z;
                if (dx == 0 && dy == 0 && dz == 0) continue;
                NormalizeVector(dx, dy, dz);
            } else {
                dz = 2 * MTRandom() - 1;
                const Real sn = std::sqrt(1 - dz * dz), a = 2 * Pi * MTRandom();
                dx = sn * std::cos(a), dy = sn * std::sin(a);
            }
            for (const long last : {n, n + 1}) {
                SetRay(x0, y0, z, dx, dy, dz, from);
                Real bestT = NoHit;
                long best = 0;
                for (long i = 1; i <= last; ++i) {
                    const Real t = DistanceToSurface(i);
                    if (t < bestT) bestT = t, best = i;
                }
                SCOPED_TRACE("profile " + std::to_string(p) + " ray " + std::to_string(r));
                if (last == n) {
                    // Without a wall ahead the first-hit search leaves the ray as it was.
                    ASSERT_EQ(FindFirstHit(), best != 0);
                    if (best == 0) continue;
                } else {
                    FindNextHit();
                }
                ASSERT_EQ(Ray.CurSurface, best);
                EXPECT_EQ(Ray.RayX, x0 + bestT * dx);
                EXPECT_EQ(Ray.RayY, y0 + bestT * dy);
                EXPECT_EQ(Ray.RayZ, z + bestT * dz);
                ++compared;
            }
        }
    }
    EXPECT_GT(compared, 20000);
}

}  // namespace
