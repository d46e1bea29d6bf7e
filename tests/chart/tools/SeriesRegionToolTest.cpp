// The series region tool: its outline over the whole series, between fractional bounds (which
// it no longer runs past), down to the origin or the bottom of the plot, bounds that miss the
// series, its fill, its stream and its editor.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/tools/fill/SeriesRegionEditor.h"
#include "chart/tools/fill/SeriesRegionTool.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct SeriesRegionToolTest : ::testing::Test {
    TToolBench bench;
    // y = 10 x at x = 0 .. 10.
    TPointSeries* series = bench.AddSeries({{0, 0},
                                            {1, 10},
                                            {2, 20},
                                            {3, 30},
                                            {4, 40},
                                            {5, 50},
                                            {6, 60},
                                            {7, 70},
                                            {8, 80},
                                            {9, 90},
                                            {10, 100}});
    TSeriesRegionTool* region = bench.AddTool<TSeriesRegionTool>();
    SeriesRegionToolTest() {
        region->SetSeries(series);
        region->Brush()->SetColor(clRed);
        bench.Render();
    }
    TPoint P(double x, double y) { return {bench.XPixel(x), bench.YPixel(y)}; }
};

TEST_F(SeriesRegionToolTest, TheWholeSeriesDownToTheOrigin) {
    std::vector<TPoint> expected;
    for (int x = 0; x <= 10; ++x) expected.push_back(P(x, 10 * x));
    for (const TPoint& p : {P(10, 100), P(10, 0), P(0, 0), P(0, 0)}) expected.push_back(p);
    EXPECT_EQ(region->RegionPoints(), expected);
    EXPECT_EQ(bench.FrontPixel(bench.XPixel(6), bench.YPixel(30)), clRed);
    EXPECT_NE(bench.FrontPixel(bench.XPixel(3), bench.YPixel(60)), clRed);
}

TEST_F(SeriesRegionToolTest, FractionalBoundsStopAtTheUpperBound) {
    region->SetAutoBounds(false);
    region->SetLowerBound(2.5);
    region->SetUpperBound(7.5);
    double y = 0;
    EXPECT_EQ(region->FindIndex(2.5, y), 3);
    EXPECT_DOUBLE_EQ(y, 25);
    EXPECT_EQ(region->FindIndex(7, y), 7);
    EXPECT_DOUBLE_EQ(y, 70);
    const std::vector<TPoint> expected = {P(3, 30),   P(4, 40),  P(5, 50),  P(6, 60),  P(7, 70),
                                          P(7.5, 75), P(7.5, 0), P(2.5, 0), P(2.5, 25)};
    EXPECT_EQ(region->RegionPoints(), expected);
    // Bounds on points themselves take them in.
    region->SetLowerBound(2);
    region->SetUpperBound(4);
    EXPECT_EQ(region->RegionPoints(), (std::vector<TPoint>{P(2, 20), P(3, 30), P(4, 40), P(4, 40),
                                                           P(4, 0), P(2, 0), P(2, 20)}));
    // Bounds beside the series draw nothing.
    region->SetLowerBound(11);
    region->SetUpperBound(20);
    EXPECT_TRUE(region->RegionPoints().empty());
    region->SetLowerBound(-5);
    region->SetUpperBound(0);
    EXPECT_TRUE(region->RegionPoints().empty());
    EXPECT_NO_THROW(bench.Render());
}

TEST_F(SeriesRegionToolTest, WithoutTheOriginDownToTheBottomOfThePlot) {
    region->SetOrigin(50);
    EXPECT_EQ(region->RegionPoints().back(), P(0, 0));
    EXPECT_EQ(region->RegionPoints()[12].Y, bench.YPixel(50));
    region->SetUseOrigin(false);
    EXPECT_EQ(region->RegionPoints()[12].Y, bench.Left().EndPos());
}

TEST_F(SeriesRegionToolTest, StreamedAndEdited) {
    region->SetAutoBounds(false);
    region->SetLowerBound(1.5);
    region->SetUpperBound(8.25);
    region->SetUseOrigin(false);
    region->SetOrigin(3);
    region->SetTransparency(40);
    region->SetColor(clYellow);
    region->SetDrawBehindSeries(false);
    ExpectToolRoundTrips(bench, *region);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TSeriesRegionEditor>(bench, *region, owner);
    EXPECT_EQ(editor->RegionTool(), region);
    EXPECT_TRUE(editor->ELower->Enabled());
    EXPECT_EQ(editor->EUpper->Text(), "8.25");
    editor->ELower->SetText("x");
    EXPECT_EQ(region->LowerBound(), 1.5);
    editor->ELower->SetText("2.5");
    EXPECT_EQ(region->LowerBound(), 2.5);
    editor->CBAutoBounds->SetChecked(true);
    EXPECT_TRUE(region->AutoBounds());
    EXPECT_FALSE(editor->ELower->Enabled());
}

}  // namespace
