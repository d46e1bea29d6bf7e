// A run's results do not depend on the number of threads that trace it: every block of rays draws
// from its own stream and the block sums are added in block order, so the same seed gives the
// same extended sums, bit for bit, on one machine.
#include "RunFixture.h"

namespace {

class ParallelRunTest : public RunTest {
protected:
    struct TCase {
        const char* name;
        TCavity cavity;
        uint8_t kind;
        std::vector<std::vector<Real>> conditions;
        Real rays;
    };
    struct TResults {
        std::vector<Real> ee, rt;
    };

    TResults RunWith(const TCase& c, unsigned threads, uint32_t seed) {
        ResetSharedData();
        SetGeneratrix(c.cavity.Nodes, c.cavity.Emissivity, c.cavity.Diffusity);
        FillTempPoints({{0, 1000}, {0.4L, 900}, {1, 1050}});
        SetConditions(c.kind, c.conditions);
        SetWavelengths({0.01L, 0.5L, 10, 1000});
        SetRun(c.rays, 1000, 1e-6L, 300);
        RunOptions.Threads = threads;
        RunOptions.Seed = seed;
        TResults r;
        EXPECT_EQ(Run(), TRunOutcome::Completed) << Message;
        for (long v = 1; v <= static_cast<long>(c.conditions.size()); ++v)
            for (long k = 0; k <= 4; ++k) {
                r.ee.push_back(EEiso(v, k));
                r.ee.push_back(EE(v, k));
                r.rt.push_back(RT(v, k));
            }
        return r;
    }
};

TEST_F(ParallelRunTest, OneTwoAndEightThreadsGiveTheSameResults) {
    // Block counts that do not divide among the threads, a last block left short, and launches
    // from outside and from a wall.
    // A wall point halfway along surface 30 of the sphere.
    const std::vector<TNode> sphere = Sphere100().Nodes;
    const Real z = (sphere[29].z + sphere[30].z) / 2, r = (sphere[29].r + sphere[30].r) / 2;
    const TCase cases[] = {
        {"cone bottom, two normal beams", ConeBottom(), 0, {{0, 0.4L}, {0.1L, 0.2L}}, 3000},
        {"sphere, local hemispherical", Sphere100(), 4, {{0.3L, z, r, 30}}, 2345},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        const TResults one = RunWith(c, 1, 20261210);
        for (unsigned threads : {2u, 8u}) {
            SCOPED_TRACE(threads);
            const TResults many = RunWith(c, threads, 20261210);
            ASSERT_EQ(many.ee.size(), one.ee.size());
            for (size_t i = 0; i < one.ee.size(); ++i) {
                EXPECT_EQ(many.ee[i], one.ee[i]) << i;
                EXPECT_GT(one.ee[i], 0) << i;
            }
            for (size_t i = 0; i < one.rt.size(); ++i) EXPECT_EQ(many.rt[i], one.rt[i]) << i;
        }
        // The seed does reach the rays.
        const TResults other = RunWith(c, 8, 20261211);
        EXPECT_NE(other.ee, one.ee);
    }
}

}  // namespace
