// Regression guard of the tracer's arithmetic: fixed-seed runs over the reference cavities and
// every kind of launch must reproduce the sums recorded from the engine at the commit that added
// this test, before its hot path was tuned for speed; EE was re-recorded once, deliberately, when
// the radiance ratios moved to the double kernel, and the paths on cones once more when the
// surface normals stopped being re-normalised in place. The numbers have no physical meaning of
// their own (a few thousand rays); what they pin is the exact order of the random draws, the
// tolerances and tie rules of the hit search and the extended-precision arithmetic of every
// bounce, so a change that alters any of these shows here, however small. Only a deliberate
// change of the engine's results may re-record them.
//
// The start weight, EEiso and the generator's next word are pinned bit for bit. EE goes through
// the radiance ratios (expm1 and exp of extended reals), whose last bits differ between
// processors, so it is pinned within a few units in the last place: each ratio carries at most
// a couple of ulps of library error and a weighted sum of positive terms keeps that relative
// error, so 8 ulps hold on any machine while a change of the arithmetic still shows.
#include <cmath>
#include <cstdio>

#include "RunFixture.h"
#include "tests/support/Ulps.h"

namespace {

constexpr int kWavelengths = 4;  // plus the total at k = 0
constexpr int kEEUlps = 8;

struct TGoldenCase {
    const char* name;
    std::vector<TNode> nodes;
    Real emissivity, diffusity;
    uint8_t kind;
    std::vector<Real> params;
    Real tref, tbg, threshold;
    bool isothermal;
    // Recorded: the summed start weight, EEiso (the same at every wavelength), EE at k = 0..4,
    // and the generator's next word after the last ray (it counts the draws).
    Real weight, eeIso, ee[kWavelengths + 1];
    uint32_t nextWord;
};

// The nodes of the reference cavities; the cases give their own wall properties.
std::vector<TNode> DiffuseCylinderNodes() { return DiffuseCylinder().Nodes; }
std::vector<TNode> ConeBottomNodes() { return ConeBottom().Nodes; }
std::vector<TNode> Sphere100Nodes() { return Sphere100().Nodes; }

// Full precision: 21 significant digits give back every extended real.
std::string Full(Real v) {
    char text[64];
    std::snprintf(text, sizeof text, "%.21Lg", v);
    return text;
}

class GoldenRunTest : public RunTest {
protected:
    // The run loop's sums over `rays` rays from the default seed.
    void TraceRun(const TGoldenCase& c, int rays, Real& weight, TSpectrum& iso, TSpectrum& noniso) {
        ResetSharedData();
        SetGeneratrix(c.nodes, c.emissivity, c.diffusity);
        SetConditions(c.kind, {c.params});
        // 0.01 µm at 100 K takes the scaled-exponential branch of the radiance ratio.
        SetWavelengths({0.01L, 0.5L, 10, 1000});
        SetRun(rays, c.tref, c.threshold, c.tbg);
        if (!c.isothermal) {
            FillTempPoints({{0, c.tref}, {0.4L, 0.9L * c.tref}, {1, 1.05L * c.tref}});
        }
        std::string message;
        ASSERT_TRUE(PrepareRun(message)) << message;
        Shared.CurVC = 1;
        MTSeed(MTDefaultSeed);
        weight = 0;
        for (int r = 0; r < rays; ++r) {
            ASSERT_TRUE(TraceRay(message)) << message;
            weight += Ray.RayWeight;
            for (long k = 0; k <= kWavelengths; ++k) {
                iso[k] += Ray.RaySums[0][k];
                noniso[k] += Ray.RaySums[1][k];
            }
        }
    }
};

TEST_F(GoldenRunTest, FixedSeedRunsReproduceTheRecordedSums) {
    // Params in the order of the kind's fields (see ViewParamNames).
    // clang-format off
    const TGoldenCase cases[] = {
        {"diffuse cylinder, normal beam", DiffuseCylinderNodes(), 0.8L, 1,
         0, {0, 0.4L}, 1000, 300, 0, false,
         3000L, 0.996607964791890218038L,
         {0.914883340618862285455L, 1.15609540665037807646e+26L, 0.62484343278862971877L,
          0.955544057659561421928L, 0.975435510540829173144L},
         1958818254u},
        {"cone bottom, directional beam", ConeBottomNodes(), 0.7L, 0.3L,
         1, {6, 0.25L, 10}, 1000, 0, 0, false,
         3000L, 0.996193697249624139417L,
         {0.782678388269575837292L, 6.37071918167181957624e+25L, 0.191266941121058375329L,
          0.886737355450520091816L, 0.937087675478820968436L},
         3251969009u},
        {"sphere, conical beam", Sphere100Nodes(), 0.5L, 1,
         2, {0, 2.5L, 20}, 100, 90, 0, false,
         3000L, 0.937881115010758089419L,
         {0.864532620340649917258L, 6.52265322081116071653e+293L, 4732.21447496915238284L,
          0.635747425261990321539L, 0.959872257357387424607L},
         1590171008u},
        {"cylinder wall, local hemispherical", DiffuseCylinderNodes(), 0.6L, 0.5L,
         4, {0, 2, 1, 2}, 1000, 500, 1e-4L, true,
         3000L, 0.984728995348479976119L,
         {0.985681393658879976443L, 0.984728995348479976119L, 0.984728995348484828086L,
          0.987650726122792402728L, 0.992293371294411301223L},
         4287924638u},
        {"cone bottom, near detector", ConeBottomNodes(), 0.7L, 0.3L,
         3, {0, 0.3L, 0.5L}, 1000, 300, 0, false,
         3000L, 0.99378638684134780755L,
         {0.864689228454462501265L, 1.09176131255347038501e+26L, 0.493490979784313756078L,
          0.927859426349204168775L, 0.959934165515739494187L},
         3404319573u},
        {"cylinder, far detector", DiffuseCylinderNodes(), 0.8L, 1,
         3, {0.1L, 0.2L, 2}, 1000, 0, 1e-3L, false,
         696.669495036209329986L, 0.996742589823358424422L,
         {0.801352957616427463727L, 2.93017772782090210372e+25L, 0.271355205508648344054L,
          0.896000285007160532467L, 0.94229144422497139146L},
         3557662797u},
    };
    // clang-format on
    for (const TGoldenCase& c : cases) {
        SCOPED_TRACE(c.name);
        Real weight = 0;
        TSpectrum iso, noniso;
        TraceRun(c, 3000, weight, iso, noniso);
        EXPECT_EQ(Full(weight), Full(c.weight));
        for (long k = 0; k <= kWavelengths; ++k) {
            SCOPED_TRACE("k = " + std::to_string(k));
            EXPECT_EQ(Full(iso[k] / weight), Full(c.eeIso));
            EXPECT_TRUE(WithinUlps(noniso[k] / weight, c.ee[k], kEEUlps));
        }
        EXPECT_EQ(MTNext(), c.nextWord);
    }
}

}  // namespace
