// Checks of the engine against physical truths that any correct tracer must reproduce.
#include <cmath>

#include "RunFixture.h"

namespace {

class PhysicsTest : public RunTest {};

// A cylinder of radius 1 and depth 4 with a flat bottom and an aperture of radius 0.5.
const std::vector<TNode> kStepCylinder = {{0, 0}, {0, 1}, {4, 1}, {4, 0.5L}};

TEST_F(PhysicsTest, BlackCavityIsABlackBodyForEveryKindOfCondition) {
    struct Case {
        uint8_t kind;
        std::vector<std::vector<Real>> conditions;
    };
    const Case cases[] = {
        {0, {{0, 0.4L}, {0.2L, 0.1L}}},
        {1, {{5, 0.2L, 10}, {4.5L, 0.1L, 0}}},
        {2, {{0, 6, 10}, {0.1L, 5, 20}}},
        {3, {{0, 0.2L, 3}, {0.1L, 0.3L, 0.5L}}},  // a distant and a near detector
        {4, {{0.5L, 2, 1, 2}, {0, 0, 0.5L, 1}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("kind " + std::to_string(c.kind));
        SetGeneratrix(kStepCylinder, 1, 0.7L);
        SetConditions(c.kind, c.conditions);
        SetWavelengths({0.5L, 5});
        SetRun(500, 1000);
        ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
        for (long v = 1; v <= 2; ++v) {
            for (long k = 0; k <= 2; ++k) {
                EXPECT_EQ(EEiso(v, k), 1) << "condition " << v << " wavelength " << k;
                EXPECT_EQ(EE(v, k), 1) << "condition " << v << " wavelength " << k;
            }
            EXPECT_EQ(RT(v, 0), 1000);
            EXPECT_EQ(Shared.RTResults[v][0][1], 0);  // only the non-isothermal row is written
        }
    }
}

TEST_F(PhysicsTest, FlatSpecularBottomSeenAlongTheAxisGivesItsEmissivity) {
    // Every ray meets the bottom once, is mirrored straight back out and picks up the background.
    struct Case {
        Real tbg, expectedEE;
    };
    const Case cases[] = {{0, 0.375L}, {1000, 1}};  // background at Tref fills up the rest
    for (const Case& c : cases) {
        SetGeneratrix({{0, 0}, {0, 1}, {2, 1}}, 0.6L, 1);
        SetSurface(1, 0.375L, 0);
        SetConditions(0, {{0, 0.9L}});
        SetWavelengths({0.5L, 2});
        SetRun(2000, 1000, 0, c.tbg);
        ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
        for (long k = 0; k <= 2; ++k) {
            EXPECT_EQ(EEiso(1, k), 0.375L) << k;
            EXPECT_EQ(EE(1, k), c.expectedEE) << k;
        }
    }
}

TEST_F(PhysicsTest, WallsAtTheReferenceTemperatureGiveTheIsothermalResult) {
    struct Case {
        const char* name;
        std::vector<std::pair<Real, Real>> points;
        Real tref;
        std::vector<Real> lambdas;
    };
    const Case cases[] = {
        {"two points at Tref", {{0, 700}, {1, 700}}, 700, {0.3L, 1, 8, 40}},
        {"no temperature points", {}, 700, {0.3L, 1, 8, 40}},
        // exp(c2 / (lambda T)) is far beyond the extended range here.
        {"1 K at 0.01 um", {}, 1, {0.01L, 1000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetGeneratrix(kStepCylinder, 0.6L, 0.5L);
        SetSurface(1, 0.3L, 0.2L);
        FillTempPoints(c.points);
        SetConditions(0, {{0, 0.4L}});
        SetWavelengths(c.lambdas);
        SetRun(3000, c.tref);
        ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
        for (long k = 0; k <= static_cast<long>(c.lambdas.size()); ++k) {
            EXPECT_GT(EEiso(1, k), 0.3L);
            EXPECT_EQ(EE(1, k), EEiso(1, k)) << "wavelength " << k;
            EXPECT_TRUE(std::isfinite(RT(1, k)) && RT(1, k) > 0) << "wavelength " << k;
        }
    }
}

// Diffuse walls of emissivity e inside a sphere with a spherical-cap hole: the radiation a wall
// point reflects reaches the hole with the hole's share f of the sphere's area, so the effective
// emissivity is e / (1 - (1 - e)(1 - f)) wherever the first hit lands.
TEST_F(PhysicsTest, DiffuseSphereMatchesTheClosedForm) {
    const Real thetaMax = 120 * Pi / 180;  // the rim; the cap beyond it is the hole
    const std::vector<TNode> nodes = SphereNodes(100, 120);
    const Real e = 0.5L;
    const Real f = (1 + std::cos(thetaMax)) / 2;
    const Real expected = e / (1 - (1 - e) * (1 - f));

    SetGeneratrix(nodes, e, 1);
    SetConditions(0, {{0, 0.3L}});
    SetWavelengths({});
    SetRun(1, 1000);
    std::string message;
    ASSERT_TRUE(PrepareRun(message)) << message;
    const uint32_t seed = 31337;
    MTSeed(seed);
    Shared.CurVC = 1;
    const int rays = 30000;
    Real sum = 0, sum2 = 0;
    for (int r = 0; r < rays; ++r) {
        ASSERT_TRUE(TraceRay(message)) << message;
        const Real x = Ray.RaySums[0][0];
        sum += x;
        sum2 += x * x;
    }
    const Real mean = sum / rays;
    const Real sigma = std::sqrt((sum2 / rays - mean * mean) / rays);
    // Five standard errors of the estimate, plus an allowance for the 100-segment profile, whose
    // chords lie up to R (dtheta)^2 / 8 (about 6e-5 R) inside the sphere and so change slightly
    // how much of the hole each wall point sees.
    EXPECT_NEAR(mean, expected, 5 * sigma + 3e-4L)
        << "seed " << seed << ", sigma " << double(sigma);

    // The same number of rays through the run loop on eight threads, from streams of their own.
    RunOptions.Threads = 8;
    RunOptions.Seed = seed;
    SetRun(rays, 1000);
    ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
    EXPECT_NEAR(EEiso(1, 0), expected, 5 * sigma + 3e-4L)
        << "seed " << seed << ", sigma " << double(sigma);
}

}  // namespace
