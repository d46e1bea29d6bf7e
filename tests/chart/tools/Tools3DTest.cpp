// The tools of the axes and the cursor on a 3-D chart: drawn at their depths in a drawing pass,
// the cursor's XOR figure (at its series' depth) taken away by drawing it again, and moves and
// drags that draw without a drawing pass.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "chart/tools/axis/GridBandTool.h"
#include "chart/tools/overlay/CursorTool.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

TEST(Tools3D, DrawnAtTheirDepthsAndMovedWithoutADrawingPass) {
    TToolBench bench;
    bench.Chart().SetView3D(true);
    TPointSeries* series = bench.AddSeries({{10, 10}, {50, 60}, {90, 30}});
    auto* grid = bench.AddTool<TGridBandTool>();
    grid->SetAxis(&bench.Left());
    grid->Band1()->SetColor(clSilver);
    auto* band = bench.AddTool<TColorBandTool>();
    band->SetAxis(&bench.Bottom());
    band->SetStartValue(20);
    band->SetEndValue(40);
    band->SetColor(clYellow);
    auto* line = bench.AddTool<TColorLineTool>();
    line->SetAxis(&bench.Bottom());
    line->SetValue(70);
    auto* arrows = bench.AddTool<TAxisArrowTool>();
    arrows->SetAxis(&bench.Bottom());
    auto* cursor = bench.AddTool<TCursorTool>();
    cursor->SetSeries(series);
    cursor->SetUseSeriesZ(true);
    cursor->SetStyle(cssScope);
    cursor->SetHorizSize(10);
    cursor->SetVertSize(10);
    bench.Render();

    // The cursor drawn again is gone, to the last pixel.
    const std::vector<uint8_t> drawn = bench.FrontPixels();
    cursor->RedrawCursor();
    EXPECT_NE(bench.FrontPixels(), drawn);
    cursor->RedrawCursor();
    EXPECT_EQ(bench.FrontPixels(), drawn);

    const int64_t passes = bench.Chart().DrawPasses;
    const int64_t invalidations = bench.Chart().Invalidations;
    cursor->SetFollowMouse(true);
    bench.Move(cursor->XPixel() + 20, cursor->YPixel() - 15);
    EXPECT_NE(bench.FrontPixels(), drawn);
    // The colour line dragged in NOT-XOR mode.
    const TRect& r = bench.Chart().ChartRect();
    const int x = bench.XPixel(70), y = (r.Top + r.Bottom) / 2;
    cursor->SetFollowMouse(false);
    bench.Press(x, y);
    ASSERT_TRUE(line->Dragging());
    bench.Move(x + 10, y);
    bench.Move(x + 15, y);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations);
    bench.Release(x + 15, y);
    EXPECT_EQ(line->Value(), bench.Bottom().ValueAtPixel(x + 15));
    bench.Render();
    EXPECT_EQ(bench.Chart().DrawPasses, passes + 1);
}

}  // namespace
