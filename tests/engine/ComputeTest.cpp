#include <algorithm>
#include <cmath>
#include <cstdio>

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

TEST_F(ComputeTest, ProgressStepFollowsTheRayCount) {
    struct Case {
        Real nrf;
        uint32_t progress;
    };
    const Case cases[] = {{1, 1},     {10, 1},          {11, 10},        {1000, 10},
                          {1001, 10}, {2000000, 20000}, {1e9L, 10000000}};
    for (const Case& c : cases) {
        Shared.CurNRF = c.nrf;
        std::string message;
        ASSERT_TRUE(PrepareRun(message)) << message;
        EXPECT_EQ(Shared.RayCount, static_cast<uint32_t>(c.nrf));
        EXPECT_EQ(Shared.ProgressStep, c.progress) << double(c.nrf);
    }
}

TEST(ProgressPercent, RoundsTheShareToNearestTiesToEven) {
    // Shares of an eighth: the halves round to even.
    const int expected[] = {0, 12, 25, 38, 50, 62, 75, 88, 100};
    for (uint32_t r = 0; r <= 8; ++r) EXPECT_EQ(ProgressPercent(r, 8), expected[r]) << r;
    EXPECT_EQ(ProgressPercent(999, 1000), 100);
    EXPECT_EQ(ProgressPercent(1000000000, 1000000000), 100);
}

// What the driving thread shows depends on when its polls fall, but not what it must show: the
// condition's start, progress at multiples of ProgressStep rising to 100 %, the condition's end,
// with a pump at the start, after every progress and at the end.
TEST_F(ComputeTest, ARunShowsRisingProgressAndPumpsAroundEveryCondition) {
    for (Real rays : {5.0L, 3000.0L}) {
        SCOPED_TRACE(double(rays));
        Monitor = TRecordingMonitor();
        SetRun(rays, 300);
        ASSERT_EQ(Run(), TRunOutcome::Completed);
        const std::vector<std::string>& e = Monitor.Events;
        ASSERT_GE(e.size(), 10u);
        EXPECT_EQ(std::vector<std::string>(e.begin(), e.begin() + 2),
                  Expected({"pump", "vc 1 of 2"}));
        EXPECT_EQ(std::vector<std::string>(e.end() - 4, e.end()),
                  Expected({"rays 100 % bar 100", "pump", "vc% 100", "pump"}));
        int last = -1;  // the last share shown in the current condition
        int full = 0;
        for (size_t i = 0; i < e.size(); ++i) {
            int percent;
            if (std::sscanf(e[i].c_str(), "rays %d", &percent) != 1) continue;
            EXPECT_GT(percent, last) << "progress falls back at event " << i;
            ASSERT_LT(i + 1, e.size());
            EXPECT_EQ(e[i + 1], "pump");
            if (percent == 100) ++full;
            last = percent == 100 ? -1 : percent;
        }
        EXPECT_EQ(full, 2);  // once per condition
    }
    EXPECT_EQ(Monitor.Lines, Expected({"Geometry preprocessing...", "Successful.",
                                       "Monte Carlo modeling...", "Successful."}));
}

TEST_F(ComputeTest, StopAfterAConditionKeepsItsResultsAndLeavesTheNextWithout) {
    SetRun(50, 300);
    Shared.EEResults[2][0][0] = 0.5L;  // left over from an earlier run
    Monitor.StopAfter = "vc% 50";
    ASSERT_EQ(Run(), TRunOutcome::Stopped);
    EXPECT_EQ(std::count(Monitor.Events.begin(), Monitor.Events.end(), "vc 2 of 2"), 0);
    EXPECT_EQ(EEiso(1, 0), 1);  // condition 1 ran to its end
    EXPECT_EQ(EEiso(2, 0), 0);  // condition 2 never started: no results, not the old ones
    EXPECT_EQ(Monitor.Lines.back(), "");
    EXPECT_EQ(Monitor.Lines[Monitor.Lines.size() - 2], "Terminated by user's intervention.");
    EXPECT_FALSE(StopFlag);
}

// A run far too long to finish within the test's time limit, stopped at the first poll during
// its tracing: it ends, and the engine runs the next run to its end.
TEST_F(ComputeTest, StopDuringAMultiThreadedRunEndsItAndTheNextRunCompletes) {
    for (unsigned threads : {2u, 8u}) {
        SCOPED_TRACE(threads);
        RunOptions.Threads = threads;
        Monitor = TRecordingMonitor();
        SetRun(1e9L, 300);
        Monitor.StopAtPump = 2;  // the first poll of condition 1
        ASSERT_EQ(Run(), TRunOutcome::Stopped);
        EXPECT_EQ(Monitor.Events[1], "vc 1 of 2");
        EXPECT_EQ(std::count(Monitor.Events.begin(), Monitor.Events.end(), "vc 2 of 2"), 0);
        // The blocks summed before the stop, if any: a black cavity gives 1 or no result.
        EXPECT_TRUE(EEiso(1, 0) == 1 || EEiso(1, 0) == 0) << double(EEiso(1, 0));
        EXPECT_EQ(EE(1, 2), EEiso(1, 0));
        EXPECT_EQ(EEiso(2, 0), 0);
        EXPECT_EQ(Monitor.Lines.back(), "");
        EXPECT_FALSE(StopFlag);

        Monitor = TRecordingMonitor();
        SetRun(1000, 300);
        ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
        for (long v = 1; v <= 2; ++v) EXPECT_EQ(EE(v, 2), 1);
    }
    EXPECT_TRUE(Messages.Shown.empty());
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

// Any other error of a ray leaves the run as it always did, towards the program's top-level
// handler, but from the driving thread and with no tracing thread left behind.
TEST_F(ComputeTest, OtherErrorsOfARayReachTheCallerAndTheEngineRunsOn) {
    SetConditions(4, {{0, 1, 1, 203}});  // no surface 203
    SetRun(5000, 300);
    RunOptions.Threads = 8;
    EXPECT_THROW(Run(), ERangeError);
    SetConditions(0, {{0, 0.5L}});
    ASSERT_EQ(Run(), TRunOutcome::Completed) << Message;
    EXPECT_EQ(EE(1, 1), 1);
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
