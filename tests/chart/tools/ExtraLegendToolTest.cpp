// The extra legend tool: nothing without a series (its legend not even made), its own place and
// style apart from the chart's legend, its stream and its editor.
#include <gtest/gtest.h>

#include "chart/editors/LegendPage.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PointSeries.h"
#include "chart/tools/legend/ExtraLegendEditor.h"
#include "chart/tools/legend/ExtraLegendTool.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

TEST(ExtraLegendTool, WithoutASeriesItDrawsNothingAndMakesNoLegend) {
    TToolBench bench;
    bench.AddSeries({{1, 1}, {2, 2}});
    auto* tool = bench.AddTool<TExtraLegendTool>();
    bench.Render();
    EXPECT_FALSE(tool->HasLegend());
    ExpectToolRoundTrips(bench, *tool);
}

TEST(ExtraLegendTool, ListsItsSeriesValuesAtItsOwnPlace) {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{1, 10}, {2, 20}, {3, 30}});
    const std::vector<uint8_t> without = (bench.Render(), bench.FrontPixels());
    auto* tool = bench.AddTool<TExtraLegendTool>();
    tool->SetSeries(series);
    TChartLegend& legend = *tool->Legend();
    EXPECT_TRUE(legend.CustomPosition());
    EXPECT_EQ(legend.LegendStyle(), lsValues);
    legend.SetLeft(200);
    legend.SetTop(40);
    bench.Render();
    EXPECT_EQ(legend.ShapeBounds().Left, 200);
    EXPECT_EQ(legend.ShapeBounds().Top, 40);
    EXPECT_EQ(legend.LastValue(), 2);
    EXPECT_NE(bench.FrontPixels(), without);
    // The chart's own legend is untouched: still hidden, in its automatic place and style.
    TChartLegend& main = *bench.Chart().Legend();
    EXPECT_FALSE(main.Visible());
    EXPECT_FALSE(main.CustomPosition());
    EXPECT_EQ(main.LegendStyle(), lsAuto);
    // Hidden, the extra legend is not drawn.
    legend.SetVisible(false);
    bench.Render();
    EXPECT_EQ(bench.FrontPixels(), without);
}

TEST(ExtraLegendTool, StreamedAndEdited) {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{1, 10}, {2, 20}});
    auto* tool = bench.AddTool<TExtraLegendTool>();
    tool->SetSeries(series);
    tool->Legend()->SetLeft(120);
    tool->Legend()->SetTop(30);
    tool->Legend()->SetColorWidth(30);
    ExpectToolRoundTrips(bench, *tool);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TExtraLegendEditor>(bench, *tool, owner);
    EXPECT_EQ(editor->LegendTool(), tool);
    ASSERT_NE(editor->LegendPage(), nullptr);
    EXPECT_TRUE(editor->LegendPage()->Visible());
}

}  // namespace
