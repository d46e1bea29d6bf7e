// The selector tool through the bench's mouse: the resize zone at the chart's corner, the drag
// threshold of a selected annotation, the buttons and double-clicks it ignores, the handles of
// the selected part, a switched-off series losing the selection, and its editor and stream.
#include <gtest/gtest.h>

#include <vector>

#include "chart/engine/ChartSeries.h"
#include "chart/engine/PointSeries.h"
#include "chart/tools/annotation/AnnotationTool.h"
#include "chart/tools/annotation/SelectorTool.h"
#include "chart/tools/annotation/SelectorToolEditor.h"
#include "chart/tools/annotation/TextShape.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct SelectorToolTest : testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{10, 10}, {50, 50}, {90, 90}});
    TAnnotationTool* note = bench.AddTool<TAnnotationTool>();
    TSelectorTool* tool = bench.AddTool<TSelectorTool>();
    int selected = 0;
    SelectorToolTest() {
        note->SetText("A note");
        tool->OnSelected = [this](TObject*) { ++selected; };
        bench.Render();
    }
    TPoint InNote() {
        const TRect r = note->ShapeBounds();
        return TPoint{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
};

TEST_F(SelectorToolTest, ACornerPressResizesTheChart) {
    tool->SetAllowResizeChart(true);
    int resizing = 0, resized = 0;
    tool->OnResizing = [&](TObject*) { ++resizing; };
    tool->OnResized = [&](TObject*) { ++resized; };
    bench.Press(TToolBench::Width - 8, TToolBench::Height - 8);
    EXPECT_TRUE(tool->Resizing());
    EXPECT_EQ(selected, 0);
    EXPECT_EQ(tool->Part().Part, ckNone);
    bench.Move(350, 250);
    EXPECT_EQ(bench.Chart().Width(), 350);
    EXPECT_EQ(bench.Chart().Height(), 250);
    bench.Release(350, 250);
    EXPECT_EQ(resizing, 1);
    EXPECT_EQ(resized, 1);
    EXPECT_FALSE(tool->Resizing());
    // Just outside the zone, or without the option, a press selects.
    bench.Press(350 - 9, 250 - 9);
    EXPECT_FALSE(tool->Resizing());
    bench.Release(350 - 9, 250 - 9);
    tool->SetAllowResizeChart(false);
    bench.Press(350 - 2, 250 - 2);
    EXPECT_FALSE(tool->Resizing());
    bench.Release(350 - 2, 250 - 2);
}

TEST_F(SelectorToolTest, AnAnnotationMovesOnlyPastTheThreshold) {
    int dragged = 0;
    tool->OnDragged = [&](TObject*) { ++dragged; };
    const TPoint p = InNote();
    const int left = note->Shape()->Left(), top = note->Shape()->Top();
    bench.Press(p.X, p.Y);
    EXPECT_EQ(tool->SelectedAnnotation(), note);
    EXPECT_EQ(selected, 1);
    ASSERT_TRUE(tool->Dragging());
    bench.Move(p.X + 1, p.Y);
    bench.Move(p.X + 2, p.Y + 2);
    EXPECT_EQ(note->Shape()->Left(), left);
    EXPECT_EQ(note->Shape()->Top(), top);
    bench.Move(p.X + 3, p.Y + 2);
    EXPECT_EQ(note->Shape()->Left(), left + 3);
    EXPECT_EQ(note->Shape()->Top(), top + 2);  // once moved, every pixel counts
    bench.Move(p.X + 4, p.Y + 3);
    EXPECT_EQ(note->Shape()->Left(), left + 4);
    EXPECT_EQ(note->Shape()->Top(), top + 3);
    bench.Release(p.X + 4, p.Y + 3);
    EXPECT_EQ(dragged, 1);
    // Without AllowDrag the annotation is selected and stays.
    tool->SetAllowDrag(false);
    bench.Drag(p.X + 4, p.Y + 3, p.X + 40, p.Y + 30);
    EXPECT_EQ(note->Shape()->Left(), left + 4);
}

TEST_F(SelectorToolTest, RightButtonAndDoubleClickDoNothing) {
    const TPoint p = InNote();
    bench.Press(p.X, p.Y, mbRight);
    bench.Release(p.X, p.Y, mbRight);
    TShiftState doubled;
    doubled.Include(ssDouble);
    bench.Press(p.X, p.Y, mbLeft, doubled);
    bench.Release(p.X, p.Y, mbLeft, doubled);
    EXPECT_EQ(tool->SelectedAnnotation(), nullptr);
    EXPECT_EQ(selected, 0);
}

TEST_F(SelectorToolTest, HandlesOfTheSelectedPart) {
    // Empty background: the whole chart, less the handle size.
    bench.Press(1, 1);
    bench.Release(1, 1);
    EXPECT_EQ(tool->Part().Part, ckNone);
    const int h = tool->HandleSize();
    const int w = TToolBench::Width, ht = TToolBench::Height;
    EXPECT_EQ(tool->HandleCentres(),
              (std::vector<TPoint>{{h, h}, {h, ht - h}, {w - h, h}, {w - h, ht - h}}));
    // A point of the series: its series, a handle at each point.
    bench.Press(bench.XPixel(50), bench.YPixel(50));
    bench.Release(bench.XPixel(50), bench.YPixel(50));
    ASSERT_EQ(tool->Part().Part, ckSeries);
    EXPECT_EQ(tool->SelectedSeries(), series);
    EXPECT_EQ(tool->HandleCentres().size(), 3u);
    // Many points: every (n div 20)-th one.
    series->Clear();
    for (int i = 0; i < 50; ++i) series->AddXYPoint(i * 2, 50);
    bench.Render();
    EXPECT_EQ(tool->HandleCentres().size(), 25u);  // n = 49, every second point
    // The annotation: its box's corners.
    const TRect r = note->ShapeBounds();
    bench.Press(InNote().X, InNote().Y);
    bench.Release(InNote().X, InNote().Y);
    EXPECT_EQ(tool->HandleCentres(),
              (std::vector<TPoint>{
                  {r.Left, r.Top}, {r.Left, r.Bottom}, {r.Right, r.Top}, {r.Right, r.Bottom}}));
    bench.Render();  // the handles are drawn over the chart
    EXPECT_EQ(bench.FrontPixel(r.Left, r.Top), ColorToRGB(tool->Pen()->Color()));
}

TEST_F(SelectorToolTest, ASwitchedOffSeriesLosesTheSelection) {
    tool->SetSelectedSeries(series);
    EXPECT_EQ(selected, 1);
    tool->SetSelectedSeries(series);  // already the one
    EXPECT_EQ(selected, 1);
    series->SetActive(false);
    EXPECT_EQ(tool->SelectedSeries(), nullptr);
    EXPECT_EQ(selected, 2);
    series->SetActive(true);
    EXPECT_EQ(selected, 2);
    // A freed series leaves no selection behind.
    tool->SetSelectedSeries(series);
    TObject::Free(series);
    EXPECT_EQ(tool->SelectedSeries(), nullptr);
}

TEST(SelectorToolEditing, FromTheGalleryEditedAndStreamed) {
    TToolBench bench;
    TToolsPageDriver page{bench};
    auto* tool = dynamic_cast<TSelectorTool*>(page.AddFromGallery(&TSelectorTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TSelectorToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Edit1->Text(), "3");
    RunSteps({
        {"size", [&] { editor->Edit1->SetText("5"); }, [&] { return tool->HandleSize() == 5; }},
        {"no drag", [&] { TToolsPageDriver::Click(editor->CBAllowDrag); },
         [&] { return !tool->AllowDrag(); }},
        {"resize", [&] { TToolsPageDriver::Click(editor->CBResizeChart); },
         [&] { return tool->AllowResizeChart(); }},
        {"cursor", [&] { Choose(editor->CBCursor, editor->CBCursor->Items()->IndexOf("Cross")); },
         [&] { return tool->Cursor() == crCross; }},
    });
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
