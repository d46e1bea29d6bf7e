// The transpose tools: a chart's series turned into one series a point index (nulls where a
// series is shorter, null points keeping their values), twice back to the values; a 3-D grid
// series' cells swapped X by Z with its palette kept; their editors' commands, and streams.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/grid3d/ColorGridSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/data/GridTransposeTool.h"
#include "chart/tools/data/GridTransposeToolEditor.h"
#include "chart/tools/data/TransposeSeriesTool.h"
#include "chart/tools/data/TransposeSeriesToolEditor.h"
#include "platform/ui/Button.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

// Every series' mandatory values, with -1 standing for a null point.
std::vector<std::vector<double>> SeriesValues(TChart& chart) {
    std::vector<std::vector<double>> all;
    for (int i = 0; i < chart.SeriesCount(); ++i) {
        TChartSeries& s = *chart.GetSeries(i);
        std::vector<double> values;
        for (int j = 0; j < s.Count(); ++j)
            values.push_back(s.IsNullValue(j) ? -1 : s.MandatoryValue(j));
        all.push_back(values);
    }
    return all;
}

using TTable = std::vector<std::vector<double>>;

TEST(TransposeSeriesTool, TwoSeriesOfThreeBecomeThreeOfTwo) {
    TToolBench bench;
    bench.AddSeries({{0, 1}, {1, 2}, {2, 3}});
    bench.AddSeries({{0, 4}, {1, 5}, {2, 6}});
    auto* tool = bench.AddTool<TTransposeSeriesTool>();
    tool->Transpose();
    EXPECT_EQ(SeriesValues(bench.Chart()), (TTable{{1, 4}, {2, 5}, {3, 6}}));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(bench.Chart().GetSeries(i)->ClassName(), "TPointSeries");
    tool->Transpose();
    EXPECT_EQ(SeriesValues(bench.Chart()), (TTable{{1, 2, 3}, {4, 5, 6}}));
}

TEST(TransposeSeriesTool, ShorterSeriesGiveNullsAndNullPointsKeepTheirValues) {
    TToolBench bench;
    bench.AddSeries({{0, 1}, {1, 2}, {2, 3}});
    TPointSeries* shorter = bench.AddSeries({{0, 4}});
    shorter->AddNullValue(7);
    bench.AddTool<TTransposeSeriesTool>()->Transpose();
    EXPECT_EQ(SeriesValues(bench.Chart()), (TTable{{1, 4}, {2, -1}, {3, -1}}));
    EXPECT_EQ(bench.Chart().GetSeries(1)->MandatoryValue(1), 7);
    EXPECT_EQ(bench.Chart().GetSeries(2)->MandatoryValue(1), 0);
}

TEST(TransposeSeriesTool, AChartWithoutSeriesAndTheEditorsCommand) {
    TToolBench bench;
    auto* tool = bench.AddTool<TTransposeSeriesTool>();
    tool->Transpose();
    EXPECT_EQ(bench.Chart().SeriesCount(), 0);
    bench.AddSeries({{0, 1}, {1, 2}});
    ExpectToolRoundTrips(bench, *tool);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TTransposeSeriesToolEdit>(bench, *tool, owner);
    editor->BTranspose->Click();
    EXPECT_EQ(SeriesValues(bench.Chart()), (TTable{{1}, {2}}));
}

// The grid series' classes known to the stream for the test's length.
struct TGridSeriesClasses {
    TGridSeriesClasses() { GridSeriesUnitStartup(); }
    ~TGridSeriesClasses() { GridSeriesUnitShutdown(); }
};

struct GridTransposeTest : ::testing::Test {
    TGridSeriesClasses classes;
    TToolBench bench;
    TCustom3DGridSeries* grid = new TColorGridSeries(&bench.Form());
    TGridTransposeTool* tool = bench.AddTool<TGridTransposeTool>();
    GridTransposeTest() {
        grid->SetName("Grid1");
        bench.Chart().AddSeries(grid);
        grid->AddXYZValues(0, 1, 5);
        grid->AddXYZValues(1, 2, 6);
        grid->AddXYZValues(2, 3, 5);
        grid->SetPaletteStyle(psCustom);
        grid->AddPaletteEntry(clRed, 1);
        grid->AddPaletteEntry(clBlue, 3);
    }
    std::vector<std::vector<double>> Cells() {
        std::vector<std::vector<double>> cells;
        for (int i = 0; i < grid->Count(); ++i)
            cells.push_back({grid->XValueAt(i), grid->YValueAt(i), grid->ZValues()[i]});
        return cells;
    }
};

TEST_F(GridTransposeTest, SwapsXByZAndKeepsThePalette) {
    const TCustom3DPalette palette = grid->Palette();
    const auto before = Cells();
    // Without a series, or inactive, nothing happens.
    tool->Transpose();
    EXPECT_EQ(Cells(), before);
    tool->SetSeries(grid);
    tool->SetActive(false);
    tool->Transpose();
    EXPECT_EQ(Cells(), before);
    tool->SetActive(true);
    tool->Transpose();
    EXPECT_EQ(Cells(), (TTable{{5, 1, 0}, {6, 2, 1}, {5, 3, 2}}));
    EXPECT_EQ(grid->Palette(), palette);
    // Only a grid series is taken.
    tool->SetSeries(bench.AddSeries({{0, 1}}));
    EXPECT_EQ(tool->Series(), nullptr);
}

TEST_F(GridTransposeTest, TheEditorListsGridSeriesAndRunsTheCommand) {
    bench.AddSeries({{0, 1}});
    ExpectToolRoundTrips(bench, *tool);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TGridTransposeToolEdit>(bench, *tool, owner);
    ASSERT_EQ(editor->CBSeries->Items()->Count(), 1);
    EXPECT_FALSE(editor->BTranspose->Enabled());
    editor->CBSeries->SetItemIndex(0);
    editor->CBSeries->OnChange(editor->CBSeries);
    EXPECT_EQ(tool->Series(), grid);
    ASSERT_TRUE(editor->BTranspose->Enabled());
    editor->BTranspose->Click();
    EXPECT_EQ(Cells()[0], (std::vector<double>{5, 1, 0}));
    tool->SetSeries(grid);
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
