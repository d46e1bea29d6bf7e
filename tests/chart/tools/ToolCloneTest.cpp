// A tool cloned (the tools page's Clone) carries every setting its class copies: the cursor,
// the colour line and band with both its lines, the grid band with both brushes.
#include <gtest/gtest.h>

#include <string>

#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesCreation.h"
#include "chart/foundation/ChartPen.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "chart/tools/axis/GridBandTool.h"
#include "chart/tools/overlay/CursorTool.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/support/ComponentText.h"

namespace {

// The stream text of a tool with its name left out.
std::string Settings(TTeeCustomTool& tool) {
    const std::string name = tool.Name();
    tool.SetName("");
    std::string text = StreamText(tool);
    tool.SetName(name);
    return text;
}

void ExpectCloneEqual(TTeeCustomTool& tool, TToolBench& bench) {
    TTeeCustomTool* copy = CloneChartTool(&tool, &bench.Form());
    copy->SetParentChart(tool.ParentChart());
    EXPECT_EQ(Settings(*copy), Settings(tool)) << tool.ClassName();
}

TEST(ToolClone, EverySettingOfTheClassComesAlong) {
    TToolBench bench;
    TChartSeries* series = bench.AddSeries({{10, 10}});
    auto* cursor = bench.AddTool<TCursorTool>();
    cursor->SetSeries(series);
    cursor->SetStyle(cssScope);
    cursor->SetScopeStyle(scsCamera);
    cursor->SetClickTolerance(6);
    cursor->SetSnap(true);
    cursor->Pen()->SetColor(clRed);
    ExpectCloneEqual(*cursor, bench);

    auto* line = bench.AddTool<TColorLineTool>();
    line->SetAxis(&bench.Left());
    line->SetValue(37.5);
    line->SetDrawBehind(true);
    line->SetNoLimitDrag(true);
    ExpectCloneEqual(*line, bench);

    auto* band = bench.AddTool<TColorBandTool>();
    band->SetAxis(&bench.Bottom());
    band->SetStartValue(12);
    band->SetEndValue(34);
    band->SetColor(clAqua);
    band->SetTransparency(20);
    band->SetResizeEnd(true);
    band->EndLinePen()->SetWidth(3);
    ExpectCloneEqual(*band, bench);

    auto* grid = bench.AddTool<TGridBandTool>();
    grid->SetAxis(&bench.Left());
    grid->Band1()->SetColor(clMaroon);
    grid->Band2()->SetTransparency(45);
    ExpectCloneEqual(*grid, bench);
}

}  // namespace
