#include <cmath>

#include "EngineFixture.h"
#include "tests/support/Ulps.h"

namespace {

// The view's ratios by wavelength.
const Real* Gathered(const TRatioView& v) {
    static Real byWavelength[TSpectrum::Length];
    for (int j = 0; j < v.FastCount; ++j) byWavelength[v.FastIndex[j]] = v.Fast[j];
    for (int j = 0; j < v.WideCount; ++j) byWavelength[v.WideIndex[j]] = v.Wide[j];
    return byWavelength;
}

class RadianceTest : public EngineTest {
protected:
    // One cylinder of radius 1 from z = 0 to 4: a wall point at z has Xi = z / 4.
    void SetUp() override {
        EngineTest::SetUp();
        SetGeneratrix({{0, 1}, {4, 1}});
    }
    static Real TemperatureAtXi(Real xi) {
        SetRay(0, 1, 4 * xi, 0, 0, 1, 1);
        HitTemperature();
        return Ray.CurHitT;
    }
};

TEST_F(RadianceTest, PointXiAlongTheGeneratrix) {
    SetStepCavity();                                     // node Xi 0, 1/3.5, 3/3.5, 1
    EXPECT_EQ(PointXi(2, 0, 1, 0), Shared.NodeXi[1]);    // start node of surface 2
    EXPECT_NEAR(PointXi(2, 1, 0, 1), 2 / 3.5L, 1e-18L);  // half way up the cylinder
    EXPECT_EQ(PointXi(3, 0, 0.1L, 2), 1);                // beyond the end node: clamped
}

TEST_F(RadianceTest, HitTemperatureInterpolatesInXi) {
    struct Case {
        const char* name;
        std::vector<std::pair<Real, Real>> points;
        Real xi, expected;
    };
    const Case cases[] = {
        {"linear between the ends", {{0, 300}, {1, 600}}, 0.25L, 375},
        {"exactly at an inner point", {{0, 300}, {0.5L, 400}, {1, 600}}, 0.5L, 400},
        {"second pair", {{0, 300}, {0.5L, 400}, {1, 600}}, 0.75L, 500},
        {"one point is uniform", {{0.3L, 777}}, 0.9L, 777},
        {"no points: isothermal at Tref", {}, 0.5L, 1234},
        {"before the first point", {{0.2L, 300}, {0.8L, 600}}, 0.1L, 300},
        {"after the last point", {{0.2L, 300}, {0.8L, 600}}, 0.9L, 600},
    };
    Shared.CurTref = 1234;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillTempPoints(c.points);
        Ray.CurHitT = -1;
        EXPECT_NEAR(TemperatureAtXi(c.xi), c.expected, 1e-12L);
    }
}

TEST(RelativeRadiance, PlanckWienAndTotal) {
    EXPECT_EQ(RelativeRadiance(1000, 0), 1e12L);
    struct Case {
        Real T, lambda;
    };
    // x = c2 / (lambda T) on both sides of the switch at 500 and far from it.
    const Case cases[] = {{1000, 0.0287L}, {1000, 0.0288L}, {300, 10}, {1000, 1000}, {2, 0.05L}};
    for (const Case& c : cases) {
        const Real x = RadiationC2 / (c.lambda * 1e-6L * c.T);
        const Real expected = x > 500 ? std::exp(-x) : 1 / (std::exp(x) - 1);
        const Real r = RelativeRadiance(c.T, c.lambda);
        if (x > 500)
            EXPECT_TRUE(WithinUlps(r, expected, 2)) << "x " << double(x);
        else
            EXPECT_NEAR(r / expected, 1, 1e-16L) << "x " << double(x);
    }
    // Far beyond the extended range of exp(x): no overflow.
    const Real tiny = RelativeRadiance(1, 0.01L);
    EXPECT_TRUE(std::isfinite(tiny) && tiny >= 0);
}

TEST_F(RadianceTest, RatiosToTheReferenceRadiance) {
    Shared.WavelengthCount = 4;
    const Real lambdas[] = {0, 0.01L, 0.5L, 10, 1000};
    for (int k = 0; k <= 4; ++k) Shared.CurWavelengths[k] = lambdas[k];
    struct Case {
        Real tref, T;
    };
    const Case cases[] = {{1000, 1000}, {1000, 1200}, {1000, 800},
                          {1, 1},       {1, 1.001L},  {300, 3000}};
    for (const Case& c : cases) {
        SCOPED_TRACE("Tref " + std::to_string(double(c.tref)) + " T " +
                     std::to_string(double(c.T)));
        Shared.CurTref = c.tref;
        RadianceRatios.Prepare();
        const Real* ratio = Gathered(RadianceRatios.At(c.T));
        for (int k = 0; k <= 4; ++k) {
            const Real lambda = lambdas[k];
            ASSERT_TRUE(std::isfinite(ratio[k]) && ratio[k] > 0) << "lambda " << double(lambda);
            if (c.T == c.tref) {
                EXPECT_EQ(ratio[k], 1) << "lambda " << double(lambda);
                continue;
            }
            // Where both radiances are representable the ratio is theirs; beyond that it is
            // exp(X - x) with X, x the exponents at Tref and T.
            const Real x = RadiationC2 / (lambda * 1e-6L * c.T);
            const Real xr = RadiationC2 / (lambda * 1e-6L * c.tref);
            const Real expected =
                lambda == 0 || (x < 11000 && xr < 11000)
                    ? RelativeRadiance(c.T, lambda) / RelativeRadiance(c.tref, lambda)
                    : std::exp(xr - x);
            EXPECT_NEAR(ratio[k] / expected, 1, 1e-13L) << "lambda " << double(lambda);
        }
    }
}

}  // namespace
