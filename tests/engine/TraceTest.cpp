#include <cmath>

#include "RunFixture.h"

namespace {

class TraceTest : public RunTest {
protected:
    static void Prepare() {
        std::string message;
        ASSERT_TRUE(PrepareRun(message)) << message;
        Shared.CurVC = 1;
        MTSeed(MTDefaultSeed);
    }
};

TEST_F(TraceTest, FirstBounce) {
    struct Case {
        const char* name;
        std::vector<TNode> nodes;
        uint8_t kind;
        std::vector<Real> params;
        bool ok;
        std::string message;
        Real z1;
    };
    const Case cases[] = {
        {"beam onto the bottom", {{0, 0}, {0, 1}, {2, 1}, {2, 0.5L}}, 0, {0, 0}, true, "", 0},
        {"beam beside the aperture",
         {{0, 0}, {0, 1}, {2, 1}, {2, 0.5L}},
         0,
         {0.7L, 0},
         false,
         "OUT OF APERTURE",
         0},
        // The start node off the axis leaves a hole in the bottom.
        {"beam through an open bottom",
         {{0, 0.3L}, {0, 1}, {2, 1}, {2, 0.5L}},
         0,
         {0, 0},
         false,
         "NO FIRST BOUNCE FOUND",
         0},
        // From the bottom wall straight up the aperture disk is what the ray meets.
        {"wall point", {{0, 0}, {0, 1}, {2, 1}}, 4, {0, 0, 0.5L, 1}, true, "", 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetGeneratrix(c.nodes);
        SetConditions(c.kind, {c.params});
        SetRun(1, 300);
        Prepare();
        Real x0, y0, z0, x1 = -1, y1 = -1, z1 = -1;
        std::string message;
        EXPECT_EQ(TraceFirstBounce(x0, y0, z0, x1, y1, z1, message), c.ok);
        EXPECT_EQ(message, c.message);
        if (!c.ok) continue;
        if (c.kind == 4) {
            // Up from the bottom: the side wall or the aperture disk, which counts here.
            if (Ray.CurSurface == 3) {
                EXPECT_EQ(z1, c.z1);
                EXPECT_LT(std::hypot(x1, y1), 1);
            } else {
                EXPECT_EQ(Ray.CurSurface, 2);
                EXPECT_NEAR(std::hypot(x1, y1), 1, 1e-15L);
            }
            EXPECT_EQ(z0, 0);
        } else {
            EXPECT_EQ(z1, c.z1);
            EXPECT_EQ(Ray.CurSurface, 1);
            EXPECT_EQ(x1, x0);
            EXPECT_EQ(y1, y0);
        }
    }
}

TEST_F(TraceTest, RayThroughAnOpenBottomBringsOnlyTheBackground) {
    SetGeneratrix({{0, 0.3L}, {0, 1}, {2, 1}, {2, 0.5L}});
    SetConditions(0, {{0, 0.2L}});
    SetWavelengths({1, 4});
    for (Real tbg : {0.0L, 500.0L}) {
        SetRun(1, 1000, 0, tbg);
        Prepare();
        std::string message;
        ASSERT_TRUE(TraceRay(message)) << message;
        for (long k = 0; k <= 2; ++k) {
            EXPECT_EQ(Ray.RaySums[0][k], 0);
            const Real expected = tbg > 0 ? RelativeRadiance(tbg, Shared.CurWavelengths[k]) /
                                                RelativeRadiance(1000, Shared.CurWavelengths[k])
                                          : 0;
            EXPECT_NEAR(Ray.RaySums[1][k], expected, expected * 1e-15L) << k;
        }
    }
}

TEST_F(TraceTest, ThresholdEndsTheRayAfterTenHalvings) {
    // Reflectivity 0.5 everywhere and a small aperture: 0.5^10 <= 0.001 < 0.5^9, so a ray that
    // does not escape meets exactly ten walls and picks up 1 - 0.5^10.
    SetGeneratrix({{0, 0}, {0, 1}, {3, 1}, {3, 0.1L}}, 0.5L, 1);
    SetConditions(0, {{0, 0.05L}});
    SetRun(1, 1000, 0.001L);
    Prepare();
    int full = 0;
    for (int r = 0; r < 200; ++r) {
        std::string message;
        ASSERT_TRUE(TraceRay(message)) << message;
        const Real sum = Ray.RaySums[0][0];
        EXPECT_LE(sum, 1 - std::ldexp(1.0L, -10));
        if (sum == 1 - std::ldexp(1.0L, -10)) ++full;
    }
    EXPECT_GT(full, 100);
}

}  // namespace
