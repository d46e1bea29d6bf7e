// The surface nearest tool: a cell under the mouse recolours its cell, row and column once, the
// points' own colours come back when the mouse leaves; only surface series are taken; its
// stream and its editor.
#include <gtest/gtest.h>

#include <set>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/grid3d/GridSeriesRegistration.h"
#include "chart/engine/grid3d/SurfaceSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/overlay/SurfaceNearestEditor.h"
#include "chart/tools/overlay/SurfaceNearestTool.h"
#include "platform/ui/CheckBox.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolEditorLoad.h"
#include "tests/chart/tools/ToolRoundTrip.h"

namespace {

struct TSurfaceClasses {
    TSurfaceClasses() { GridSeriesUnitStartup(); }
    ~TSurfaceClasses() { GridSeriesUnitShutdown(); }
};

struct SurfaceNearestToolTest : ::testing::Test {
    TSurfaceClasses classes;
    TToolBench bench;
    TSurfaceSeries* surface = new TSurfaceSeries(&bench.Form());
    TSurfaceNearestTool* tool = bench.AddTool<TSurfaceNearestTool>();
    SurfaceNearestToolTest() {
        surface->SetName("Surface1");
        bench.Chart().AddSeries(surface);
        for (int x = 0; x < 4; ++x)
            for (int z = 0; z < 4; ++z) surface->AddXYZValues(x, x + z, z);
        bench.Bottom().SetMaximum(3);
        bench.Left().SetMaximum(6);
        surface->SetPointColor(0, clYellow);
        tool->SetSeries(surface);
        bench.Render();
    }
    // A point of the chart over the surface, found by asking the series.
    bool PointOverSurface(int& px, int& py) {
        for (py = 20; py < TToolBench::Height - 20; py += 3)
            for (px = 20; px < TToolBench::Width - 20; px += 3)
                if (surface->ValueIndexAt(px, py) >= 0) return true;
        return false;
    }
};

TEST_F(SurfaceNearestToolTest, HighlightsOnceAndGivesTheOwnColoursBack) {
    int selections = 0;
    tool->OnSelectCell = [&](TObject*) { ++selections; };
    int px = 0, py = 0;
    ASSERT_TRUE(PointOverSurface(px, py));
    bench.Move(px, py);
    EXPECT_EQ(tool->Cell(), surface->ValueIndexAt(px, py));
    EXPECT_EQ(selections, 1);
    std::set<TColor> used;
    for (int i = 0; i < surface->Count(); ++i) used.insert(surface->StoredPointColor(i));
    EXPECT_TRUE(used.count(clRed));
    EXPECT_TRUE(used.count(clBlue) || used.count(clGreen));
    // The same cell again changes nothing.
    bench.Move(px, py);
    EXPECT_EQ(selections, 1);
    // Off the surface, every point has its own colour again.
    bench.Move(2, 2);
    EXPECT_EQ(tool->Cell(), -1);
    EXPECT_EQ(selections, 2);
    EXPECT_EQ(surface->StoredPointColor(0), clYellow);
    for (int i = 1; i < surface->Count(); ++i) EXPECT_EQ(surface->StoredPointColor(i), clDefault);
}

TEST_F(SurfaceNearestToolTest, OnlySurfacesAndStreamedAndEdited) {
    tool->SetSeries(bench.AddSeries({{1, 1}}));
    EXPECT_EQ(tool->Series(), nullptr);
    tool->SetSeries(surface);
    tool->SetCellColor(clNone);
    tool->SetRowColor(clDefault);
    ExpectToolRoundTrips(bench, *tool);
    TComponent owner(nullptr);
    auto* editor = ShowToolEditor<TSurfaceNearest>(bench, *tool, owner);
    EXPECT_EQ(editor->CBSeries->Items()->Count(), 1);
    EXPECT_TRUE(editor->NoneBoxes[0]->Checked());
    EXPECT_TRUE(editor->DefaultBoxes[1]->Checked());
    EXPECT_FALSE(editor->DefaultBoxes[2]->Checked());
    editor->DefaultBoxes[2]->SetChecked(true);
    EXPECT_EQ(tool->ColumnColor(), clDefault);
}

}  // namespace
