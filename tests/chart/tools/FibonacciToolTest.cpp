// The Fibonacci tool on the bench: arc radii as percentages of the trend line's pixel length,
// half circles for a rising trend and whole ones for a falling trend, fans reaching the series'
// last X, a vertical trend that draws no fans, copies owning their own levels, and the stream.
#include <gtest/gtest.h>

#include <cmath>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/PointRoutines.h"
#include "chart/tools/financial/FibonacciTool.h"
#include "platform/rtl/RtlMath.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

constexpr TColor LevelColors[] = {TColor(0x0000C0), TColor(0x00C000), TColor(0xC00000)};

struct FibonacciToolTest : ::testing::Test {
    TToolBench bench;
    TFibonacciTool* fib = bench.AddTool<TFibonacciTool>();
    FibonacciToolTest() {
        fib->SetShowLabels(false);
        fib->TrendPen()->SetVisible(false);
        for (int i = 0; i < 3; ++i) fib->Levels()->Level(i)->Pen()->SetColor(LevelColors[i]);
    }
    // Whether the colour is at (x, y) or one pixel around it (the arcs are rasterised).
    bool ColorNear(int x, int y, TColor color) {
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx)
                if (bench.FrontPixel(x + dx, y + dy) == color) return true;
        return false;
    }
    void SetTrend(double x0, double y0, double x1, double y1) {
        fib->SetStartX(x0);
        fib->SetStartY(y0);
        fib->SetEndX(x1);
        fib->SetEndY(y1);
    }
    int Radius(double percent) {
        const double h = bench.Bottom().ValueSizeInPixels(std::abs(fib->EndX() - fib->StartX()));
        const double v = bench.Left().ValueSizeInPixels(std::abs(fib->EndY() - fib->StartY()));
        return RoundToInt(Hypotenuse(h, v) * percent * 0.01);
    }
};

TEST_F(FibonacciToolTest, ANewToolHasTheDefaultLevelsAndEqualEndsDrawOnlyTheTrend) {
    TFibonacciTool fresh(nullptr);
    ASSERT_EQ(fresh.Levels()->Count(), 3);
    EXPECT_EQ(fresh.Levels()->Level(0)->Value(), 38.2);
    EXPECT_EQ(fresh.Levels()->Level(1)->Value(), 50);
    EXPECT_EQ(fresh.Levels()->Level(2)->Value(), 61.8);
    EXPECT_EQ(fresh.TrendPen()->Color(), TColor(255));
    EXPECT_EQ(fresh.KindName(), "Fibonacci");
    SetTrend(30, 30, 30, 30);
    bench.Render();
    EXPECT_EQ(fib->Anchor(), (TPoint{-1, -1}));
}

TEST_F(FibonacciToolTest, ArcsAreUpperHalvesForARisingTrendAndWholeCirclesForAFallingOne) {
    const struct {
        double X0, Y0, X1, Y1;
        bool Whole;
    } cases[] = {{0, 0, 10, 10, false}, {20, 30, 30, 20, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Whole ? "falling" : "rising");
        SetTrend(c.X0, c.Y0, c.X1, c.Y1);
        bench.Render();
        const TPoint a{bench.XPixel(c.X1), bench.YPixel(c.Y1)};
        EXPECT_EQ(fib->Anchor(), a);
        const double percents[] = {38.2, 50, 61.8};
        for (int i = 0; i < 3; ++i) {
            const int r = Radius(percents[i]);
            ASSERT_GT(r, 5);
            EXPECT_TRUE(ColorNear(a.X, a.Y - r, LevelColors[i])) << i;
            EXPECT_TRUE(ColorNear(a.X - r, a.Y, LevelColors[i])) << i;
            EXPECT_EQ(ColorNear(a.X, a.Y + r, LevelColors[i]), c.Whole) << i;
        }
    }
}

TEST_F(FibonacciToolTest, FansRunFromTheStartToTheSeriesLastX) {
    fib->SetSeries(bench.AddSeries({{0, 0}, {20, 5}}));
    fib->SetDrawStyle(fsFan);
    SetTrend(0, 0, 10, 10);
    bench.Render();
    EXPECT_EQ(fib->Anchor(), (TPoint{bench.XPixel(0), bench.YPixel(0)}));
    // 38.2 keeps 61.8 % of the slope, 50 half of it, 61.8 keeps 38.2 %.
    const double ends[] = {12.36, 10, 7.64};
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(ColorNear(bench.XPixel(20), bench.YPixel(ends[i]), LevelColors[i])) << i;
}

TEST_F(FibonacciToolTest, AVerticalTrendDrawsNoFans) {
    fib->SetDrawStyle(fsFan);
    SetTrend(30, 20, 30, 60);
    bench.Render();
    const auto withLevels = bench.FrontPixels();
    fib->Levels()->Clear();
    bench.Render();
    EXPECT_EQ(withLevels, bench.FrontPixels());
}

TEST_F(FibonacciToolTest, ACopyOwnsItsLevelsAndTheToolRoundTrips) {
    SetTrend(1, 2, 3, 4);
    fib->SetDrawStyle(fsFan);
    fib->SetLabelsAngle(45);
    static_cast<TFibonacciItem*>(fib->Levels()->Add())->SetValue(78.6);
    TFibonacciTool copy(nullptr);
    copy.Assign(fib);
    ASSERT_EQ(copy.Levels()->Count(), 4);
    EXPECT_EQ(copy.Levels()->Level(3)->Value(), 78.6);
    EXPECT_EQ(copy.EndY(), 4);
    EXPECT_EQ(copy.DrawStyle(), fsFan);
    copy.Levels()->Level(0)->Pen()->SetColor(clWhite);
    EXPECT_EQ(fib->Levels()->Level(0)->Pen()->Color(), LevelColors[0]);
    // A level's pen tells the tool's chart to repaint.
    const int64_t before = bench.Chart().Invalidations;
    fib->Levels()->Level(1)->Pen()->SetWidth(3);
    EXPECT_GT(bench.Chart().Invalidations, before);
    ExpectToolRoundTrips(bench, *fib);
    // A black trend line, the pen's own default, comes back black rather than red.
    fib->TrendPen()->SetColor(clBlack);
    for (const bool asText : {true, false}) {
        TComponent owner(nullptr);
        auto* read = dynamic_cast<TFibonacciTool*>(ReadBackTool(bench, *fib, asText, owner));
        ASSERT_NE(read, nullptr);
        EXPECT_EQ(read->TrendPen()->Color(), clBlack) << asText;
    }
}

}  // namespace
