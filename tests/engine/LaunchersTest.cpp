#include <cmath>

#include "EngineFixture.h"
#include "tests/support/Ulps.h"

namespace {

class LaunchersTest : public EngineTest {
protected:
    void SetUp() override {
        EngineTest::SetUp();
        SetStepCavity();  // aperture radius 0.5 at z = 2; CavZMax 2, CavZRange 2
    }
    static void SetCondition(uint8_t kind, std::vector<Real> params) {
        Shared.CurViewIndex = kind;
        Shared.VCCount = 1;
        Shared.CurVC = 1;
        for (size_t p = 0; p < params.size(); ++p) Shared.VCParams[p + 1][1] = params[p];
        Shared.RayLauncher = LauncherOfKind(kind);
    }
};

TEST_F(LaunchersTest, NormalBeamAvoidsTheAxisAndTheRim) {
    struct Case {
        Real yb, expectedY;
    };
    const Case cases[] = {{0, 1e-6L}, {0.5L, 0.5L * 0.999999L}, {0.25L, 0.25L}};
    for (const Case& c : cases) {
        SetCondition(0, {c.yb, 0});
        Shared.RayLauncher();
        EXPECT_EQ(Ray.RayX, 0);
        EXPECT_EQ(Ray.RayY, c.expectedY);
        EXPECT_EQ(Ray.RayZ, 2.2L);
        EXPECT_EQ(Ray.RayDZ, -1);
        EXPECT_EQ(Ray.RayWeight, 1);
        EXPECT_EQ(Ray.CurSurface, 0);
    }
}

TEST_F(LaunchersTest, DirectionalAndConicalDirections) {
    struct Case {
        const char* name;
        uint8_t kind;
        std::vector<Real> params;
        Real dy, dz, y, z;
    };
    const Real b90 = 89.999999L * Pi / 180, b0 = 1e-6L * Pi / 180;
    const Case cases[] = {
        // A beam of radius 0: the centre (0, 0, ZB).
        {"directional at 90 degrees", 1, {3, 0, 90}, std::sin(b90), -std::cos(b90), 0, 3},
        {"directional at 0 degrees", 1, {3, 0, 0}, std::sin(b0), -std::cos(b0), 0, 3},
        {"conical of zero angle", 2, {0.2L, 5, 0}, 0, -1, 0.2L, 2},
        {"conical apex on the axis", 2, {0, 5, 0}, 0, -1, 1e-6L, 2},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCondition(c.kind, c.params);
        for (int i = 0; i < 3; ++i) {
            Shared.RayLauncher();
            // The direction goes through sin and cos: equal within a few ulps on any processor.
            EXPECT_TRUE(WithinUlps(Ray.RayDY, c.dy, 4));
            EXPECT_TRUE(WithinUlps(Ray.RayDZ, c.dz, 4));
            EXPECT_EQ(Ray.RayY, c.y);
            EXPECT_EQ(Ray.RayZ, c.z);
            EXPECT_EQ(Ray.CurSurface, 0);
        }
    }
}

TEST_F(LaunchersTest, BeamsHaveTheirGeometry) {
    const TSharedData& s = Shared;
    // Directional: the start points fill the disk of radius RB about (0, 0, ZB) across the beam.
    SetCondition(1, {3, 0.3L, 25});
    for (int i = 0; i < 100; ++i) {
        s.RayLauncher();
        const Real ox = Ray.RayX, oy = Ray.RayY, oz = Ray.RayZ - 3;
        EXPECT_NEAR(ox * Ray.RayDX + oy * Ray.RayDY + oz * Ray.RayDZ, 0, 1e-18L);
        EXPECT_LT(ox * ox + oy * oy + oz * oz, 0.09L);
        EXPECT_NEAR(Ray.RayDZ, -std::cos(25 * Pi / 180), 1e-18L);
    }
    // Conical: every ray comes from the apex (0, YB, ZB) within the half angle w / 2.
    SetCondition(2, {0.1L, 5, 30});
    for (int i = 0; i < 100; ++i) {
        s.RayLauncher();
        const Real ax = Ray.RayX, ay = Ray.RayY - 0.1L, az = Ray.RayZ - 5;
        EXPECT_NEAR(ay * Ray.RayDZ - az * Ray.RayDY, 0, 1e-17L);
        EXPECT_NEAR(az * Ray.RayDX - ax * Ray.RayDZ, 0, 1e-17L);
        EXPECT_GE(-Ray.RayDZ, std::cos(15 * Pi / 180));
        EXPECT_EQ(Ray.RayZ, 2);
    }
}

TEST_F(LaunchersTest, IntegratedDetectorBranches) {
    // Aperture radius 1: H = 2.5 is a distant detector, H = 2 exactly a near one.
    SetGeneratrix({{0, 0}, {0, 1}, {2, 1}});
    struct Case {
        Real h;
        bool distant;
    };
    const Case cases[] = {{2.5L, true}, {2, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE("H " + std::to_string(double(c.h)));
        SetCondition(3, {0, 0.3L, c.h});
        for (int i = 0; i < 200; ++i) {
            Shared.RayLauncher();
            EXPECT_EQ(Ray.RayZ, 2 + c.h);
            ASSERT_TRUE(InsideAperture());
            EXPECT_NEAR(Ray.RayDX * Ray.RayDX + Ray.RayDY * Ray.RayDY + Ray.RayDZ * Ray.RayDZ, 1,
                        1e-18L);
            if (c.distant) {
                const Real d = c.h / -Ray.RayDZ;  // distance to the aperture plane along the ray
                EXPECT_NEAR(Ray.RayWeight, Ray.RayDZ * Ray.RayDZ / (d * d), 1e-18L);
            } else {
                EXPECT_EQ(Ray.RayWeight, 1);
            }
        }
    }
}

TEST_F(LaunchersTest, LocalHemisphericalLeavesNodesAlongTheirSurface) {
    // Node Xi: 0, 1/3.5, 3/3.5, 1.
    struct Case {
        const char* name;
        Real z, y;
        int isf;
        uint8_t surface;
        Real newZ, newY;
    };
    const Case cases[] = {
        {"start node", 0, 0, 1, 1, 0, 1e-6L},
        {"node 1 given on the cylinder", 0, 1, 2, 1, 0, 1 - 1e-6L},
        {"node 2", 2, 1, 2, 2, 2 - 2e-6L, 1},
        {"inside the cylinder", 1, 1, 2, 2, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetCondition(4, {0, c.z, c.y, Real(c.isf)});
        Shared.RayLauncher();
        EXPECT_EQ(Ray.CurSurface, c.surface);
        EXPECT_NEAR(Ray.RayZ, c.newZ, 1e-15L);
        EXPECT_NEAR(std::hypot(Ray.RayX, Ray.RayY), c.newY, 1e-15L);
        EXPECT_EQ(Ray.RayWeight, 1);
        // The direction looks into the cavity from the wall.
        EXPECT_GT(Ray.RayDX * Ray.NormalX + Ray.RayDY * Ray.NormalY + Ray.RayDZ * Ray.NormalZ, 0);
    }
    EXPECT_TRUE(Messages.Shown.empty());
}

TEST_F(LaunchersTest, LocalHemisphericalRefusesSurfacesOutsideTheArrays) {
    for (Real isf : {0.0L, 203.0L, -1.0L}) {
        SetCondition(4, {0, 1, 1, isf});
        EXPECT_THROW(Shared.RayLauncher(), ERangeError) << double(isf);
    }
    EXPECT_THROW(LauncherOfKind(5), ERangeError);
}

// The draws are taken in the documented order: with the reference words after seeding with
// 4357, u1 = 2867219139 / 2^32 and u2 = 1585203162 / 2^32 (a point inside the unit disk).
TEST_F(LaunchersTest, DrawsFollowTheGeneratorInOrder) {
    const Real u1 = 2867219139.0L * 0x1p-32L, u2 = 1585203162.0L * 0x1p-32L;
    MTSeed(4357);
    SetCondition(0, {0.1L, 0.5L});
    Shared.RayLauncher();
    EXPECT_EQ(Ray.RayX, 0.5L * (2 * u1 - 1));
    EXPECT_EQ(Ray.RayY, 0.5L * (2 * u2 - 1) + 0.1L);

    MTSeed(4357);
    SetCondition(2, {0.1L, 5, 40});
    Shared.RayLauncher();
    const Real mu = (std::cos(40 * Pi / 360) - 1) * u1 + 1;
    EXPECT_TRUE(WithinUlps(Ray.RayDZ, -mu, 4));
    // 1 - mu^2 loses digits when mu is near 1, so the bound is relative to the direction's length.
    EXPECT_NEAR(Ray.RayDX, std::sqrt(1 - mu * mu) * std::cos(2 * Pi * u2), 1e-17L);
}

TEST(RandomInDisk, PointsAreUniformInTheDisk) {
    const uint32_t seed = 2024;
    MTSeed(seed);
    const int bins = 20, count = 40000;
    std::vector<int> radial(bins), angular(bins);
    for (int i = 0; i < count; ++i) {
        Real x, y;
        RandomInDisk(x, y, 3);
        const Real r2 = (x * x + y * y) / 9;  // uniform in [0, 1) for a uniform disk
        ASSERT_LT(r2, 1);
        ++radial[static_cast<int>(r2 * bins)];
        ++angular[std::min(bins - 1, static_cast<int>((std::atan2(double(y), double(x)) + M_PI) /
                                                      (2 * M_PI) * bins))];
    }
    auto chi2 = [&](const std::vector<int>& counts) {
        const double e = double(count) / bins;
        double sum = 0;
        for (int c : counts) sum += (c - e) * (c - e) / e;
        return sum;
    };
    EXPECT_LT(chi2(radial), 43.82) << "seed " << seed;  // 19 degrees of freedom, p = 0.001
    EXPECT_LT(chi2(angular), 43.82) << "seed " << seed;
}

}  // namespace
