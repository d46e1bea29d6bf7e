// The series band tool: its outline down to the level or back along the second series, the
// fill behind or over the series, see-through, the second series' own drawing handlers kept
// and given back, the second series freed, its stream and its editor.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/fill/SeriesBandTool.h"
#include "chart/tools/fill/SeriesBandToolEditor.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct SeriesBandToolTest : ::testing::Test {
    TToolBench bench;
    TPointSeries* upper = bench.AddSeries({{10, 60}, {50, 70}, {90, 60}});
    TPointSeries* lower = bench.AddSeries({{10, 20}, {50, 30}, {90, 20}});
    TSeriesBandTool* band = bench.AddTool<TSeriesBandTool>();
    SeriesBandToolTest() {
        upper->SetSeriesColor(clBlue);
        lower->SetSeriesColor(clGreen);
        band->Brush()->SetColor(clRed);
        band->SetSeries(upper);
    }
    TColor At(double x, double y) { return bench.FrontPixel(bench.XPixel(x), bench.YPixel(y)); }
};

TEST_F(SeriesBandToolTest, WithoutASecondSeriesTheBandClosesAtTheLevel) {
    bench.Render();
    const std::vector<TPoint> expected = {{bench.XPixel(10), bench.YPixel(60)},
                                          {bench.XPixel(50), bench.YPixel(70)},
                                          {bench.XPixel(90), bench.YPixel(60)},
                                          {bench.XPixel(90), bench.YPixel(0)},
                                          {bench.XPixel(10), bench.YPixel(0)}};
    EXPECT_EQ(band->BandPoints(), expected);
    EXPECT_EQ(At(30, 5), clRed);
    band->SetBoundValue(40);
    bench.Render();
    EXPECT_NE(At(30, 5), clRed);
    EXPECT_EQ(At(30, 50), clRed);
}

TEST_F(SeriesBandToolTest, BetweenTwoSeriesBehindOrOverThem) {
    band->SetSeries2(lower);
    bench.Render();
    EXPECT_EQ(band->BandPoints().size(), 6u);
    EXPECT_EQ(At(50, 50), clRed);
    EXPECT_NE(At(50, 10), clRed);
    EXPECT_NE(At(50, 80), clRed);
    // Just inside the band, on the lower series' pointer: the series covers the band ...
    const int x = bench.XPixel(50), y = bench.YPixel(30) - 2;
    EXPECT_EQ(bench.FrontPixel(x, y), clGreen);
    // ... until the band is drawn after the series.
    band->SetDrawBehindSeries(false);
    bench.Render();
    EXPECT_EQ(bench.FrontPixel(x, y), clRed);
    // Fully see-through, the band is not seen.
    band->SetTransparency(100);
    bench.Render();
    EXPECT_NE(At(50, 50), clRed);
}

TEST_F(SeriesBandToolTest, TheSecondSeriesKeepsItsOwnHandlersAndGetsThemBack) {
    int before = 0, after = 0;
    lower->BeforeDrawValues = [&](TObject*) { ++before; };
    lower->AfterDrawValues = [&](TObject*) { ++after; };
    band->SetSeries2(lower);
    bench.Render();
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_EQ(At(50, 50), clRed);
    band->SetSeries2(nullptr);
    bench.Render();
    EXPECT_EQ(before, 2);
    EXPECT_EQ(after, 2);
    // Freed, the second series leaves a band down to the level.
    band->SetSeries2(lower);
    delete lower;
    EXPECT_EQ(band->Series2(), nullptr);
    bench.Render();
    EXPECT_EQ(At(30, 5), clRed);
}

TEST_F(SeriesBandToolTest, StreamedAndEdited) {
    band->SetSeries2(lower);
    band->SetTransparency(30);
    band->SetBoundValue(12.5);
    band->SetDrawBehindSeries(false);
    ExpectToolRoundTrips(bench, *band);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TSeriesBandToolEdit>(bench, *band, owner);
    EXPECT_EQ(editor->BandTool(), band);
    EXPECT_EQ(editor->CBSeries2->GetSelectedObject(), lower);
    editor->CBSeries2->SetItemIndex(0);
    editor->CBSeries2->OnChange(editor->CBSeries2);
    EXPECT_EQ(band->Series2(), nullptr);
}

}  // namespace
