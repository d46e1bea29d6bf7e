// The drag point and pie slice tools through the bench's mouse: a point dragged in both values
// or one, also over an axis that shows a single value; slices marked and unmarked as the mouse
// moves, outlined or exploded; and both tools from the gallery, edited and streamed.
#include <gtest/gtest.h>

#include <cmath>
#include <utility>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PieSeries.h"
#include "chart/engine/PieSeriesParts.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/overlay/DragPointTool.h"
#include "chart/tools/overlay/DragPointToolEditor.h"
#include "chart/tools/overlay/PieTool.h"
#include "chart/tools/overlay/PieToolEditor.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/RadioGroup.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct DragPointTest : testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{20, 20}, {50, 50}, {80, 80}});
    TDragPointTool* tool = bench.AddTool<TDragPointTool>();
    DragPointTest() {
        tool->SetSeries(series);
        bench.Render();
    }
};

TEST_F(DragPointTest, MovesThePointUnderThePress) {
    int dragged = -2, calls = 0;
    tool->OnDragPoint = [&](TDragPointTool*, int index) {
        dragged = index;
        ++calls;
    };
    const int x = bench.XPixel(60), y = bench.YPixel(30);
    bench.Drag(bench.XPixel(50), bench.YPixel(50), x, y);
    EXPECT_EQ(dragged, 1);
    EXPECT_GT(calls, 0);
    EXPECT_EQ(series->XValues()[1], bench.Bottom().ValueAtPixel(x));
    EXPECT_EQ(series->YValues()[1], bench.Left().ValueAtPixel(y));
    EXPECT_EQ(tool->DragIndex(), -1);
    // The others stay.
    EXPECT_EQ(series->XValues()[0], 20);
    EXPECT_EQ(series->YValues()[2], 80);
}

TEST_F(DragPointTest, OneStyleChangesOneValue) {
    tool->SetDragStyle(dsY);
    bench.Drag(bench.XPixel(50), bench.YPixel(50), bench.XPixel(70), bench.YPixel(30));
    EXPECT_EQ(series->XValues()[1], 50);
    EXPECT_NE(series->YValues()[1], 50);
    tool->SetDragStyle(dsX);
    bench.Drag(bench.XPixel(20), bench.YPixel(20), bench.XPixel(30), bench.YPixel(40));
    EXPECT_NE(series->XValues()[0], 20);
    EXPECT_EQ(series->YValues()[0], 20);
}

TEST_F(DragPointTest, AnAxisShowingOneValueGetsARange) {
    bench.Press(bench.XPixel(50), bench.YPixel(50));
    ASSERT_EQ(tool->DragIndex(), 1);
    bench.Left().SetMinimum(50);
    bench.Left().SetMaximum(50);
    bench.Move(bench.XPixel(50), 40);
    bench.Release(bench.XPixel(50), 40);
    EXPECT_FALSE(bench.Left().AutomaticMaximum());
    EXPECT_EQ(bench.Left().Maximum(), 50 + 0.1 * 1e-12);
    EXPECT_TRUE(std::isfinite(series->YValues()[1]));
}

TEST_F(DragPointTest, APressBesideThePointsDragsNothing) {
    bench.Drag(bench.XPixel(90), bench.YPixel(10), bench.XPixel(95), bench.YPixel(15));
    EXPECT_EQ(series->XValues()[1], 50);
    EXPECT_EQ(series->YValues()[1], 50);
}

struct PieToolTest : testing::Test {
    TToolBench bench;
    TPieSeries* pie = new TPieSeries(&bench.Form());
    TPieTool* tool = bench.AddTool<TPieTool>();
    TPoint inSlice[2];
    TPoint outside{2, 2};
    PieToolTest() {
        bench.Chart().AddSeries(pie);
        pie->AddValue(30, "a", clRed);
        pie->AddValue(70, "b", clBlue);
        tool->SetSeries(pie);
        bench.Render();
        // A pixel of each slice, as the pie finds them.
        bool found[2] = {false, false};
        for (int y = 0; y < TToolBench::Height; y += 4)
            for (int x = 0; x < TToolBench::Width; x += 4) {
                const int s = pie->SliceAtPoint(x, y);
                if (s >= 0 && !found[s]) {
                    found[s] = true;
                    inSlice[s] = TPoint{x, y};
                }
            }
        EXPECT_TRUE(found[0] && found[1]);
        EXPECT_EQ(pie->SliceAtPoint(outside.X, outside.Y), -1);
    }
};

TEST_F(PieToolTest, FocusFollowsTheMouseFromSliceToSlice) {
    bench.Move(inSlice[0].X, inSlice[0].Y);
    EXPECT_EQ(tool->Slice(), 0);
    const int64_t before = bench.Chart().Invalidations;
    bench.Move(inSlice[1].X, inSlice[1].Y);
    EXPECT_EQ(tool->Slice(), 1);
    EXPECT_GT(bench.Chart().Invalidations, before);  // the first one unmarked
    bench.Move(outside.X, outside.Y);
    EXPECT_EQ(tool->Slice(), -1);
    // Presses and releases mark nothing.
    bench.Press(inSlice[0].X, inSlice[0].Y);
    EXPECT_EQ(tool->Slice(), -1);
    bench.Release(inSlice[0].X, inSlice[0].Y);
}

TEST_F(PieToolTest, FocusColourAvoidsTheSlicesOwn) {
    const struct {
        TColor Pen, Slice, Outline;
    } cases[] = {{clRed, clBlue, clRed}, {clRed, clRed, clBlack}, {clBlack, clBlack, clWhite}};
    for (const auto& c : cases) {
        tool->Pen()->SetColor(c.Pen);
        EXPECT_EQ(tool->FocusColor(c.Slice), c.Outline) << c.Pen << " " << c.Slice;
    }
}

TEST_F(PieToolTest, ExplodeMovesTheSliceOutAndBack) {
    for (int b = 1; b <= TPieTool::ExplodeSteps; ++b)
        EXPECT_EQ(TPieTool::ExplodeAmount(b), int(std::nearbyint(b * 40.0 / 30))) << b;
    EXPECT_EQ(TPieTool::ExplodeAmount(30), 40);
    tool->SetStyle(ptExplode);
    tool->SetStepDelay(0);
    bench.Move(inSlice[0].X, inSlice[0].Y);
    ASSERT_EQ(tool->Slice(), 0);
    EXPECT_EQ(pie->ExplodedSlice().Value(0), 40);
    bench.Move(outside.X, outside.Y);
    EXPECT_EQ(tool->Slice(), -1);
    EXPECT_EQ(pie->ExplodedSlice().Value(0), 0);
}

TEST(DragPointPieEditing, FromTheGalleryEditedAndStreamed) {
    TToolBench bench;
    TPointSeries* points = bench.AddSeries({{1, 1}});
    auto* pie = new TPieSeries(&bench.Form());
    pie->SetName("PieSeries1");
    bench.Chart().AddSeries(pie);
    pie->AddValue(5);
    TToolsPageDriver page{bench};

    auto* drag = dynamic_cast<TDragPointTool*>(page.AddFromGallery(&TDragPointTool::StaticClass()));
    ASSERT_NE(drag, nullptr);
    auto* dragEditor = page.Editor<TDragPointToolEdit>();
    ASSERT_NE(dragEditor, nullptr);
    EXPECT_EQ(dragEditor->RGStyle->ItemIndex(), 2);
    dragEditor->RGStyle->SetItemIndex(1);
    EXPECT_EQ(drag->DragStyle(), dsY);
    drag->SetSeries(points);
    dragEditor->Hide();
    dragEditor->Show();
    EXPECT_TRUE(dragEditor->CBCursor->Enabled());
    Choose(dragEditor->CBCursor, dragEditor->CBCursor->Items()->IndexOf("HandPoint"));
    EXPECT_EQ(points->Cursor(), crHandPoint);
    ExpectToolRoundTrips(bench, *drag);

    auto* pieTool = dynamic_cast<TPieTool*>(page.AddFromGallery(&TPieTool::StaticClass()));
    ASSERT_NE(pieTool, nullptr);
    auto* pieEditor = page.Editor<TPieToolEditor>();
    ASSERT_NE(pieEditor, nullptr);
    EXPECT_EQ(pieEditor->LPieSeries->Caption(), "Pie");
    ASSERT_TRUE(pieEditor->CBPieSeries->Enabled());
    ASSERT_EQ(pieEditor->CBPieSeries->Items()->Count(), 1);  // the pie only
    Choose(pieEditor->CBPieSeries, 0);
    EXPECT_EQ(pieTool->Series(), pie);
    pieEditor->RGStyle->SetItemIndex(1);
    EXPECT_EQ(pieTool->Style(), ptExplode);
    ExpectToolRoundTrips(bench, *pieTool);
}

}  // namespace
