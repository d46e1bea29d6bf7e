#include <gtest/gtest.h>

#include <cmath>

#include "platform/rtl/RtlMath.h"
#include "tests/chart/engine/AxisHostStub.h"

namespace {

class ChartAxisMappingTest : public ::testing::Test {
protected:
    TAxisHostStub Host;
    // An axis from pixel start to end with fixed limits, its working figures computed.
    void Place(TChartAxis& axis, bool horizontal, bool inverted, int start, int end, double min,
               double max) {
        axis.SetHorizontal(horizontal);
        axis.SetInverted(inverted);
        axis.SetLimits(min, max);
        axis.SetPositions(start, end);
        axis.ComputeRange();
    }
};

TEST_F(ChartAxisMappingTest, LinearMappingByOrientationAndInversion) {
    struct Case {
        bool Horizontal, Inverted;
        int Pixel25;
    };
    for (bool fast : {false, true}) {
        Host.FastPixelMode = fast;
        for (const Case& c : {Case{true, false, 200}, Case{true, true, 400},
                              Case{false, false, 400}, Case{false, true, 200}}) {
            TChartAxis axis(&Host);
            Place(axis, c.Horizontal, c.Inverted, 100, 500, 0, 100);
            EXPECT_EQ(axis.PixelOfValue(25), c.Pixel25) << c.Horizontal << c.Inverted << fast;
            // The inverse gives the limits at both ends and the value in between.
            const int low = axis.PixelOfValue(0), high = axis.PixelOfValue(100);
            EXPECT_EQ(axis.ValueAtPixel(low), 0);
            EXPECT_EQ(axis.ValueAtPixel(high), 100);
            EXPECT_EQ(axis.ValueAtPixel(c.Pixel25), 25);
            EXPECT_EQ(axis.XPixelOfValue(25), c.Inverted ? 400 : 200);
            EXPECT_EQ(axis.YPixelOfValue(25), c.Inverted ? 200 : 400);
        }
    }
}

TEST_F(ChartAxisMappingTest, FarValuesAreClampedUnlessFast) {
    TChartAxis axis(&Host);
    Place(axis, true, false, 100, 500, 0, 100);
    EXPECT_EQ(axis.PixelOfValue(1e12), AxisPixelLimit);
    EXPECT_EQ(axis.PixelOfValue(-1e12), -AxisPixelLimit);
    EXPECT_EQ(axis.PixelOfValue(1e300), AxisPixelLimit);
    axis.SetHorizontal(false);
    EXPECT_EQ(axis.PixelOfValue(1e12), -AxisPixelLimit);

    Host.FastPixelMode = true;
    axis.SelectPixelCalculators();
    EXPECT_EQ(axis.PixelOfValue(-1000), 500 + 4000);             // unclamped, vertical
    EXPECT_EQ(axis.PixelOfValue(1e300), 500 - RoundToIntLimit);  // saturates, never overflows
}

TEST_F(ChartAxisMappingTest, PixelsRoundHalvesToEven) {
    TChartAxis axis(&Host);
    Place(axis, true, false, 0, 4, 0, 8);  // half a pixel per unit
    EXPECT_EQ(axis.PixelOfValue(1), 0);    // 0.5
    EXPECT_EQ(axis.PixelOfValue(3), 2);    // 1.5
    EXPECT_EQ(axis.PixelOfValue(5), 2);    // 2.5
}

TEST_F(ChartAxisMappingTest, ZeroRangeMapsToTheCentre) {
    TChartAxis axis(&Host);
    Host.SeriesMinimum = Host.SeriesMaximum = 7;
    axis.SetHorizontal(true);
    axis.SetPositions(100, 301);
    axis.ComputeRange();
    ASSERT_TRUE(axis.ZeroRange());
    EXPECT_EQ(axis.PixelOfValue(7), 200);
    EXPECT_EQ(axis.PixelOfValue(-1e9), 200);
    EXPECT_EQ(axis.ValueSizeInPixels(5), 0);
}

TEST_F(ChartAxisMappingTest, LogarithmicMappingAndExactEnds) {
    struct Case {
        bool Horizontal, Inverted;
        int Pixel10, PixelOfZero;
        double AtStart, AtEnd;
    };
    const Case cases[] = {
        {true, false, 100, 0, 1, 1000},
        {true, true, 200, 300, 1000, 1},
        {false, false, 200, 300, 1000, 1},
        {false, true, 100, 0, 1, 1000},
    };
    for (const Case& c : cases) {
        TChartAxis axis(&Host);
        Place(axis, c.Horizontal, c.Inverted, 0, 300, 1, 1000);
        axis.SetLogarithmic(true);
        axis.ComputeRange();
        EXPECT_EQ(axis.PixelOfValue(10), c.Pixel10) << c.Horizontal << c.Inverted;
        EXPECT_EQ(axis.PixelOfValue(0), c.PixelOfZero);
        EXPECT_EQ(axis.PixelOfValue(-5), c.PixelOfZero);
        EXPECT_EQ(axis.ValueAtPixel(0), c.AtStart);
        EXPECT_EQ(axis.ValueAtPixel(300), c.AtEnd);
        EXPECT_NEAR(axis.ValueAtPixel(c.Pixel10), 10, 1e-9);
        EXPECT_EQ(axis.ValueSizeInPixels(10), 100);
    }
}

TEST_F(ChartAxisMappingTest, DepthAxisCountsFromTheFront) {
    TChartDepthAxis axis(&Host);
    axis.SetLimits(0, 10);
    axis.PositionInChart();  // over the 50-pixel depth
    axis.ComputeRange();
    EXPECT_EQ(axis.StartPos(), 0);
    EXPECT_EQ(axis.EndPos(), 50);
    EXPECT_EQ(axis.PixelOfValue(4), 20);
    EXPECT_EQ(axis.XPixelOfValue(4), 20);
}

TEST_F(ChartAxisMappingTest, PositionInChartFollowsStartAndEndPercent) {
    TChartAxis axis(&Host);
    axis.SetHorizontal(true);
    axis.SetStartPosition(25);
    axis.SetEndPosition(75);
    axis.PositionInChart();
    EXPECT_EQ(axis.StartPos(), 200);
    EXPECT_EQ(axis.EndPos(), 400);
    EXPECT_EQ(axis.CenterPos(), 300);
    axis.SetHorizontal(false);
    Host.ChartRect = TRect{0, 10, 100, 111};
    axis.PositionInChart();
    EXPECT_EQ(axis.StartPos(), 10 + 25);  // 25.25 rounds down
    EXPECT_EQ(axis.EndPos(), 10 + 76);    // 75.75 rounds up
}

TEST_F(ChartAxisMappingTest, PixelMarginsWidenTheWorkingRange) {
    struct Case {
        bool Horizontal, Inverted;
        int StartMargin, EndMargin;
        double Min, Max;
    };
    // 0..100 over 100..500 with margins of 40 and 60 pixels: 300 pixels hold 100 units, so the
    // whole axis shows 400/3 units, 40/3 of them before the start.
    const Case cases[] = {{true, false, 40, 60, -40.0 / 3, 120},
                          {false, false, 40, 60, -20, 100 + 40.0 / 3},
                          {true, true, 40, 60, -20, 100 + 40.0 / 3},
                          {true, false, 0, 0, 0, 100}};
    for (const Case& c : cases) {
        TChartAxis axis(&Host);
        Place(axis, c.Horizontal, c.Inverted, 100, 500, 0, 100);
        Host.ChartRect = TRect{100, 100, 500, 500};
        axis.ApplyPixelMargins(c.StartMargin, c.EndMargin);
        EXPECT_NEAR(axis.WorkingMinimum(), c.Min, 1e-9) << c.Horizontal << c.Inverted;
        EXPECT_NEAR(axis.WorkingMaximum(), c.Max, 1e-9);
        EXPECT_EQ(axis.StartPos(), 100);  // the positions come back from the chart
        EXPECT_EQ(axis.EndPos(), 500);
        // The old range now sits inside the margins.
        const int p0 = axis.XPixelOfValue(0), p100 = axis.XPixelOfValue(100);
        if (c.Horizontal && !c.Inverted) {
            EXPECT_EQ(p0, 100 + c.StartMargin);
            EXPECT_EQ(p100, 500 - c.EndMargin);
        }
    }
}

}  // namespace
