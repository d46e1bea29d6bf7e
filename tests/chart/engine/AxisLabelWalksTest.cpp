#include <gtest/gtest.h>

#include <algorithm>

#include "chart/foundation/DateTimeSteps.h"
#include "tests/chart/engine/LabelHostStub.h"

namespace {

// An axis that writes down the labels its walks hand over instead of drawing them.
class TRecordingAxis : public TChartAxis {
public:
    using TChartAxis::TChartAxis;
    std::vector<std::string> Texts;
    std::vector<int> Pixels;

protected:
    void DrawLabelText(int pixel, const std::string& text, TTeeCustomShape*, double) override {
        Texts.push_back(text);
        Pixels.push_back(pixel);
    }
};

// The same for a depth axis.
class TRecordingDepthAxis : public TChartDepthAxis {
public:
    using TChartDepthAxis::TChartDepthAxis;
    std::vector<std::string> Texts;
    std::vector<int> Pixels;

protected:
    void DrawLabelText(int pixel, const std::string& text, TTeeCustomShape*, double) override {
        Texts.push_back(text);
        Pixels.push_back(pixel);
    }
};

using TTexts = std::vector<std::string>;

class AxisLabelWalksTest : public ::testing::Test {
protected:
    TLabelHostStub Host;
    TRecordingAxis Axis{&Host};
    // A horizontal axis over pixels start .. end with fixed limits.
    void Place(double min, double max, int start = 100, int end = 500) {
        Axis.SetHorizontal(true);
        Axis.SetLimits(min, max);
        Axis.SetPositions(start, end);
        Axis.ComputeRange();
        Axis.Texts.clear();
        Axis.Pixels.clear();
    }
};

TEST_F(AxisLabelWalksTest, ValueLabelsRunDownFromTheFirstLabel) {
    const struct {
        const char* Name;
        double Min, Max, Step;
        bool OnAxis = true, RoundFirst = true;
        TTexts Texts;
    } cases[] = {
        {"on axis", 0, 100, 20, true, true, {"100", "80", "60", "40", "20", "0"}},
        {"inside only", 0, 100, 20, false, true, {"80", "60", "40", "20"}},
        {"rounded first", 3, 97, 20, true, true, {"80", "60", "40", "20"}},
        {"from the maximum", 3, 97, 20, true, false, {"97", "77", "57", "37", "17"}},
        {"negative minimum", -25, 25, 10, true, true, {"20", "10", "0", "-10", "-20"}},
        {"fractions", 0, 0.5, 0.1, true, true, {"0.5", "0.4", "0.3", "0.2", "0.1", "0"}},
        {"10,000 steps: none", 0, 1e4, 1, true, true, {}},
        {"step below 15 digits", 1e17, 1e17 + 64, 16, true, true, {"100,000,000,000,000,064"}},
    };
    for (const auto& c : cases) {
        Axis.SetLabelsOnAxis(c.OnAxis);
        Axis.SetRoundFirstLabel(c.RoundFirst);
        Place(c.Min, c.Max);
        Axis.DrawValueLabels(c.Step, dtNone);
        EXPECT_EQ(Axis.Texts, c.Texts) << c.Name;
    }
    // One step fewer: every label, both ends included.
    Place(0, 9999);
    Axis.DrawValueLabels(1, dtNone);
    EXPECT_EQ(Axis.Texts.size(), 10000u);
}

TEST_F(AxisLabelWalksTest, ZeroRangeShowsOneLabel) {
    Host.SeriesMinimum = Host.SeriesMaximum = 5;
    Axis.SetPositions(100, 500);
    Axis.ComputeRange();
    Axis.DrawValueLabels(1, dtNone);
    EXPECT_EQ(Axis.Texts, TTexts{"5"});
    EXPECT_EQ(Axis.Pixels, std::vector<int>{300});
}

TEST_F(AxisLabelWalksTest, TicksWithLabelsOrWithEveryLabelledValue) {
    const struct {
        bool TickOnLabelsOnly, ShowLabels, OnAxis;
        std::vector<int> Ticks;
        size_t Labels;
    } cases[] = {
        {true, true, true, {500, 300, 100}, 3},
        {false, true, true, {500, 300, 100}, 3},
        {true, false, true, {}, 0},                // no label drawn, no tick
        {false, false, true, {500, 300, 100}, 0},  // ticks without labels
        {false, true, false, {300}, 1},            // the ends are neither labelled nor ticked
    };
    Axis.SetLabelStyle(talValue);
    Axis.SetIncrement(50);
    for (const auto& c : cases) {
        Axis.SetTickOnLabelsOnly(c.TickOnLabelsOnly);
        Axis.SetLabels(c.ShowLabels);
        Axis.SetLabelsOnAxis(c.OnAxis);
        Place(0, 100);
        Axis.WalkLabels();
        Axis.Texts.clear();
        Axis.WalkLabels();  // each walk starts from no ticks
        EXPECT_EQ(Axis.TickPositions(), c.Ticks) << c.TickOnLabelsOnly << c.ShowLabels;
        EXPECT_EQ(Axis.Texts.size(), c.Labels);
    }
}

TEST_F(AxisLabelWalksTest, MonthlyDateTimeLabelsFallOnTheFirst) {
    Host.DateTime = true;
    Axis.SetLabelStyle(talValue);
    Axis.SetDateTimeFormat("yyyy-mm-dd");
    Axis.SetIncrement(DateTimeSteps[dtOneMonth]);
    Place(EncodeDate(2026, 1, 15), EncodeDate(2026, 12, 20), 0, 2000);
    Axis.WalkLabels();
    EXPECT_EQ(Axis.Texts, (TTexts{"2026-12-01", "2026-11-01", "2026-10-01", "2026-09-01",
                                  "2026-08-01", "2026-07-01", "2026-06-01", "2026-05-01",
                                  "2026-04-01", "2026-03-01", "2026-02-01"}));
    // Without a table step as the increment nothing is aligned to the calendar.
    Axis.SetIncrement(0);
    Axis.Texts.clear();
    Axis.WalkLabels();
    ASSERT_FALSE(Axis.Texts.empty());
    EXPECT_NE(Axis.Texts[0].substr(8), "01");
}

TEST_F(AxisLabelWalksTest, DateTimeValuesBeyondTheCalendarAreWalkedAsNumbers) {
    Host.DateTime = true;
    Axis.SetLabelStyle(talValue);
    Axis.SetIncrement(DateTimeSteps[dtOneMonth]);
    Axis.SetAxisValuesFormat("0");
    Place(0, 3e6);  // up to the year 10113
    EXPECT_EQ(Axis.LabelStepIndex(30), dtNone);
    Axis.WalkLabels();
    ASSERT_FALSE(Axis.Texts.empty());
    // Past the year 9999 a number, before it a date.
    EXPECT_EQ(Axis.Texts.front().find_first_not_of("0123456789"), std::string::npos)
        << Axis.Texts.front();
    EXPECT_NE(Axis.Texts.back().find('/'), std::string::npos) << Axis.Texts.back();
    EXPECT_GT(Axis.WidestLabel(), 0);
}

TEST_F(AxisLabelWalksTest, StepIndexOfDateTimeLabels) {
    const struct {
        bool DateTime, Exact;
        double Increment, Step;
        int Index;
    } cases[] = {
        {true, true, 30, 30, dtOneMonth},  {true, true, 30, 45, dtTwoMonths},
        {true, true, 30, 4000, dtOneYear}, {true, true, 1, 1, dtOneDay},
        {true, true, 0, 30, dtNone},       {true, true, 7.5, 30, dtNone},
        {false, true, 30, 30, dtNone},     {true, false, 30, 30, dtNone},
    };
    for (const auto& c : cases) {
        Host.DateTime = c.DateTime;
        Axis.SetExactDateTime(c.Exact);
        Axis.SetIncrement(c.Increment);
        EXPECT_EQ(Axis.LabelStepIndex(c.Step), c.Index) << c.Increment << ' ' << c.Step;
    }
}

TEST_F(AxisLabelWalksTest, LogarithmicLabelsAtPowersOfTheBase) {
    const struct {
        const char* Name;
        double Base, Min, Max;
        TTexts Texts;
    } cases[] = {
        {"powers of ten", 10, 1, 1000, {"1", "10", "100", "1,000"}},
        {"from 0.1 when the minimum is 0", 10, 0, 100, {"0.1", "1", "10", "100"}},
        {"powers of two", 2, 3, 40, {"4", "8", "16", "32"}},
        {"no power inside: halves of the first", 2, 5, 7, {"6"}},
    };
    Axis.SetLogarithmic(true);
    for (const auto& c : cases) {
        Axis.SetLogarithmicBase(c.Base);
        Place(c.Min, c.Max);
        Axis.DrawLogLabels();
        EXPECT_EQ(Axis.Texts, c.Texts) << c.Name;
    }
    // The replaced minimum stays for the rest of the pass.
    Place(0, 100);
    Axis.DrawLogLabels();
    EXPECT_EQ(Axis.WorkingMinimum(), 0.1);
    // A negative minimum starts from the power nearest 1e-10.
    Axis.SetLogarithmicBase(10);
    Place(-5, 100);
    Axis.DrawLogLabels();
    EXPECT_EQ(Axis.Texts.size(), 13u);
    EXPECT_EQ(Axis.WorkingMinimum(), 1e-10);
}

TEST_F(AxisLabelWalksTest, LogarithmicBaseBelowOneIsBounded) {
    Axis.SetLogarithmic(true);
    Axis.SetLogarithmicBase(0.5);
    Place(1, 1000);
    Axis.DrawLogLabels();  // 1, 3, 5 ... : steps of the first label over the base
    ASSERT_EQ(Axis.Texts.size(), 500u);
    EXPECT_EQ(Axis.Texts[1], "3");
    Place(1, 1e6);
    Axis.DrawLogLabels();
    EXPECT_EQ(Axis.Texts.size(), 10000u);
}

TEST_F(AxisLabelWalksTest, MinorGridTicksReachBeyondTheLogarithmicLabels) {
    Axis.SetLogarithmic(true);
    Axis.MinorGrid()->SetVisible(true);
    Place(1, 1000);
    Axis.DrawLogLabels();
    // 0.1 and 10,000 lie a third of the axis beyond its ends.
    EXPECT_EQ(Axis.TickPositions(), (std::vector<int>{-33, 100, 233, 367, 500, 633}));
}

TEST_F(AxisLabelWalksTest, EventLabels) {
    Axis.SetLabelStyle(talValue);
    Axis.SetIncrement(50);
    const struct {
        const char* Name;
        std::function<void(int, double&, bool&)> Handler;
        TTexts Texts;
    } cases[] = {
        {"quarters", [](int i, double& v, bool&) { v = i * 25; }, {"0", "25", "50", "75", "100"}},
        {"within 1e-7", [](int i, double& v, bool&) { v = i == 0 ? -5e-8 : 200; }, {"0"}},
        {"stop at once: value labels",
         [](int, double&, bool& stop) { stop = true; },
         {"100", "50", "0"}},
        {"stop later",
         [](int i, double& v, bool& stop) { v = 10 * i, stop = i == 2; },
         {"0", "10"}},
    };
    for (const auto& c : cases) {
        Host.OnGetNextAxisLabel = c.Handler;
        Place(0, 100);
        Axis.WalkLabels();
        EXPECT_EQ(Axis.Texts, c.Texts) << c.Name;
    }
    // A handler that never stops and stays inside gives labels 0 to 2,000.
    int asked = 0;
    Host.OnGetNextAxisLabel = [&](int, double&, bool&) { ++asked; };
    Place(0, 100);
    Axis.WalkLabels();
    EXPECT_EQ(asked, 2001);
    EXPECT_EQ(Axis.Texts.size(), 2001u);
}

// Labels 28, 7, 28, 7 and 56 pixels wide, ten pixels apart.
class TextLabelsTest : public AxisLabelWalksTest {
protected:
    TChartSeries& Points() { return *Host.Series.front().Series; }
    void SetUp() override {
        TLabelHostStub::TSeriesEntry& e = Host.AddSeries();
        const char* labels[] = {"aaaa", "b", "cccc", "d", "eeeeeeee"};
        for (int i = 0; i < 5; ++i) e.Series->AddXYPoint(i, 10 * i, labels[i]);
        Axis.SetLabelStyle(talText);
        Place(0, 4, 100, 140);
    }
};

TEST_F(TextLabelsTest, OverlappingLabelsAreSkipped) {
    const struct {
        int Separation;
        bool TickOnLabelsOnly;
        TTexts Texts;
        std::vector<int> Ticks;
    } cases[] = {
        // "b" and "cccc" would reach into "aaaa" (half 14), "eeeeeeee" into "d".
        {10, true, {"aaaa", "d"}, {100, 130}},
        {10, false, {"aaaa", "d"}, {100, 110, 120, 130, 140}},  // skipped labels keep ticks
        {0, true, {"aaaa", "b", "cccc", "d", "eeeeeeee"}, {100, 110, 120, 130, 140}},
    };
    for (const auto& c : cases) {
        Axis.SetLabelsSeparation(c.Separation);
        Axis.SetTickOnLabelsOnly(c.TickOnLabelsOnly);
        Axis.Texts.clear();
        Axis.WalkLabels();
        EXPECT_EQ(Axis.Texts, c.Texts) << c.Separation;
        EXPECT_EQ(Axis.TickPositions(), c.Ticks) << c.Separation;
    }
    // Upright labels on a horizontal axis are one line high: 13 pixels, none overlap.
    Axis.SetLabelsAngle(90);
    Axis.Texts.clear();
    Axis.WalkLabels();
    EXPECT_EQ(Axis.Texts.size(), 5u);
}

TEST_F(TextLabelsTest, TheFirstSeriesWithATextSuppliesTheLabel) {
    Place(0, 100, 0, 1000);
    Axis.SetLabelsSeparation(0);
    TLabelHostStub::TSeriesEntry& second = Host.AddSeries();
    for (int i = 0; i < 7; ++i) second.Series->AddXYPoint(50 + i, 0, "x");
    Points().SetPointLabel(1, "");
    Host.Series.front().Last = 2;  // the first series shows points 0 .. 2 only
    Host.OnGetAxisLabel = [](std::string& text) {
        if (!text.empty()) text += "!";
    };
    Axis.WalkLabels();
    // Point 1 and points 3 .. 6 come from the second series, at its X values; points beyond
    // the first series' last come from the second too.
    EXPECT_EQ(Axis.Texts, (TTexts{"aaaa!", "x!", "cccc!", "x!", "x!", "x!", "x!"}));
    EXPECT_EQ(Axis.Pixels, (std::vector<int>{0, 510, 20, 530, 540, 550, 560}));
    // The event sees the first series' empty text of point 1 before the second series is asked.
    auto asked = [&](TChartSeries* series, int index) {
        return std::find_if(Host.LabelCalls.begin(), Host.LabelCalls.end(), [&](const auto& c) {
            return c.Series == series && c.ValueIndex == index;
        });
    };
    ASSERT_NE(asked(&Points(), 1), Host.LabelCalls.end());
    EXPECT_EQ(asked(&Points(), 1)->Text, "");
    EXPECT_LT(asked(&Points(), 1), asked(second.Series.get(), 1));
}

TEST_F(TextLabelsTest, MarkTextsAndValuesOutsideTheRange) {
    Axis.SetLabelStyle(talMark);
    Axis.SetLabelsSeparation(0);
    Place(1, 3, 100, 140);
    Axis.WalkLabels();
    EXPECT_EQ(Axis.Texts, (TTexts{"m1a", "m2a", "m3a"}));
    // On a vertical axis the label's value is the point's Y.
    Axis.SetHorizontal(false);
    Axis.SetLimits(0, 20);
    Axis.ComputeRange();
    Axis.Texts.clear();
    Axis.WalkLabels();
    EXPECT_EQ(Axis.Texts, (TTexts{"m0a", "m1a", "m2a"}));
}

TEST_F(AxisLabelWalksTest, DepthAxisShowsSeriesTitlesInTheirRows) {
    TRecordingDepthAxis depth(&Host);
    depth.SetLabelStyle(talText);
    depth.SetLimits(-0.5, 2.5);
    depth.SetPositions(0, 30);
    depth.ComputeRange();
    depth.WalkLabels();
    EXPECT_TRUE(depth.Texts.empty());  // no active series
    Host.AddSeries();
    depth.WalkLabels();
    EXPECT_EQ(depth.Texts, (TTexts{"row 0", "row 1", "row 2"}));
    EXPECT_EQ(depth.Pixels, (std::vector<int>{25, 15, 5}));
}

}  // namespace
