// The draw line, nearest point, marks tip and drag marks tools made from the tools page's
// gallery, edited through their forms embedded there, and streamed: every property the form
// wrote comes back.
#include <gtest/gtest.h>

#include "chart/editors/PenDialog.h"
#include "chart/engine/PointSeries.h"
#include "chart/engine/SeriesMarks.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/tools/overlay/DragMarksTool.h"
#include "chart/tools/overlay/DragMarksToolEditor.h"
#include "chart/tools/overlay/DrawLineEditor.h"
#include "chart/tools/overlay/DrawLineTool.h"
#include "chart/tools/overlay/MarksTipTool.h"
#include "chart/tools/overlay/MarksTipToolEditor.h"
#include "chart/tools/overlay/NearestTool.h"
#include "chart/tools/overlay/NearestToolEditor.h"
#include "platform/ui/Application.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct PointToolsEditing : ::testing::Test {
    TToolBench bench;
    TPointSeries* series = bench.AddSeries({{10, 10}, {60, 40}});
    TToolsPageDriver page{bench};
};

TEST_F(PointToolsEditing, DrawLine) {
    auto* tool = dynamic_cast<TDrawLineTool*>(page.AddFromGallery(&TDrawLineTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TDrawLineEdit>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBButton->ItemIndex(), 0);
    EXPECT_TRUE(editor->CBEnableDraw->Checked());
    RunSteps({
        {"the middle button", [&] { Choose(editor->CBButton, 2); },
         [&] { return tool->Button() == mbMiddle; }},
        {"no drawing", [&] { editor->CBEnableDraw->SetChecked(false); },
         [&] { return !tool->EnableDraw(); }},
        {"no selecting", [&] { editor->CBEnableSelect->SetChecked(false); },
         [&] { return !tool->EnableSelect(); }},
        {"a tolerance", [&] { editor->Tolerance.UpDown->SetPosition(6); },
         [&] { return tool->ClickTolerance() == 6; }},
        {"new lines not selected", [&] { editor->CBSelectNew->SetChecked(false); },
         [&] { return !tool->SelectNewLines(); }},
        {"ellipses", [&] { Choose(editor->CBStyle, 4); },
         [&] { return tool->Style() == dlEllipse; }},
        {"on the series",
         [&] { Choose(editor->CBSeries, editor->CBSeries->Items()->IndexOfObject(series)); },
         [&] { return tool->Series() == series; }},
    });
    EXPECT_EQ(editor->BPen->Pen(), tool->Pen());
    auto* line = static_cast<TDrawLine*>(tool->Lines()->Add());
    line->SetX1(50);
    line->SetY1(25);
    ExpectToolRoundTrips(bench, *tool);
}

TEST_F(PointToolsEditing, NearestPoint) {
    auto* tool = dynamic_cast<TNearestTool*>(page.AddFromGallery(&TNearestTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TNearestToolEdit>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBStyle->ItemIndex(), int(hsCircle));
    EXPECT_EQ(editor->SizeEdit.UpDown->Position(), 20);
    RunSteps({
        {"diamonds", [&] { Choose(editor->CBStyle, 3); },
         [&] { return tool->Style() == hsDiamond; }},
        {"of 35", [&] { editor->SizeEdit.Edit->SetText("35"); },
         [&] { return tool->Size() == 35; }},
        {"no full repaint", [&] { editor->CBFullRepaint->SetChecked(false); },
         [&] { return !tool->FullRepaint(); }},
        {"on the series",
         [&] { Choose(editor->CBSeries, editor->CBSeries->Items()->IndexOfObject(series)); },
         [&] { return tool->Series() == series; }},
    });
    EXPECT_EQ(editor->BPen->Pen(), tool->Pen());
    EXPECT_EQ(editor->BLine->Pen(), tool->LinePen());
    tool->SetDrawLine(false);
    ExpectToolRoundTrips(bench, *tool);
}

TEST_F(PointToolsEditing, MarksTip) {
    const int pause = Application->HintPause(), hide = Application->HintHidePause();
    auto* tool = dynamic_cast<TMarksTipTool*>(page.AddFromGallery(&TMarksTipTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TMarksTipToolEdit>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBSeries->Items()->Get(0), "(all)");
    ASSERT_EQ(editor->CBStyle->Items()->Count(), 13);
    EXPECT_EQ(editor->CBStyle->Items()->Get(12), "Percent Relative");
    EXPECT_EQ(editor->CBStyle->ItemIndex(), int(smsLabel));
    RunSteps({
        {"on a click",
         [&] {
             editor->RGMouseAction->SetItemIndex(1);
             editor->RGMouseAction->OnClick(editor->RGMouseAction);
         },
         [&] { return tool->MouseAction() == mtmClick; }},
        {"X and Y values", [&] { Choose(editor->CBStyle, 9); },
         [&] { return tool->Style() == smsXY; }},
        {"a delay", [&] { editor->Delay.Edit->SetText("650"); },
         [&] { return Application->HintPause() == 650; }},
        {"a hide delay", [&] { editor->HideDelay.Edit->SetText("3000"); },
         [&] { return Application->HintHidePause() == 3000; }},
    });
    ExpectToolRoundTrips(bench, *tool);
    Application->SetHintPause(pause);
    Application->SetHintHidePause(hide);
}

TEST_F(PointToolsEditing, DragMarks) {
    auto* tool = dynamic_cast<TDragMarksTool*>(page.AddFromGallery(&TDragMarksTool::StaticClass()));
    ASSERT_NE(tool, nullptr);
    auto* editor = page.Editor<TDragMarksToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->CBSeries->Items()->Get(0), "(all)");
    EXPECT_EQ(editor->CBSeries->ItemIndex(), 0);
    series->Marks()->SetVisible(true);
    bench.Render();
    TSeriesMarkPosition* p = series->Marks()->Positions().Position(0);
    ASSERT_NE(p, nullptr);
    p->Custom = true;
    TToolsPageDriver::Click(editor->BReset);
    EXPECT_FALSE(series->Marks()->Positions().Position(0)->Custom);
    Choose(editor->CBSeries, editor->CBSeries->Items()->IndexOfObject(series));
    EXPECT_EQ(tool->Series(), series);
    ExpectToolRoundTrips(bench, *tool);
}

}  // namespace
