// The axis tools as the chart editor makes them: each from its tab of the tools gallery, put on
// the first listed axis by its form, edited through that form, then carried by the native chart
// stream, text and binary, with every setting equal.
#include <gtest/gtest.h>

#include "chart/editors/PenDialog.h"
#include "chart/engine/ChartAxis.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeGradient.h"
#include "chart/tools/axis/AxisArrowTool.h"
#include "chart/tools/axis/AxisArrowToolEditor.h"
#include "chart/tools/axis/AxisScrollEditor.h"
#include "chart/tools/axis/AxisScrollTool.h"
#include "chart/tools/axis/ColorBandTool.h"
#include "chart/tools/axis/ColorBandToolEditor.h"
#include "chart/tools/axis/ColorLineTool.h"
#include "chart/tools/axis/ColorLineToolEditor.h"
#include "chart/tools/axis/GridBandBrush.h"
#include "chart/tools/axis/GridBandTool.h"
#include "chart/tools/axis/GridBandToolEditor.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/tools/ToolBench.h"
#include "tests/chart/tools/ToolRoundTrip.h"
#include "tests/chart/tools/ToolsPageDriver.h"

namespace {

struct AxisToolEditorsTest : ::testing::Test {
    TToolBench bench;
    TToolsPageDriver page{bench};
    AxisToolEditorsTest() { bench.AddSeries({{10, 10}, {90, 90}}); }
    template <class TTool>
    TTool* Add() {
        auto* tool = dynamic_cast<TTool*>(page.AddFromGallery(&TTool::StaticClass()));
        EXPECT_NE(tool, nullptr);
        // A new axis tool is put on the first axis the form lists, the left one.
        if (tool) {
            EXPECT_EQ(tool->Axis(), &bench.Left());
        }
        return tool;
    }
};

TEST_F(AxisToolEditorsTest, ColorLine) {
    auto* line = Add<TColorLineTool>();
    ASSERT_NE(line, nullptr);
    auto* editor = page.Editor<TColorLineToolEditor>();
    ASSERT_NE(editor, nullptr);
    RunSteps({
        {"a value", [&] { editor->EValue->SetText("42.5"); },
         [&] { return line->Value() == 42.5; }},
        {"text that is no number keeps it", [&] { editor->EValue->SetText("4x"); },
         [&] { return line->Value() == 42.5; }},
        {"the axis centre", [&] { Choose(editor->CBStyle, 2); },
         [&] { return line->Style() == clCenter && !editor->EValue->Enabled(); }},
        {"custom again", [&] { Choose(editor->CBStyle, 0); },
         [&] { return line->Style() == clCustom && editor->EValue->Enabled(); }},
        {"no drag", [&] { editor->CBAllowDrag->SetChecked(false); },
         [&] { return !line->AllowDrag(); }},
        {"repainted drags", [&] { editor->CBDragRepaint->SetChecked(true); },
         [&] { return line->DragRepaint(); }},
        {"no limit", [&] { editor->CBNoLimitDrag->SetChecked(true); },
         [&] { return line->NoLimitDrag(); }},
        {"behind", [&] { editor->CBDrawBehind->SetChecked(true); },
         [&] { return line->DrawBehind(); }},
        {"flat", [&] { editor->CBDraw3D->SetChecked(false); }, [&] { return !line->Draw3D(); }},
        {"another axis", [&] { Choose(editor->CBAxis, 3); },
         [&] { return line->Axis() == &bench.Bottom(); }},
    });
    line->Pen()->SetColor(clRed);
    ExpectToolRoundTrips(bench, *line);
}

TEST_F(AxisToolEditorsTest, ColorBand) {
    auto* band = Add<TColorBandTool>();
    ASSERT_NE(band, nullptr);
    auto* editor = page.Editor<TColorBandToolEditor>();
    ASSERT_NE(editor, nullptr);
    RunSteps({
        {"a start", [&] { editor->EStart->SetText("12"); },
         [&] { return band->StartValue() == 12; }},
        {"an end", [&] { editor->EEnd->SetText("48.25"); },
         [&] { return band->EndValue() == 48.25; }},
        {"no number", [&] { editor->EEnd->SetText("--"); },
         [&] { return band->EndValue() == 48.25; }},
        {"the start draggable, shown in both boxes",
         [&] { editor->CBResizeStart->SetChecked(true); },
         [&] { return band->ResizeStart() && editor->CBStartActive->Checked(); }},
        {"the end line through its Active box", [&] { editor->CBEndActive->SetChecked(true); },
         [&] { return band->ResizeEnd() && editor->CBResizeEnd->Checked(); }},
        {"transparency", [&] { editor->UDTransparency->SetPosition(40); },
         [&] { return band->Transparency() == 40; }},
        {"in front", [&] { editor->CBDrawBehind->SetChecked(false); },
         [&] { return !band->DrawBehind(); }},
        {"behind the axes", [&] { editor->CBDrawBehindAxes->SetChecked(true); },
         [&] { return band->DrawBehindAxes(); }},
        {"a cursor",
         [&] {
             editor->CBCursor->SetItemIndex(editor->CBCursor->Items()->IndexOf("HandPoint"));
             editor->CBCursor->OnChange(editor->CBCursor);
         },
         [&] { return band->Cursor() == crHandPoint; }},
    });
    // The picture page gets its editor when first shown.
    EXPECT_EQ(editor->PictureEditor(), nullptr);
    editor->PageControl1->SetActivePage(editor->TabPicture);
    editor->PageChanged();
    EXPECT_NE(editor->PictureEditor(), nullptr);
    band->SetColor(clYellow);
    band->StartLinePen()->SetColor(clGreen);
    band->Gradient()->SetVisible(true);
    ExpectToolRoundTrips(bench, *band);
}

TEST_F(AxisToolEditorsTest, GridBand) {
    auto* bands = Add<TGridBandTool>();
    ASSERT_NE(bands, nullptr);
    auto* editor = page.Editor<TGridBandToolEdit>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->BPen->Visible());
    EXPECT_EQ(editor->TabControl1->TabIndex(), 0);
    EXPECT_EQ(editor->Brush(), bands->Band1());
    editor->UDTransparency->SetPosition(30);
    EXPECT_EQ(bands->Band1()->Transparency(), 30);
    editor->TabControl1->SetTabIndex(1);
    editor->TabControl1->OnChange(editor->TabControl1);
    EXPECT_EQ(editor->UDTransparency->Position(), 0);
    editor->UDTransparency->SetPosition(60);
    EXPECT_EQ(bands->Band2()->Transparency(), 60);
    EXPECT_EQ(bands->Band1()->Transparency(), 30);
    bands->Band1()->SetColor(clRed);
    bands->Band2()->SetStyle(bsDiagCross);
    bands->Band2()->SetBackColor(clYellow);
    ExpectToolRoundTrips(bench, *bands);
}

TEST_F(AxisToolEditorsTest, AxisArrow) {
    auto* arrows = Add<TAxisArrowTool>();
    ASSERT_NE(arrows, nullptr);
    auto* editor = page.Editor<TAxisArrowToolEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->UDLength->Position(), 16);
    RunSteps({
        {"length", [&] { editor->UDLength->SetPosition(20); },
         [&] { return arrows->Length() == 20; }},
        {"the end only", [&] { Choose(editor->CBPosition, 1); },
         [&] { return arrows->Position() == aaEnd; }},
        {"scroll", [&] { editor->UDScroll->SetPosition(35); },
         [&] { return arrows->ScrollPercent() == 35; }},
        {"inverted", [&] { editor->CBInverted->SetChecked(true); },
         [&] { return arrows->ScrollInverted(); }},
        {"size", [&] { editor->UDSize->SetPosition(70); },
         [&] { return arrows->SizePercent() == 70; }},
        {"width", [&] { editor->UDWidth->SetPosition(11); },
         [&] { return arrows->HeadWidth() == 11; }},
    });
    arrows->Brush()->SetColor(clBlue);
    ExpectToolRoundTrips(bench, *arrows);
}

TEST_F(AxisToolEditorsTest, AxisScroll) {
    auto* scroll = Add<TAxisScrollTool>();
    ASSERT_NE(scroll, nullptr);
    auto* editor = page.Editor<TAxisScrollEditor>();
    ASSERT_NE(editor, nullptr);
    EXPECT_FALSE(editor->BPen->Visible());
    editor->CBInverted->SetChecked(true);
    EXPECT_TRUE(scroll->ScrollInverted());
    ExpectToolRoundTrips(bench, *scroll);
}

}  // namespace
