#include <cmath>

#include "RunFixture.h"

namespace {

// A flat-bottomed black cylinder of radius 1 and depth 2 seen by a narrow normal beam.
class ComputeTest : public RunTest {
protected:
    void SetUp() override {
        RunTest::SetUp();
        SetGeneratrix({{0, 0}, {0, 1}, {2, 1}});
        SetConditions(0, {{0, 0.5L}, {0, 0.2L}});
        SetWavelengths({1, 10});
    }
    static std::vector<std::string> Expected(std::initializer_list<std::string> events) {
        return events;
    }
};

TEST_F(ComputeTest, RayCountAndThresholdOutsideTheirRangesAreRefused) {
    const std::string rays =
        "Incorrect value for Number of Rays.\rNumber of Rays must be from 1 to 1,000,000,000";
    const std::string threshold =
        "Incorrect value for Threshold.\rThreshold must be from 0 to 0.001";
    struct Case {
        Real nrf, threshold;
        std::string message;
    };
    const Case cases[] = {
        {0.5L, 0, rays},         {2e9L, 0, rays},          {1e9L, -0.1L, threshold},
        {5, 0.0011L, threshold}, {5, 0.001000000001L, ""}, {1, 0, ""},
    };
    for (const Case& c : cases) {
        std::string message;
        EXPECT_EQ(CheckRunParameters(c.nrf, c.threshold, message), c.message.empty())
            << double(c.nrf) << " " << double(c.threshold);
        EXPECT_EQ(message, c.message);
    }
    SetRun(0.5L, 300);
    EXPECT_EQ(Run(), TRunOutcome::Refused);
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{rays});
    EXPECT_TRUE(Monitor.Lines.empty());
}

TEST_F(ComputeTest, PollingIntervalsFollowTheRayCount) {
    struct Case {
        Real nrf;
        uint32_t progress, stop;
    };
    const Case cases[] = {{1, 1, 1},
                          {10, 1, 1},
                          {11, 10, 100},
                          {1000, 10, 100},
                          {1001, 10, 1},
                          {2000000, 20000, 2000},
                          {1e9L, 10000000, 1000000}};
    for (const Case& c : cases) {
        Shared.CurNRF = c.nrf;
        std::string message;
        ASSERT_TRUE(PrepareRun(message)) << message;
        EXPECT_EQ(Shared.RayCount, static_cast<uint32_t>(c.nrf));
        EXPECT_EQ(Shared.ProgressStep, c.progress) << double(c.nrf);
        EXPECT_EQ(Shared.StopCheckStep, c.stop) << double(c.nrf);
    }
}

TEST_F(ComputeTest, FiveRaysPollBeforeEveryRay) {
    SetConditions(0, {{0, 0.5L}});
    SetRun(5, 300);
    ASSERT_EQ(Run(), TRunOutcome::Completed);
    EXPECT_EQ(Monitor.Events,
              Expected({"pump", "vc 1 of 1",                                                     //
                        "pump", "rays 20 % bar 20", "pump", "pump", "rays 40 % bar 40", "pump",  //
                        "pump", "rays 60 % bar 60", "pump", "pump", "rays 80 % bar 80", "pump",  //
                        "pump", "rays 100 % bar 100", "pump", "vc% 100", "pump"}));
    EXPECT_EQ(Monitor.Lines, Expected({"Geometry preprocessing...", "Successful.",
                                       "Monte Carlo modeling...", "Successful."}));
}

TEST_F(ComputeTest, ProgressBarAndLabelShowTheSameRoundedShare) {
    SetConditions(0, {{0, 0.5L}});
    SetRun(8, 300);  // shares of an eighth: the halves round to even
    ASSERT_EQ(Run(), TRunOutcome::Completed);
    std::vector<std::string> progress;
    for (const std::string& e : Monitor.Events)
        if (e.rfind("rays ", 0) == 0) progress.push_back(e);
    EXPECT_EQ(progress, Expected({"rays 12 % bar 12", "rays 25 % bar 25", "rays 38 % bar 38",
                                  "rays 50 % bar 50", "rays 62 % bar 62", "rays 75 % bar 75",
                                  "rays 88 % bar 88", "rays 100 % bar 100"}));
}

TEST_F(ComputeTest, FiftyRaysShowProgressEveryTenAndSeeAStopAtTheNextCondition) {
    SetRun(50, 300);
    Shared.EEResults[2][0][0] = 0.5L;  // left over from an earlier run
    Monitor.StopAtPump = 2;            // during the first progress pump of condition 1
    ASSERT_EQ(Run(), TRunOutcome::Stopped);
    EXPECT_EQ(Monitor.Events,
              Expected({"pump", "vc 1 of 2", "rays 20 % bar 20", "pump", "rays 40 % bar 40", "pump",
                        "rays 60 % bar 60", "pump", "rays 80 % bar 80", "pump",
                        "rays 100 % bar 100", "pump", "vc% 50", "pump"}));
    EXPECT_EQ(EEiso(1, 0), 1);  // condition 1 ran to its end
    EXPECT_EQ(EEiso(2, 0), 0);  // condition 2 never started: no results, not the old ones
    EXPECT_EQ(Monitor.Lines.back(), "");
    EXPECT_EQ(Monitor.Lines[Monitor.Lines.size() - 2], "Terminated by user's intervention.");
    EXPECT_FALSE(StopFlag);
}

TEST_F(ComputeTest, TwoMillionRaysSeeAStopAtTheNextStopPoll) {
    SetRun(2000000, 300);
    Monitor.StopAtPump = 3;  // the stop poll at ray 4,000
    ASSERT_EQ(Run(), TRunOutcome::Stopped);
    // Stop polls at rays 2,000 and 4,000; the stop is seen at 6,000, before any progress.
    EXPECT_EQ(Monitor.Events, Expected({"pump", "vc 1 of 2", "pump", "pump", "vc% 50", "pump"}));
    EXPECT_EQ(EEiso(1, 0), 1);  // from the rays traced before the stop
    EXPECT_EQ(EE(1, 2), 1);
}

TEST_F(ComputeTest, StopBeforeTheFirstRayLeavesTheConditionWithoutResults) {
    SetRun(5, 300);
    // Left over from an earlier run: the totals survive a reload.
    for (long v = 1; v <= 2; ++v)
        Shared.EEResults[v][0][0] = Shared.EEResults[v][1][0] = Shared.RTResults[v][1][0] = 0.5L;
    Monitor.StopAtPump = 1;  // the pump at the start of condition 1
    ASSERT_EQ(Run(), TRunOutcome::Stopped);
    // Condition 1 stopped before its first ray, condition 2 never started.
    for (long v = 1; v <= 2; ++v)
        for (long k = 0; k <= 2; ++k) {
            EXPECT_EQ(EEiso(v, k), 0) << v << " " << k;
            EXPECT_EQ(EE(v, k), 0) << v << " " << k;
            EXPECT_EQ(RT(v, k), 0) << v << " " << k;
        }
}

TEST_F(ComputeTest, BeamMissingTheApertureFailsTheRun) {
    SetConditions(0, {{0, 0.5L}, {0.8L, 0.5L}});  // the second beam reaches beyond radius 1
    SetRun(1000, 300);
    ASSERT_EQ(Run(), TRunOutcome::RayFailed);
    EXPECT_EQ(Message, "OUT OF APERTURE");
    EXPECT_EQ(Monitor.Lines.back(), "Failed: OUT OF APERTURE");
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"OUT OF APERTURE"});
}

TEST_F(ComputeTest, FailedPreprocessingIsLoggedAndShown) {
    Shared.NodeZ[2] = 0;  // node 2 falls onto node 1
    SetRun(10, 300);
    ASSERT_EQ(Run(), TRunOutcome::PreparationFailed);
    EXPECT_EQ(Monitor.Lines, Expected({"Geometry preprocessing...",
                                       "Failed: Two points (1 and 2) merge together"}));
    EXPECT_EQ(Messages.Shown, std::vector<std::string>{"Two points (1 and 2) merge together"});
}

TEST_F(ComputeTest, ZeroVectorMetByARayEndsTheRun) {
    // Surface 1 is a cylinder of radius 0 along the axis: a wall point on it has no normal, and
    // a ray launched from it has no direction.
    SetGeneratrix({{0, 0}, {1, 0}, {1, 1}, {3, 1}, {3, 0.5L}});
    SetConditions(4, {{0.1L, 0.5L, 0, 1}});
    SetRun(10, 300);
    ASSERT_EQ(Run(), TRunOutcome::RayFailed);
    EXPECT_EQ(Message, "Norm = 0; isf = 1");
    EXPECT_EQ(Monitor.Lines.back(), "Failed: Norm = 0; isf = 1");
    // The normal's message first, where it was met, then the run's.
    EXPECT_EQ(Messages.Shown,
              (std::vector<std::string>{"Norm of normal = 0; isf =1", "Norm = 0; isf = 1"}));
    EXPECT_EQ(EEiso(1, 0), 0);
}

TEST(RadianceTemperature, FromTheEffectiveEmissivity) {
    struct Case {
        Real ee, lambda, tref, expected, tolerance;
    };
    const Case cases[] = {
        {1, 0, 1000, 1000, 0},
        {0.5L, 0, 1000, 840.8964152537145430L, 1e-12L},  // fourth root of 0.5
        {0, 0, 1000, 0, 0},
        {0, 10, 1000, 0, 0},
        {1, 0.01L, 1, 1, 1e-15L},       // exp(x) far beyond the extended range
        {1, 1000, 5000, 5000, 1e-12L},  // x small: log1p and expm1
        {1, 0.5L, 1000, 1000, 1e-12L},
    };
    for (const Case& c : cases) {
        const Real t = RadianceTemperature(c.ee, c.lambda, c.tref);
        EXPECT_NEAR(t, c.expected, c.tolerance * c.expected)
            << "ee " << double(c.ee) << " lambda " << double(c.lambda) << " Tref "
            << double(c.tref);
    }
    // A black body at the radiance temperature gives ee times the radiance at Tref.
    for (Real lambda : {0.01L, 0.5L, 3.0L, 100.0L}) {
        for (Real ee : {0.2L, 0.9L, 1.3L}) {
            const Real t = RadianceTemperature(ee, lambda, 800);
            EXPECT_NEAR(RelativeRadiance(t, lambda) / RelativeRadiance(800, lambda), ee, 1e-13L)
                << double(lambda) << " " << double(ee);
        }
    }
}

}  // namespace
