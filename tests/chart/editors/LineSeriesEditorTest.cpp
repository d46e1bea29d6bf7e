// The line-family and fast-line editors: registered under the names the series report, loading
// writes nothing back, each control writes its property, and the stairs and non-line rules.
#include <functional>

#include "chart/editors/AreaSeriesEditor.h"
#include "chart/editors/BarSeriesEditor.h"
#include "chart/editors/FastLineSeriesEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/LineSeriesEditor.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/editors/StackBarSeriesEditor.h"
#include "chart/engine/AreaSeries.h"
#include "chart/engine/BarSeries.h"
#include "chart/engine/FastLineSeries.h"
#include "chart/engine/HorizBarSeries.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/ChartPen.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/GroupBox.h"
#include "platform/ui/Label.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesEditorFixture.h"

namespace {

struct Case {
    const char* what;
    std::function<void()> act;
    std::function<bool()> holds;
};

struct LineSeriesEditorTest : SeriesEditorFixture {
    TLineSeries* line = AddSeries<TLineSeries>();
    TCustomSeriesEditor* editor = nullptr;
};

TEST_F(LineSeriesEditorTest, EachSeriesFindsItsEditorByTheNameItReports) {
    struct Entry {
        TChartSeries* series;
        TClass editor;
    };
    const Entry entries[] = {
        {line, &TCustomSeriesEditor::StaticClass()},
        {AddSeries<TFastLineSeries>(), &TFastLineSeriesEditor::StaticClass()},
        {AddSeries<TAreaSeries>(), &TAreaSeriesEditor::StaticClass()},
        {AddSeries<TBarSeries>(), &TBarSeriesEditor::StaticClass()},
        {AddSeries<THorizBarSeries>(), &TBarSeriesEditor::StaticClass()},
    };
    for (const Entry& e : entries)
        EXPECT_EQ(GetClass(TCustomChartElement::EditorClassNameOf(&e.series->ClassType())),
                  e.editor)
            << e.series->ClassName();
    EXPECT_EQ(GetClass("TStackBarSeriesEditor"), &TStackBarSeriesEditor::StaticClass());
    // A second start-up registers nothing twice.
    StandardSeriesEditorsUnitStartup();
    StandardSeriesEditorsUnitShutdown();
    EXPECT_EQ(GetClass("tcustomserieseditor"), &TCustomSeriesEditor::StaticClass());
}

TEST_F(LineSeriesEditorTest, LoadingWritesNothingBack) {
    // A height beyond the edit's range and stairs with inverted steps: shown, not written.
    line->SetLineHeight(150);
    line->SetStairs(true);
    line->SetInvertedStairs(true);
    line->SetStacked(cssStack);
    line->SetTreatNulls(tnSkip);
    line->SetTransparency(30);
    line->SetColorEachLine(false);
    const std::string before = Bytes();
    editor = Open<TCustomSeriesEditor>(line);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->Series(), line);
    EXPECT_EQ(editor->EHeight->Text(), "100");
    EXPECT_TRUE(editor->CBStairs->Checked());
    EXPECT_TRUE(editor->CBInvStairs->Checked());
    EXPECT_TRUE(editor->CBInvStairs->Enabled());
    EXPECT_EQ(editor->CBStack->ItemIndex(), int(cssStack));
    EXPECT_EQ(editor->CBNulls->ItemIndex(), int(tnSkip));
    EXPECT_EQ(editor->TBTransp->Position(), 30);
    EXPECT_FALSE(editor->CheckBox1->Checked());
    EXPECT_EQ(editor->BLineBorder->Pen(), line->LinePen());
    EXPECT_EQ(editor->BOutline->Pen(), line->OutLine());
    EXPECT_EQ(editor->BLineColor->SymbolColor(), line->SeriesColor());
    // Every control of the line's look is there for a line series.
    for (TControl* c :
         {static_cast<TControl*>(editor->BBrush), static_cast<TControl*>(editor->BOutline),
          static_cast<TControl*>(editor->GBStair), static_cast<TControl*>(editor->CBDark3D),
          static_cast<TControl*>(editor->EHeight), static_cast<TControl*>(editor->TBTransp)})
        EXPECT_TRUE(c->Visible()) << c->ClassName();
}

TEST_F(LineSeriesEditorTest, EachControlWritesItsProperty) {
    editor = Open<TCustomSeriesEditor>(line);
    const Case cases[] = {
        {"color each", [&] { Click(editor->CBColorEach); }, [&] { return line->ColorEachPoint(); }},
        {"dark 3D", [&] { Click(editor->CBDark3D); }, [&] { return !line->Dark3D(); }},
        {"clickable", [&] { Click(editor->CBClick); }, [&] { return !line->ClickableLine(); }},
        {"color each line", [&] { Click(editor->CheckBox1); },
         [&] { return !line->ColorEachLine(); }},
        {"stairs", [&] { Click(editor->CBStairs); }, [&] { return line->Stairs(); }},
        {"inverted", [&] { Click(editor->CBInvStairs); }, [&] { return line->InvertedStairs(); }},
        {"stack 100", [&] { Choose(editor->CBStack, 3); },
         [&] { return line->Stacked() == cssStack100; }},
        {"overlap", [&] { Choose(editor->CBStack, 1); },
         [&] { return line->Stacked() == cssOverlap; }},
        {"ignore nulls", [&] { Choose(editor->CBNulls, 2); },
         [&] { return line->TreatNulls() == tnIgnore; }},
        {"height typed", [&] { editor->EHeight->SetText("12"); },
         [&] { return line->LineHeight() == 12; }},
        {"height stepped", [&] { editor->UDHeight->Step(btNext); },
         [&] { return line->LineHeight() == 13; }},
        {"height beyond range", [&] { editor->EHeight->SetText("400"); },
         [&] { return line->LineHeight() == 100; }},
        {"transparency", [&] { editor->TBTransp->SetPosition(70); },
         [&] { return line->Transparency() == 70; }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(LineSeriesEditorTest, ShadowDialogWithoutSmoothingOrTransparency) {
    editor = Open<TCustomSeriesEditor>(line);
    EXPECT_EQ(editor->BGradient->Gradient(), line->Gradient());
    bool ran = false;
    TModalRunner<TTeeShadowEditor> runner(&window, [&](TTeeShadowEditor& d) {
        ran = true;
        EXPECT_EQ(d.Shadow(), line->Shadow());
        for (TControl* c :
             {static_cast<TControl*>(d.CBSmooth), static_cast<TControl*>(d.UDShadowTransp),
              static_cast<TControl*>(d.EShadowTransp), static_cast<TControl*>(d.LTransp)})
            EXPECT_FALSE(c->Visible()) << c->ClassName();
        EXPECT_TRUE(d.BOK->Visible());
        d.UDShadowSize->SetPosition(6);
        d.BOK->Click();
    });
    editor->Button1->Click();
    EXPECT_TRUE(ran);
    EXPECT_EQ(line->Shadow()->HorizSize(), 6);
}

TEST_F(LineSeriesEditorTest, ColourButtonWritesTheSeriesColour) {
    editor = Open<TCustomSeriesEditor>(line);
    dialogs.ColorAnswers.push_back(clFuchsia);
    editor->BLineColor->Click();
    EXPECT_EQ(line->SeriesColor(), clFuchsia);
}

TEST_F(LineSeriesEditorTest, InvertedFollowsStairsWithoutChangingIt) {
    line->SetInvertedStairs(true);
    editor = Open<TCustomSeriesEditor>(line);
    EXPECT_FALSE(editor->CBInvStairs->Enabled());
    struct Step {
        bool stairs;
        bool invertedEnabled;
    };
    for (const Step& s : {Step{true, true}, Step{false, false}, Step{true, true}}) {
        Click(editor->CBStairs);
        EXPECT_EQ(line->Stairs(), s.stairs);
        EXPECT_EQ(editor->CBInvStairs->Enabled(), s.invertedEnabled);
        EXPECT_TRUE(line->InvertedStairs());
    }
}

TEST_F(LineSeriesEditorTest, ASeriesOfTheFamilyThatIsNoLineHidesTheLineLook) {
    // An area series is of the family without being a line series.
    auto* area = AddSeries<TAreaSeries>();
    area->SetTreatNulls(tnIgnore);
    area->SetLineHeight(7);
    const std::string before = Bytes();
    editor = Open<TCustomSeriesEditor>(area);
    EXPECT_EQ(Bytes(), before);
    for (TControl* c :
         {static_cast<TControl*>(editor->BBrush), static_cast<TControl*>(editor->BOutline),
          static_cast<TControl*>(editor->GBStair), static_cast<TControl*>(editor->CBDark3D),
          static_cast<TControl*>(editor->LHeight), static_cast<TControl*>(editor->EHeight),
          static_cast<TControl*>(editor->UDHeight), static_cast<TControl*>(editor->BGradient),
          static_cast<TControl*>(editor->TBTransp)})
        EXPECT_FALSE(c->Visible()) << c->ClassName();
    for (TControl* c :
         {static_cast<TControl*>(editor->LTransp), static_cast<TControl*>(editor->CBStack),
          static_cast<TControl*>(editor->CBNulls), static_cast<TControl*>(editor->CheckBox1)})
        EXPECT_TRUE(c->Visible()) << c->ClassName();
    // The null list shows what the series does, and the controls left work.
    EXPECT_EQ(editor->CBNulls->ItemIndex(), int(tnIgnore));
    EXPECT_EQ(editor->EHeight->Text(), "0");
    Choose(editor->CBNulls, 1);
    Choose(editor->CBStack, 2);
    Click(editor->CheckBox1);
    EXPECT_EQ(area->TreatNulls(), tnSkip);
    EXPECT_EQ(area->Stacked(), cssStack);
    EXPECT_FALSE(area->ColorEachLine());
}

TEST_F(LineSeriesEditorTest, WithoutATagNothingIsLoadedNorWritten) {
    editor = Open<TCustomSeriesEditor>(nullptr);
    const std::string before = Bytes();
    Click(editor->CBStairs);
    Choose(editor->CBStack, 2);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->CBNulls->ItemIndex(), 0);
}

struct FastLineEditorTest : SeriesEditorFixture {
    TFastLineSeries* fast = AddSeries<TFastLineSeries>();
    TFastLineSeriesEditor* editor = nullptr;
};

TEST_F(FastLineEditorTest, LoadsThePenAndSettingsWithoutWritingBack) {
    fast->SetStairs(true);
    fast->SetDrawAllPoints(false);
    fast->SetTreatNulls(tnSkip);
    fast->LinePen()->SetWidth(3);
    const std::string before = Bytes();
    editor = Open<TFastLineSeriesEditor>(fast);
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->ThePen, fast->LinePen());
    EXPECT_EQ(editor->SEWidth->Text(), "3");
    EXPECT_FALSE(editor->BOk->Visible());
    EXPECT_FALSE(editor->BCancel->Visible());
    EXPECT_FALSE(editor->CBDrawAll->Checked());
    EXPECT_TRUE(editor->CBStairs->Checked());
    EXPECT_TRUE(editor->CBInvStairs->Enabled());
    EXPECT_EQ(editor->CBNulls->ItemIndex(), int(tnSkip));
}

TEST_F(FastLineEditorTest, ControlsWriteTheSeriesAndNullsSetBothProperties) {
    editor = Open<TFastLineSeriesEditor>(fast);
    const Case cases[] = {
        {"draw all", [&] { Click(editor->CBDrawAll); }, [&] { return !fast->DrawAllPoints(); }},
        {"stairs", [&] { Click(editor->CBStairs); },
         [&] { return fast->Stairs() && editor->CBInvStairs->Enabled(); }},
        {"inverted", [&] { Click(editor->CBInvStairs); }, [&] { return fast->InvertedStairs(); }},
        {"no stairs", [&] { Click(editor->CBStairs); },
         [&] { return !fast->Stairs() && !editor->CBInvStairs->Enabled(); }},
        {"skip", [&] { Choose(editor->CBNulls, 1); },
         [&] { return fast->TreatNulls() == tnSkip && !fast->IgnoreNulls(); }},
        {"ignore", [&] { Choose(editor->CBNulls, 2); },
         [&] { return fast->TreatNulls() == tnIgnore && fast->IgnoreNulls(); }},
        {"dont paint", [&] { Choose(editor->CBNulls, 0); },
         [&] { return fast->TreatNulls() == tnDontPaint && !fast->IgnoreNulls(); }},
        {"pen width", [&] { editor->SEWidth->SetText("4"); },
         [&] { return fast->LinePen()->Width() == 4; }},
    };
    for (const Case& c : cases) {
        c.act();
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

TEST_F(FastLineEditorTest, PenColourBecomesTheSeriesColour) {
    editor = Open<TFastLineSeriesEditor>(fast);
    dialogs.ColorAnswers.push_back(clTeal);
    editor->BColor->Click();
    EXPECT_EQ(fast->SeriesColor(), clTeal);
    EXPECT_EQ(fast->LinePen()->Color(), clTeal);
}

TEST_F(FastLineEditorTest, ReshownEditorListsSmallDotsOnce) {
    editor = Open<TFastLineSeriesEditor>(fast);
    const int count = editor->CBStyle->Items()->Count();
    editor->Hide();
    editor->Show();
    EXPECT_EQ(editor->CBStyle->Items()->Count(), count);
}

}  // namespace
