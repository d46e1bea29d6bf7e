// The Gantt drag tool through the bench's mouse: bar ends caught within the pixel tolerance and
// moved no further than the other end, whole bars moved, the hover cursors, a series of another
// class left alone; and the tool from the gallery, edited and streamed.
#include <gtest/gtest.h>

#include "chart/engine/ChartAxis.h"
#include "chart/engine/PointSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/series/SeriesAndEditorsStartup.h"
#include "chart/series/xy/GanttSeries.h"
#include "chart/tools/overlay/GanttTool.h"
#include "chart/tools/overlay/GanttToolEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

// The series library started for the length of a test, so that Gantt series stream and are
// known by class name.
struct GanttSeriesLibrary {
    GanttSeriesLibrary() { ChartSeriesUnitStartup(); }
    ~GanttSeriesLibrary() { ChartSeriesUnitShutdown(); }
};

struct GanttToolTest : testing::Test {
    GanttSeriesLibrary library;
    TToolBench bench;
    TGanttSeries* gantt = new TGanttSeries(&bench.Form());
    TGanttTool* tool = bench.AddTool<TGanttTool>();
    GanttToolTest() {
        gantt->SetName("GanttSeries1");
        bench.Chart().AddSeries(gantt);
        // The bench's axes show 0..100 both ways.
        gantt->AddTask(10, 30, 20);
        gantt->AddTask(20, 50, 80);  // kept in the order of their starts
        gantt->AddTask(40, 60, 50);
        gantt->Pointer()->SetVertSize(10);
        tool->SetSeries(gantt);
        bench.Render();
    }
    double Start(int i) { return gantt->StartValues()[i]; }
    double End(int i) { return gantt->EndValues()[i]; }
    int Row(int i) { return bench.YPixel(gantt->YValues()[i]); }
};

TEST_F(GanttToolTest, APressNearAnEndResizesItNoFurtherThanTheOtherEnd) {
    int resized = -1, calls = 0;
    TGanttToolBarPart part = pbAll;
    tool->OnResizeBar = [&](TGanttTool*, int bar, TGanttToolBarPart p) {
        resized = bar;
        part = p;
        ++calls;
    };
    // Four pixels before the start, within half the bar's height, takes the start.
    bench.Press(bench.XPixel(40) - 4, Row(2) + 4);
    ASSERT_EQ(tool->BarIndex(), 2);
    EXPECT_EQ(tool->BarPart(), pbStart);
    bench.Move(bench.XPixel(45) - 4, Row(2));
    bench.Release(bench.XPixel(45) - 4, Row(2));
    EXPECT_EQ(tool->BarIndex(), -1);
    EXPECT_EQ(resized, 2);
    EXPECT_EQ(part, pbStart);
    EXPECT_GT(calls, 0);
    EXPECT_NEAR(Start(2),
                40 + bench.Bottom().ValueAtPixel(bench.XPixel(45)) -
                    bench.Bottom().ValueAtPixel(bench.XPixel(40)),
                1e-9);
    EXPECT_EQ(End(2), 60);
    // The start dragged past the end stops there: a bar of no length.
    bench.Drag(bench.XPixel(Start(2)), Row(2), bench.XPixel(90), Row(2));
    EXPECT_EQ(Start(2), 60);
    EXPECT_EQ(End(2), 60);
    // An end dragged before its start stops at the start.
    bench.Drag(bench.XPixel(30), Row(0), bench.XPixel(2), Row(0));
    EXPECT_EQ(part, pbEnd);
    EXPECT_EQ(Start(0), 10);
    EXPECT_EQ(End(0), 10);
    // Beside a bar's row neither an end nor the bar is caught.
    bench.Press(bench.XPixel(20), Row(1) + 12);
    EXPECT_EQ(tool->BarIndex(), -1);
    bench.Release(bench.XPixel(20), Row(1) + 12);
}

TEST_F(GanttToolTest, APressNearBothEndsTakesTheStart) {
    gantt->EndValues().SetValue(2, 40.1);  // an end a pixel or less from its start
    bench.Render();
    bench.Press(bench.XPixel(40), Row(2));
    EXPECT_EQ(tool->BarPart(), pbStart);
    EXPECT_EQ(tool->BarIndex(), 2);
    bench.Release(bench.XPixel(40), Row(2));
}

TEST_F(GanttToolTest, APressInsideABarMovesTheWholeBar) {
    int dragged = -1;
    tool->OnDragBar = [&](TGanttTool*, int bar) { dragged = bar; };
    const int from = bench.XPixel(30), to = bench.XPixel(45);
    bench.Drag(from, Row(1), to, Row(1));
    EXPECT_EQ(dragged, 1);
    const double by = bench.Bottom().ValueAtPixel(to) - bench.Bottom().ValueAtPixel(from);
    EXPECT_NEAR(Start(1), 20 + by, 1e-9);
    EXPECT_NEAR(End(1) - Start(1), 30, 1e-9);
    // Without resizing, a press at an end moves the whole bar too.
    tool->SetAllowResize(false);
    bench.Press(bench.XPixel(Start(1)) + 1, Row(1));
    EXPECT_EQ(tool->BarPart(), pbAll);
    EXPECT_EQ(tool->BarIndex(), 1);
    bench.Release(bench.XPixel(Start(1)) + 1, Row(1));
    // Without dragging either, nothing is caught.
    tool->SetAllowDrag(false);
    bench.Press(bench.XPixel(35), Row(1));
    EXPECT_EQ(tool->BarIndex(), -1);
    bench.Release(bench.XPixel(35), Row(1));
}

TEST_F(GanttToolTest, HoveringShowsWhatAPressWouldDo) {
    tool->SetCursorDrag(crCross);
    bench.Move(bench.XPixel(50), Row(2));
    EXPECT_EQ(bench.Chart().Cursor(), crCross);
    // Near an end, inside the bar.
    bench.Move(bench.XPixel(60) - 2, Row(2));
    EXPECT_EQ(bench.Chart().Cursor(), crSizeWE);
}

TEST_F(GanttToolTest, ASeriesOfAnotherClassIsLeftAlone) {
    TPointSeries* points = bench.AddSeries({{10, 1}, {40, 2}});
    tool->SetSeries(points);
    EXPECT_EQ(tool->GanttSeries(), nullptr);
    bench.Drag(bench.XPixel(10), bench.YPixel(1), bench.XPixel(30), bench.YPixel(1));
    EXPECT_EQ(tool->BarIndex(), -1);
    EXPECT_EQ(points->XValues()[0], 10);
}

TEST(GanttToolEditing, FromTheGalleryEditedAndStreamed) {
    GanttSeriesLibrary library;
    TToolBench bench;
    bench.AddSeries({{1, 1}});
    auto* gantt = new TGanttSeries(&bench.Form());
    gantt->SetName("GanttSeries1");
    bench.Chart().AddSeries(gantt);
    gantt->AddTask(1, 2, 1);
    TToolsPageDriver page{bench};

    auto* tool = dynamic_cast<TGanttTool*>(page.AddFromGallery(&TGanttTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TGanttToolEditor>();
    ASSERT_NE(editor, nullptr);
    // The Gantt series alone can be chosen.
    ASSERT_EQ(editor->CBSeries->Items()->Count(), 1);
    Choose(editor->CBSeries, 0);
    EXPECT_EQ(tool->Series(), gantt);
    EXPECT_EQ(editor->UpDown1->Position(), 5);
    EXPECT_TRUE(editor->CBAllowDrag->Checked());
    RunSteps({
        {"tolerance 8", [&] { editor->Edit1->SetText("8"); },
         [&] { return tool->MinPixels() == 8; }},
        {"no drag", [&] { editor->CBAllowDrag->SetChecked(false); },
         [&] { return !tool->AllowDrag(); }},
        {"no resize", [&] { editor->CBAllowResize->SetChecked(false); },
         [&] { return !tool->AllowResize(); }},
        {"drag cursor",
         [&] { Choose(editor->CBCursorDrag, editor->CBCursorDrag->Items()->IndexOf("Cross")); },
         [&] { return tool->CursorDrag() == crCross; }},
        {"resize cursor",
         [&] {
             Choose(editor->CBCursorResize, editor->CBCursorResize->Items()->IndexOf("HSplit"));
         },
         [&] { return tool->CursorResize() == crHSplit; }},
    });
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
