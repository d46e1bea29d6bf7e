#include <gtest/gtest.h>

#include <cmath>

#include "chart/engine/AxisLabelIncrement.h"
#include "chart/foundation/DateTimeSteps.h"
#include "tests/chart/engine/LabelHostStub.h"

namespace {

// Steps pass through products of 0.1 and 10, so they are compared to a relative 1e-12.
::testing::AssertionResult Near(double actual, double expected) {
    if (std::fabs(actual - expected) <= 1e-12 * std::fabs(expected))
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << actual << " is not " << expected;
}

class AxisLabelIncrementTest : public ::testing::Test {
protected:
    TLabelHostStub Host;
    TChartAxis Axis{&Host};
    // A horizontal axis over pixels 100 .. 500 with fixed limits.
    void Place(double min, double max) {
        Axis.SetHorizontal(true);
        Axis.SetLimits(min, max);
        Axis.SetPositions(100, 500);
        Axis.ComputeRange();
    }
};

TEST(NextNiceStepTest, StepsUpTheOneTwoFiveSequence) {
    const struct {
        double X, Step;
    } cases[] = {{1, 2},       {2, 5},     {5, 10},       {7, 10},  {0.03, 0.05},
                 {0.3, 0.5},   {10, 20},   {99, 100},     {1.5, 2}, {4.99, 5},
                 {1e-5, 2e-5}, {3e7, 5e7}, {INFINITY, 1}, {0, 1},   {-3, 1}};
    for (const auto& c : cases) EXPECT_TRUE(Near(NextNiceStep(c.X), c.Step)) << c.X;
}

TEST_F(AxisLabelIncrementTest, RoundToLogPowerTakesTheNearestPowerOfTheBase) {
    const struct {
        double Base, X, Power;
    } cases[] = {{10, 150, 100}, {10, 400, 1000}, {10, 0.004, 0.01},
                 {2, 5, 4},      {2, 6, 8},       {10, 1, 1}};
    for (const auto& c : cases) {
        Axis.SetLogarithmicBase(c.Base);
        EXPECT_TRUE(Near(Axis.RoundToLogPower(c.X), c.Power)) << c.Base << ' ' << c.X;
    }
}

TEST_F(AxisLabelIncrementTest, NumericIncrementForLabelCount) {
    const struct {
        double Min, Max;
        int Count;
        double Increment;
        int Separation;
        bool Log;
        double Step;
    } cases[] = {
        {0, 100, 10, 0, 10, false, 10},         // 100/11 stepped up once
        {0, 100, 10, 0, 0, false, 100.0 / 11},  // no step search
        {0, 100, 4, 0, 10, false, 50},          // 20 gives five labels: one too many
        {0, 100, 0, 0, 10, false, 1e-12},       // no label fits
        {0, 100, 10, 7, 10, false, 10},         // the user's step grows too
        {0, 100, 10, 7, 0, false, 7},           //   unless the search is off
        {0, 100, 10, 300, 10, false, 300},      // a step beyond the range stays
        {-1e-3, 1e-3, 4, 0, 10, false, 5e-4},   // small values
        {1, 1000, 10, 0, 10, true, 100},        // logarithmic: powers of the base
        {1, 1000, 3, 0, 10, true, 1000},
        {0, 1e300, 3, 0, 10, false, 5e299},
        {-1e308, 1e308, 3, 0, 10, false, INFINITY},  // an infinite range gives itself
    };
    for (const auto& c : cases) {
        Axis.SetLogarithmic(false);
        Axis.SetIncrement(c.Increment);
        Axis.SetLabelsSeparation(c.Separation);
        Place(c.Min, c.Max);
        Axis.SetLogarithmic(c.Log);
        const double step = Axis.IncrementForLabelCount(c.Count);
        if (std::isinf(c.Step))
            EXPECT_EQ(step, c.Step);
        else
            EXPECT_TRUE(Near(step, c.Step))
                << c.Min << ".." << c.Max << " n " << c.Count << " inc " << c.Increment;
    }
}

TEST_F(AxisLabelIncrementTest, ZeroRangeStepsByOne) {
    Host.SeriesMinimum = Host.SeriesMaximum = 5;
    Axis.SetPositions(100, 500);
    Axis.ComputeRange();
    ASSERT_TRUE(Axis.ZeroRange());
    EXPECT_EQ(Axis.IncrementForLabelCount(10), 1);
}

TEST_F(AxisLabelIncrementTest, FewPointsAlongTheAxisKeepTheStepAtOne) {
    Place(0, 2);
    EXPECT_TRUE(Near(Axis.IncrementForLabelCount(10), 0.2));
    TLabelHostStub::TSeriesEntry& entry = Host.AddSeries();
    for (int i = 0; i < 5; ++i) entry.Series->AddXYPoint(i, i);
    EXPECT_EQ(Axis.IncrementForLabelCount(10), 1);
    EXPECT_TRUE(Near(Axis.IncrementForLabelCount(4), 0.5));  // more points than labels
    entry.UsesAxis = false;
    EXPECT_TRUE(Near(Axis.IncrementForLabelCount(10), 0.2));
    entry.UsesAxis = true;
    entry.Series->MakeXMandatory();  // a horizontal series places its points along Y
    EXPECT_TRUE(Near(Axis.IncrementForLabelCount(10), 0.2));
    Axis.SetHorizontal(false);
    EXPECT_EQ(Axis.IncrementForLabelCount(10), 1);
}

TEST_F(AxisLabelIncrementTest, LogarithmicBaseBelowOneEndsTheSearch) {
    Axis.SetLogarithmic(true);
    Axis.SetLogarithmicBase(0.5);
    Place(1, 1000);
    // 999/4 rounds to 2^8; the base's inverse doubles it once.
    EXPECT_TRUE(Near(Axis.IncrementForLabelCount(3), 512));
}

TEST_F(AxisLabelIncrementTest, DateTimeIncrementForLabelCount) {
    Host.DateTime = true;
    const double second = DateTimeSteps[2];
    const struct {
        double Range;
        int Count;
        double Increment, Step;
    } cases[] = {
        {365, 12, 0, 30},               // one month
        {365, 4, 0, 90},                // three months
        {365, 1, 0, 365},               // one year
        {3650, 2, 0, 1460},             // years double: 10 -> 5 -> 2.5, which rounds to 2
        {365, 100, 7, 7},               // the user's week is kept
        {365, 0, 0, DateTimeSteps[0]},  // no label fits
        {1, 4, 0, 6.0 / 24},            // six hours
        {60 * second, 4, 0, 15 * second},
        {1e-9, 3, 0, 0.5e-9},  // below a second: the 1-2-5 sequence
    };
    for (const auto& c : cases) {
        Axis.SetIncrement(c.Increment);
        Place(0, c.Range);
        EXPECT_TRUE(Near(Axis.IncrementForLabelCount(c.Count), c.Step))
            << c.Range << " n " << c.Count;
    }
}

TEST_F(AxisLabelIncrementTest, IncrementForLabelSizeCountsTheLabelsThatFit) {
    Place(0, 100);  // 400 pixels
    const struct {
        int Size, Separation;
        double Step;
    } cases[] = {
        {30, 10, 10},         // 400 / (30 + 3): twelve labels
        {30, 0, 100.0 / 14},  // 400 / 30: thirteen, no search
        {90, 10, 50},         // four
        {0, 10, 100},         // nothing measured: one label
        {500, 10, 100},       // Round(400/550) = 1
    };
    for (const auto& c : cases) {
        Axis.SetLabelsSeparation(c.Separation);
        EXPECT_TRUE(Near(Axis.IncrementForLabelSize(c.Size), c.Step)) << c.Size;
    }
    Axis.SetPositions(100, 100);  // no room: one label
    Axis.SetLabelsSeparation(10);
    EXPECT_TRUE(Near(Axis.IncrementForLabelSize(30), 100));
}

TEST_F(AxisLabelIncrementTest, ComputeLabelIncrementFromTheLabelWidths) {
    // Seven pixels a character over 400 pixels. The widest candidate of 0..100 is the middle
    // value halved down to "12.5".
    const struct {
        double Min, Max;
        bool Alternate, Log;
        double Step;
    } cases[] = {
        {0, 100, false, false, 10},
        {0, 100, true, false, 5},        // alternate rows: half the step
        {0, 1e6, false, false, 200000},  // "1,000,000" takes 63 pixels: five labels
        {1, 1000, true, true, 10},       // alternate on a logarithmic axis: divided by the base
    };
    for (const auto& c : cases) {
        Axis.SetLogarithmic(c.Log);
        Axis.SetLabelsAlternate(c.Alternate);
        Place(c.Min, c.Max);
        const int changes = Host.Changes;
        EXPECT_TRUE(Near(Axis.ComputeLabelIncrement(), c.Step)) << c.Min << ".." << c.Max;
        // The whole-number retry leaves the setting alone and asks for no repaint.
        EXPECT_EQ(Axis.Increment(), 0);
        EXPECT_EQ(Host.Changes, changes);
    }
}

TEST_F(AxisLabelIncrementTest, ComputeLabelIncrementAsksTheLabelEventForEachCandidate) {
    Place(0, 100);
    Axis.SetIncrement(20);
    std::vector<std::string> asked;
    Host.OnGetAxisLabel = [&](std::string& text) { asked.push_back(text); };
    EXPECT_EQ(Axis.ComputeLabelIncrement(), 20);
    // The ends as the step times the rounded limits, the middle halved to a fraction, one step
    // inside each end.
    EXPECT_EQ(asked, (std::vector<std::string>{"0", "62.5", "2,000", "20", "1,980"}));
}

TEST_F(AxisLabelIncrementTest, SettingsCheckedAndRepainted) {
    const auto raises = [](auto&& f, const char* text) {
        try {
            f();
            ADD_FAILURE() << "no exception for " << text;
        } catch (const AxisException& e) {
            EXPECT_EQ(e.Message(), text);
        }
    };
    raises([&] { Axis.SetIncrement(-1); }, "Axis increment must be >= 0");
    raises([&] { Axis.SetLabelsSeparation(-1); }, "Labels Separation % must be greater than 0");
    EXPECT_EQ(Axis.Increment(), 0);
    EXPECT_EQ(Axis.LabelsSeparation(), 10);
    const int changes = Host.Changes;
    Axis.SetLabelsSeparation(0);
    Axis.SetLabelsSeparation(0);
    EXPECT_EQ(Host.Changes, changes + 1);
    for (const auto& [set, kept] : {std::pair{450, 90}, {-90, -90}, {720, 0}, {359, 359}}) {
        Axis.SetLabelsAngle(set);
        EXPECT_EQ(Axis.LabelsAngle(), kept) << set;
    }
}

TEST_F(AxisLabelIncrementTest, IncDateTimeStepAcrossMonthEnds) {
    Host.DateTime = true;
    const struct {
        bool Exact, DateTime, Up;
        int Kind;
        double From, To;
    } cases[] = {
        {true, true, true, dtOneMonth, EncodeDate(2026, 1, 31), EncodeDate(2026, 2, 1)},
        {true, true, false, dtOneMonth, EncodeDate(2026, 3, 1), EncodeDate(2026, 2, 1)},
        {true, true, true, dtOneMonth, EncodeDate(2026, 12, 1), EncodeDate(2027, 1, 1)},
        {true, true, false, dtOneMonth, EncodeDate(2026, 1, 1), EncodeDate(2025, 12, 1)},
        {true, true, true, dtTwoMonths, EncodeDate(2026, 11, 1), EncodeDate(2027, 1, 1)},
        {true, true, true, dtHalfMonth, EncodeDate(2026, 2, 20), EncodeDate(2026, 3, 1)},
        {true, true, false, dtHalfMonth, EncodeDate(2026, 3, 1), EncodeDate(2026, 2, 15)},
        {true, true, true, dtOneYear, EncodeDate(2024, 2, 29), EncodeDate(2025, 2, 28)},
        // By the plain amount: calendar stepping off, a step below half a month, or an axis
        // that does not show date-time values.
        {false, true, true, dtOneMonth, EncodeDate(2026, 1, 31), EncodeDate(2026, 3, 2)},
        {true, true, true, dtOneWeek, EncodeDate(2026, 1, 29), EncodeDate(2026, 2, 5)},
        {true, false, true, dtOneMonth, EncodeDate(2026, 1, 31), EncodeDate(2026, 3, 2)},
    };
    for (const auto& c : cases) {
        Axis.SetExactDateTime(c.Exact);
        Host.DateTime = c.DateTime;
        double value = c.From;
        Axis.IncDateTimeStep(c.Up, value, c.Kind, DateTimeSteps[size_t(c.Kind)]);
        EXPECT_EQ(value, c.To) << c.Kind << (c.Up ? " up from " : " down from ") << c.From;
    }
}

}  // namespace
