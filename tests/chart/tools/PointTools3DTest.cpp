// The draw line and nearest point tools on a 3-D chart: their NOT-XOR figures, drawn at depth,
// go away to the last pixel when drawn again, and no mouse move asks for a drawing pass.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/PointSeries.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/overlay/NearestTool.h"
#include "tests/chart/tools/ToolBench.h"

namespace {

TEST(PointTools3D, InvertingFiguresAtDepthGoAwayWithoutADrawingPass) {
    TToolBench bench;
    bench.Chart().SetView3D(true);
    TPointSeries* series = bench.AddSeries({{10, 10}, {50, 60}, {90, 30}});
    auto* lines = bench.AddTool<TDrawLineTool>();
    auto* kept = static_cast<TDrawLine*>(lines->Lines()->Add());
    kept->SetStyle(dlRectangle);
    kept->SetX0(20);
    kept->SetY0(20);
    kept->SetX1(40);
    kept->SetY1(70);
    auto* nearest = bench.AddTool<TNearestTool>();
    nearest->SetSeries(series);
    nearest->SetFullRepaint(false);
    nearest->SetStyle(hsDiamond);
    bench.AddTool<TAnnotationTool>()->SetText("3-D");
    bench.Render();

    const std::vector<uint8_t> drawn = bench.FrontPixels();
    int64_t passes = bench.Chart().DrawPasses;
    int64_t invalidations = bench.Chart().Invalidations;
    const int x = bench.XPixel(60), y = bench.YPixel(40);
    // The nearest point's mark comes and goes with the mouse.
    bench.Move(x, y);
    EXPECT_NE(nearest->Point(), -1);
    EXPECT_NE(bench.FrontPixels(), drawn);
    bench.Leave();
    EXPECT_EQ(bench.FrontPixels(), drawn);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations);
    // A line being drawn, moved about and back to where it started.
    nearest->SetActive(false);
    passes = bench.Chart().DrawPasses;
    invalidations = bench.Chart().Invalidations;
    bench.Press(x, y);
    bench.Move(x + 40, y + 30);
    EXPECT_NE(bench.FrontPixels(), drawn);
    bench.Move(x - 25, y + 5);
    bench.Move(x, y);
    EXPECT_EQ(bench.FrontPixels(), drawn);
    EXPECT_EQ(bench.Chart().DrawPasses, passes);
    EXPECT_EQ(bench.Chart().Invalidations, invalidations);
    bench.Release(x, y);
    EXPECT_EQ(lines->Lines()->Count(), 1);
}

}  // namespace
