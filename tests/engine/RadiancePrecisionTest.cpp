// The double radiance kernel against the all-extended computation over the same rays: the
// effective emissivities may differ by at most 1e-12 relatively at every wavelength from 0.01 to
// 1000 µm.
#include <cmath>

#include "RunFixture.h"

namespace {

// Restores the double path however the test ends.
class TAllExtended {
public:
    TAllExtended() { RadianceRatios.SetAllExtended(true); }
    ~TAllExtended() { RadianceRatios.SetAllExtended(false); }
};

class RadiancePrecisionTest : public RunTest {
protected:
    struct TCase {
        const char* name;
        Real tref, tbg;
        std::vector<std::pair<Real, Real>> points;
    };
    // EE at every wavelength of `rays` rays from the default seed, with a cone bottom whose wall
    // temperature varies along the generatrix.
    static void TraceEE(const TCase& c, const std::vector<Real>& lambdas, int rays, TSpectrum& ee) {
        ResetSharedData();
        SetGeneratrix(ConeBottom().Nodes, 0.7L, 0.3L);
        SetConditions(0, {{0, 0.4L}});
        SetWavelengths(lambdas);
        SetRun(rays, c.tref, 0, c.tbg);
        FillTempPoints(c.points);
        std::string message;
        ASSERT_TRUE(PrepareRun(message)) << message;
        Shared.CurVC = 1;
        MTSeed(MTDefaultSeed);
        Real weight = 0;
        TSpectrum sums;
        for (int r = 0; r < rays; ++r) {
            ASSERT_TRUE(TraceRay(message)) << message;
            weight += Ray.RayWeight;
            for (size_t k = 0; k <= lambdas.size(); ++k) sums[k] += Ray.RaySums[1][k];
        }
        for (size_t k = 0; k <= lambdas.size(); ++k) ee[k] = sums[k] / weight;
    }
};

TEST_F(RadiancePrecisionTest, DoubleRatiosKeepEEWithinOnePartIn1e12) {
    std::vector<Real> lambdas;  // 0.01 to 1000 µm, 8 per decade
    for (int i = 0; i <= 56; ++i) lambdas.push_back(0.01L * std::pow(10.0L, i / 8.0L));
    // Low temperatures send the short wavelengths through the extended path; near 3000 K the
    // double lanes reach exponents close to the kernel's limit, where they lose most.
    const TCase cases[] = {
        {"room temperature", 300, 200, {{0, 300}, {0.4L, 250}, {1, 400}}},
        {"hot", 3000, 0, {{0, 3000}, {0.5L, 2000}, {1, 3500}}},
        {"cryogenic", 20, 4, {{0, 20}, {1, 22}}},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        TSpectrum fast, extended;
        TraceEE(c, lambdas, 2000, fast);
        const TRatioView split = RadianceRatios.At(c.tref);
        if (c.tbg != 0) {
            EXPECT_GT(split.FastCount, 0);
            EXPECT_GT(split.WideCount, 1);  // the total and some short wavelengths
        }
        {
            TAllExtended all;
            TraceEE(c, lambdas, 2000, extended);
        }
        for (size_t k = 0; k <= lambdas.size(); ++k) {
            ASSERT_GT(extended[k], 0) << k;
            EXPECT_LE(std::fabs(fast[k] / extended[k] - 1), 1e-12L)
                << "lambda " << double(k ? lambdas[k - 1] : 0);
        }
    }
}

}  // namespace
