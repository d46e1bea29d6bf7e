// The area series editor: loading writes nothing back, each control writes its property, the
// enabling rules, the colour sample and the two brush dialogs.
#include <functional>

#include "chart/editors/AreaSeriesEditor.h"
#include "chart/editors/BrushDialog.h"
#include "chart/editors/PenDialog.h"
#include "chart/engine/AreaSeries.h"
#include "chart/foundation/ChartBrush.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesEditorFixture.h"

namespace {

struct AreaSeriesEditorTest : SeriesEditorFixture {
    TAreaSeries* area = AddSeries<TAreaSeries>();
    TAreaSeriesEditor* editor = nullptr;
};

TEST_F(AreaSeriesEditorTest, LoadingWritesNothingBack) {
    // An origin that is no whole number is shown rounded, and stays as it is.
    area->SetUseYOrigin(true);
    area->SetYOrigin(2.6);
    area->SetMultiArea(maStacked);
    area->SetStackGroup(4);
    area->SetTransparency(35);
    area->SetStairs(true);
    area->SetTreatNulls(tnIgnore);
    const std::string before = Bytes();
    editor = Open<TAreaSeriesEditor>(area);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->EOrigin->Text(), "3");
    EXPECT_EQ(area->YOrigin(), 2.6);
    EXPECT_EQ(editor->RGMultiArea->ItemIndex(), int(maStacked));
    EXPECT_EQ(editor->EGroup->Text(), "4");
    EXPECT_EQ(editor->ETransp->Text(), "35");
    EXPECT_TRUE(editor->CBStairs->Checked());
    EXPECT_EQ(editor->CBNulls->ItemIndex(), int(tnIgnore));
    EXPECT_EQ(editor->BAreaLinesPen->Pen(), area->AreaLinesPen());
    EXPECT_EQ(editor->BAreaLinePen->Pen(), area->LinePen());
}

TEST_F(AreaSeriesEditorTest, EachControlWritesItsProperty) {
    editor = Open<TAreaSeriesEditor>(area);
    struct Case {
        const char* what;
        std::function<void()> act;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"stacked 100", [&] { editor->RGMultiArea->SetItemIndex(2); },
         [&] { return area->MultiArea() == maStacked100; }},
        {"stairs", [&] { Click(editor->CBStairs); }, [&] { return area->Stairs(); }},
        {"inverted", [&] { Click(editor->CBInvStairs); }, [&] { return area->InvertedStairs(); }},
        {"use origin", [&] { Click(editor->CBUseOrigin); }, [&] { return area->UseYOrigin(); }},
        {"origin typed", [&] { editor->EOrigin->SetText("-12"); },
         [&] { return area->YOrigin() == -12; }},
        {"origin stepped", [&] { editor->UDOrigin->Step(btNext); },
         [&] { return area->YOrigin() == -11; }},
        {"group", [&] { editor->EGroup->SetText("7"); }, [&] { return area->StackGroup() == 7; }},
        {"transparency", [&] { editor->ETransp->SetText("60"); },
         [&] { return area->Transparency() == 60; }},
        {"nulls skipped",
         [&] { editor->CBNulls->SetItemIndex(1), editor->CBNulls->OnChange(nullptr); },
         [&] { return area->TreatNulls() == tnSkip; }},
        {"dark 3D", [&] { Click(editor->CBDark3D); }, [&] { return !area->Dark3D(); }},
        {"color each", [&] { Click(editor->CBColorEach); }, [&] { return area->ColorEachPoint(); }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(AreaSeriesEditorTest, EnablingRules) {
    editor = Open<TAreaSeriesEditor>(area);
    EXPECT_FALSE(editor->EOrigin->Enabled());
    EXPECT_FALSE(editor->EGroup->Enabled());
    EXPECT_FALSE(editor->CBInvStairs->Enabled());
    EXPECT_TRUE(editor->BAreaColor->Enabled());
    struct Step {
        const char* what;
        std::function<void()> act;
        TControl* control;
        bool enabled;
    };
    const Step steps[] = {
        {"stacked", [&] { editor->RGMultiArea->SetItemIndex(1); }, editor->EGroup, true},
        {"stacked: up-down", [] {}, editor->UDGroup, true},
        {"none", [&] { editor->RGMultiArea->SetItemIndex(0); }, editor->UDGroup, false},
        {"none: edit", [] {}, editor->EGroup, false},
        {"origin used", [&] { Click(editor->CBUseOrigin); }, editor->EOrigin, true},
        {"origin used: up-down", [] {}, editor->UDOrigin, true},
        {"origin unused", [&] { Click(editor->CBUseOrigin); }, editor->UDOrigin, false},
        {"stairs", [&] { Click(editor->CBStairs); }, editor->CBInvStairs, true},
        {"color each", [&] { Click(editor->CBColorEach); }, editor->BAreaColor, false},
        {"one colour", [&] { Click(editor->CBColorEach); }, editor->BAreaColor, true},
    };
    for (const Step& s : steps) {
        s.act();
        EXPECT_EQ(s.control->Enabled(), s.enabled) << s.what;
    }
}

TEST_F(AreaSeriesEditorTest, ColourSampleShowsTheAreaColourWhileItHasOne) {
    area->SetSeriesColor(clNavy);
    area->SetColorEachPoint(true);
    editor = Open<TAreaSeriesEditor>(area);
    EXPECT_EQ(editor->BAreaColor->SymbolColor(), clNavy);
    EXPECT_FALSE(editor->BAreaColor->Enabled());
    area->SetAreaColor(clYellow);
    EXPECT_EQ(editor->BAreaColor->SymbolColor(), clYellow);
    // The button writes the series colour.
    Click(editor->CBColorEach);
    dialogs.ColorAnswers.push_back(clMaroon);
    editor->BAreaColor->Click();
    EXPECT_EQ(area->SeriesColor(), clMaroon);
}

TEST_F(AreaSeriesEditorTest, PatternAndTopOpenTheBrushDialogOnTheirBrushes) {
    editor = Open<TAreaSeriesEditor>(area);
    struct Entry {
        TButton* button;
        TChartBrush* brush;
    };
    for (const Entry& e :
         {Entry{editor->BPattern, area->AreaChartBrush()}, Entry{editor->Button1, area->Brush()}}) {
        TChartBrush* shown = nullptr;
        TModalRunner<TBrushDialog> runner(&window, [&](TBrushDialog& d) {
            shown = d.TheBrush;
            d.SetModalResult(mrCancel);
        });
        e.button->Click();
        EXPECT_TRUE(runner.Ran());
        EXPECT_EQ(shown, e.brush) << e.button->Caption();
    }
}

}  // namespace
