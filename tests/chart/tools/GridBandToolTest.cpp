// The grid band on the bench: the stripes of an axis with two ticks (a partial stripe at each
// end and one between), nothing at all from two clear brushes, a hatch over the back wall's
// colour, and the stripes following the tool from one axis to another.
#include <gtest/gtest.h>

#include <set>
#include <vector>

#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartWalls.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "chart/tools/axis/GridBandTool.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

struct GridBandToolTest : ::testing::Test {
    TToolBench bench;
    TGridBandTool* bands = bench.AddTool<TGridBandTool>();
    GridBandToolTest() {
        bench.AddSeries({{10, 10}, {90, 90}});
        bands->Band1()->SetColor(clRed);
        bands->Band2()->SetColor(clBlue);
    }
    // Two ticks, at 40 and 80, on an axis of 5 .. 95.
    void TwoTicks(TChartAxis& axis) {
        axis.SetLimits(5, 95);
        axis.SetIncrement(40);
    }
    // The colour halfway across the chart at a value of the axis.
    TColor At(TChartAxis& axis, double value) {
        const TRect& r = bench.Chart().ChartRect();
        const int p = axis.PixelOfValue(value);
        return axis.Horizontal() ? bench.FrontPixel(p, (r.Top + r.Bottom) / 2 + 3)
                                 : bench.FrontPixel((r.Left + r.Right) / 2 + 3, p);
    }
};

TEST_F(GridBandToolTest, AnAxisWithTwoTicksGetsThreeStripes) {
    for (TChartAxis* axis : {&bench.Bottom(), &bench.Left()}) {
        SCOPED_TRACE(axis->Horizontal() ? "bottom" : "left");
        bench.Bottom().SetLimits(0, 100);
        bench.Left().SetLimits(0, 100);
        bands->SetAxis(axis);
        TwoTicks(*axis);
        bench.Render();
        ASSERT_EQ(axis->TickPositions().size(), 2u);
        // From the maximum down: a partial stripe, the stripe between the ticks, a partial one.
        EXPECT_EQ(At(*axis, 90), clRed);
        EXPECT_EQ(At(*axis, 60), clBlue);
        EXPECT_EQ(At(*axis, 20), clRed);
    }
}

TEST_F(GridBandToolTest, ASeeThroughBrushMixesWithTheChart) {
    bands->SetAxis(&bench.Bottom());
    TwoTicks(bench.Bottom());
    bands->SetActive(false);
    bench.Render();
    const TColor chartThere = At(bench.Bottom(), 60);
    bands->SetActive(true);
    bands->Band2()->SetTransparency(50);
    bench.Render();
    const TColor mixed = At(bench.Bottom(), 60);
    for (const int shift : {0, 8, 16}) {
        const int a = (clBlue >> shift) & 0xFF, b = (chartThere >> shift) & 0xFF;
        EXPECT_NEAR((mixed >> shift) & 0xFF, (a + b) / 2, 1) << shift;
    }
    EXPECT_EQ(At(bench.Bottom(), 90), clRed);  // the other brush stays solid
}

TEST_F(GridBandToolTest, TwoClearBrushesDrawNothing) {
    bands->SetAxis(&bench.Bottom());
    bands->SetActive(false);
    bench.Render();
    const std::vector<uint8_t> without = bench.FrontPixels();
    bands->SetActive(true);
    bands->Band1()->SetStyle(bsClear);
    bands->Band2()->SetStyle(bsClear);
    bench.Render();
    EXPECT_EQ(bench.FrontPixels(), without);
    // One clear brush leaves every other stripe alone.
    bands->Band2()->SetStyle(bsSolid);
    TwoTicks(bench.Bottom());
    bench.Render();
    EXPECT_NE(At(bench.Bottom(), 90), clRed);
    EXPECT_EQ(At(bench.Bottom(), 60), clBlue);
}

TEST_F(GridBandToolTest, AHatchWithoutBackColourShowsTheBackWallsColour) {
    auto& chart = bench.Chart();
    chart.BackWall()->SetColor(clAqua);
    bands->SetAxis(&bench.Bottom());
    TwoTicks(bench.Bottom());
    bands->Band2()->SetStyle(bsCross);
    EXPECT_EQ(bands->BandColor(*bands->Band2()), clAqua);
    bench.Render();
    // Between grid lines of both axes.
    std::set<TColor> seen;
    for (int x = bench.XPixel(45); x < bench.XPixel(75); ++x)
        for (int y = bench.YPixel(98); y < bench.YPixel(92); ++y)
            seen.insert(bench.FrontPixel(x, y));
    EXPECT_EQ(seen, (std::set<TColor>{clBlue, clAqua}));
    bands->Band2()->SetBackColor(clYellow);
    EXPECT_EQ(bands->BandColor(*bands->Band2()), clYellow);
}

TEST_F(GridBandToolTest, ChangingTheAxisMovesTheStripes) {
    bands->SetAxis(&bench.Left());
    EXPECT_TRUE(bool(bench.Left().OnBeforeDrawGrid));
    bands->SetAxis(&bench.Bottom());
    EXPECT_FALSE(bool(bench.Left().OnBeforeDrawGrid));
    EXPECT_TRUE(bool(bench.Bottom().OnBeforeDrawGrid));
    TwoTicks(bench.Bottom());
    TwoTicks(bench.Left());
    bench.Render();
    // Stripes across the bottom axis: the colour changes along X, not along Y.
    const int y0 = bench.YPixel(20), y1 = bench.YPixel(60);
    const int x = bench.XPixel(60);
    EXPECT_EQ(bench.FrontPixel(x, y0), clBlue);
    EXPECT_EQ(bench.FrontPixel(x, y1), clBlue);
    // The tool freed takes its hook with it, but not the hook another band put there since.
    auto* other = bench.AddTool<TGridBandTool>();
    other->SetAxis(&bench.Left());
    bands->SetAxis(&bench.Left());
    TObject::Free(other);
    EXPECT_TRUE(bool(bench.Left().OnBeforeDrawGrid));
    TObject::Free(bands);
    EXPECT_FALSE(bool(bench.Left().OnBeforeDrawGrid));
    EXPECT_FALSE(bool(bench.Bottom().OnBeforeDrawGrid));
}

}  // namespace
