// The circled-series page and the pie editor: loading writes nothing, each control writes its
// property, and the enabling rules.
#include "chart/editors/CircledSeriesEditor.h"
#include "chart/editors/GradientEditor.h"
#include "chart/editors/LegendPage.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/PieSeriesEditor.h"
#include "chart/editors/ShadowEditor.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/PieSeries.h"
#include "chart/foundation/ComboFlat.h"
#include "chart/foundation/TeeButtons.h"
#include "chart/foundation/TeeGradient.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/ScrollBar.h"
#include "platform/ui/TrackBar.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/EditorSteps.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/chart/editors/SeriesEditorFixture.h"

namespace {

struct CircledEditorTest : SeriesEditorFixture {
    TPieSeries* pie = nullptr;
    TCircledSeriesEditor* editor = nullptr;

    CircledEditorTest() {
        pie = new TPieSeries(&window);
        pie->SetName("Series1");
        chart->AddSeries(pie);
        pie->FillSampleValues(5);
    }
    void Open() { editor = SeriesEditorFixture::Open<TCircledSeriesEditor>(pie); }
};

TEST_F(CircledEditorTest, LoadingWritesNothingAndShowsTheSeries) {
    pie->SetCircled(true);
    pie->SetRotationAngle(35);
    pie->SetCustomXRadius(50);
    pie->SetCircleBackColor(clRed);
    chart->SetView3D(false);
    const std::string before = Bytes();
    Open();
    EXPECT_EQ(Bytes(), before);
    EXPECT_TRUE(editor->CBCircled->Checked());
    EXPECT_FALSE(editor->CB3D->Checked());
    EXPECT_EQ(editor->Edit1->Text(), "35");
    EXPECT_EQ(editor->Edit2->Text(), "50");
    EXPECT_FALSE(editor->CBAutoXR->Checked());
    EXPECT_TRUE(editor->CBAutoYR->Checked());
    // A background colour of its own: not transparent, and the box can be checked.
    EXPECT_FALSE(editor->CBTransp->Checked());
    EXPECT_TRUE(editor->CBTransp->Enabled());
    EXPECT_EQ(editor->BBack->SymbolColor(), clRed);
}

TEST_F(CircledEditorTest, EachControlWritesItsProperty) {
    Open();
    RunSteps({
        {"circled", [&] { Click(editor->CBCircled); }, [&] { return pie->Circled(); }},
        {"3-D", [&] { Click(editor->CB3D); }, [&] { return !chart->View3D(); }},
        {"rotation", [&] { editor->Edit1->SetText("90"); },
         [&] { return pie->RotationAngle() == 90; }},
        {"rotation partly typed", [&] { editor->Edit1->SetText(""); },
         [&] { return pie->RotationAngle() == 90; }},
        {"vertical radius", [&] { editor->Edit3->SetText("40"); },
         [&] { return pie->CustomYRadius() == 40 && !editor->CBAutoYR->Checked(); }},
        {"vertical auto", [&] { Click(editor->CBAutoYR); },
         [&] { return pie->CustomYRadius() == 0 && editor->Edit3->Text() == "0"; }},
    });
}

TEST_F(CircledEditorTest, RotationStepsWrapRound) {
    Open();
    editor->Edit1->SetText("355");
    editor->UDRot->Step(btNext);
    EXPECT_EQ(editor->Edit1->Text(), "360");
    editor->UDRot->Step(btNext);
    EXPECT_EQ(editor->Edit1->Text(), "0");
    EXPECT_EQ(pie->RotationAngle(), 0);
    editor->UDRot->Step(btPrev);
    EXPECT_EQ(editor->Edit1->Text(), "360");
    editor->UDRot->Step(btPrev);
    EXPECT_EQ(pie->RotationAngle(), 355);
}

TEST_F(CircledEditorTest, AutoRadiusFollowsTheNumberTyped) {
    pie->SetCustomXRadius(20);
    Open();
    const struct {
        const char* typed;
        int radius;
        bool automatic;
    } cases[] = {{"0", 0, true}, {"50", 50, false}, {"5x", 50, false}, {"2001", 50, false}};
    for (const auto& c : cases) {
        editor->Edit2->SetText(c.typed);
        EXPECT_EQ(pie->CustomXRadius(), c.radius) << c.typed;
        EXPECT_EQ(editor->CBAutoXR->Checked(), c.automatic) << c.typed;
    }
    Click(editor->CBAutoXR);  // checking Auto again puts the radius back to 0
    EXPECT_EQ(pie->CustomXRadius(), 0);
    EXPECT_EQ(editor->Edit2->Text(), "0");
}

TEST_F(CircledEditorTest, TransparentDropsTheBackgroundUntilAColourIsChosen) {
    pie->SetCircleBackColor(clYellow);
    pie->Gradient()->SetVisible(true);
    Open();
    Click(editor->CBTransp);
    EXPECT_EQ(pie->CircleBackColor(), clDefault);
    EXPECT_FALSE(pie->Gradient()->Visible());
    EXPECT_TRUE(editor->CBTransp->Checked());
    EXPECT_FALSE(editor->CBTransp->Enabled());
    // A cancelled colour dialog keeps it transparent; a chosen colour ends it.
    dialogs.ColorAnswers.push_back(clNone);
    editor->BBack->Click();
    EXPECT_TRUE(editor->CBTransp->Checked());
    dialogs.ColorAnswers.push_back(clBlue);
    editor->BBack->Click();
    EXPECT_EQ(pie->CircleBackColor(), clBlue);
    EXPECT_FALSE(editor->CBTransp->Checked());
    EXPECT_TRUE(editor->CBTransp->Enabled());
}

TEST_F(CircledEditorTest, AVisibleGradientEndsTransparency) {
    Open();
    Click(editor->CBTransp);
    ASSERT_FALSE(editor->CBTransp->Enabled());
    // Cancelled, or accepted with the gradient hidden, the circle stays transparent.
    for (bool show : {false, true}) {
        TModalRunner<TTeeGradientEditor> runner(&window, [&](TTeeGradientEditor& d) {
            if (show) d.CBVisible->SetChecked(true);
            Click(show ? d.BOk : d.BCancel);
        });
        editor->BGradient->Click();
        EXPECT_TRUE(runner.Ran());
        EXPECT_EQ(pie->Gradient()->Visible(), show);
        EXPECT_EQ(editor->CBTransp->Checked(), !show);
        EXPECT_EQ(editor->CBTransp->Enabled(), show);
    }
}

TEST_F(CircledEditorTest, ShadowPageEditsTheCirclesShadow) {
    Open();
    TTeeShadowEditor* shadow = nullptr;
    for (int i = 0; i < editor->TabShadow->ControlCount(); ++i)
        if (auto* s = dynamic_cast<TTeeShadowEditor*>(editor->TabShadow->Controls(i))) shadow = s;
    ASSERT_NE(shadow, nullptr);
    EXPECT_EQ(shadow->Shadow(), pie->Shadow());
    EXPECT_EQ(editor->BGradient->Gradient(), pie->Gradient());
    // Shown again, the page keeps its one shadow editor.
    editor->Hide();
    editor->Show();
    EXPECT_EQ(editor->TabShadow->ControlCount(), 1);
}

struct PieEditorTest : SeriesEditorFixture {
    TPieSeries* pie = nullptr;
    TPieSeriesEditor* editor = nullptr;

    PieEditorTest() {
        pie = new TPieSeries(&window);
        pie->SetName("Series1");
        chart->AddSeries(pie);
        pie->FillSampleValues(6);
    }
    void Open() { editor = SeriesEditorFixture::Open<TPieSeriesEditor>(pie); }
};

TEST_F(PieEditorTest, LoadingWritesNothingAndShowsTheSeries) {
    pie->SetExplodeBiggest(15);
    pie->SetDarkPen(100);
    pie->SetAngleSize(180);
    pie->SetGradientBright(-40);
    pie->SetMultiPie(mpDisabled);
    pie->SetUsePatterns(true);
    pie->SetAutoMarkPosition(false);
    pie->OtherSlice()->SetStyle(poBelowValue);
    // A value whose shortest text does not read back to the same double.
    pie->OtherSlice()->SetValue(0.1 + 0.2);
    pie->OtherSlice()->SetText("Rest");
    pie->PieMarks()->SetLegSize(7);
    pie->PieMarks()->SetVertCenter(true);
    const std::string before = Bytes();
    Open();
    EXPECT_EQ(Bytes(), before);
    EXPECT_EQ(editor->SEExpBig->Text(), "15");
    EXPECT_EQ(editor->Edit2->Text(), "100");
    EXPECT_EQ(editor->Edit1->Text(), "180");
    EXPECT_EQ(editor->TBBright->Position(), -40);
    EXPECT_EQ(editor->LBright->Caption(), "-40");
    EXPECT_EQ(editor->CBMultiple->ItemIndex(), 1);
    EXPECT_TRUE(editor->CBPatterns->Checked());
    EXPECT_FALSE(editor->CBMarksAutoPosition->Checked());
    EXPECT_EQ(editor->CBOther->ItemIndex(), 2);
    EXPECT_EQ(editor->EOtherLabel->Text(), "Rest");
    EXPECT_EQ(editor->SBLegSize->Position(), 7);
    EXPECT_TRUE(editor->CBVertCenter->Checked());
    EXPECT_EQ(editor->PageControl1->ActivePage(), editor->TabOptions);
    // "Default", then every palette; the chart's palette 0 is the second item.
    EXPECT_EQ(editor->CBPalette->Items()->Strings(0), "Default");
    EXPECT_EQ(editor->CBPalette->ItemIndex(), 1);
    EXPECT_EQ(editor->BGradient->Gradient(), pie->Gradient());
    EXPECT_TRUE(editor->BGradient->HideEndColor);
    EXPECT_EQ(editor->BPen->Pen(), pie->Pen());
}

TEST_F(PieEditorTest, EachControlWritesItsProperty) {
    Open();
    RunSteps({
        {"explode", [&] { editor->SEExpBig->SetText("25"); },
         [&] { return pie->ExplodeBiggest() == 25; }},
        {"patterns", [&] { Click(editor->CBPatterns); }, [&] { return pie->UsePatterns(); }},
        {"total angle", [&] { editor->Edit1->SetText("270"); },
         [&] { return pie->AngleSize() == 270; }},
        {"total angle 0 is out of range", [&] { editor->Edit1->SetText("0"); },
         [&] { return pie->AngleSize() == 270; }},
        {"dark border", [&] { editor->Edit2->SetText("60"); },
         [&] { return pie->DarkPen() == 60; }},
        {"dark 3-D", [&] { Click(editor->CBDark3d); }, [&] { return !pie->Dark3D(); }},
        {"multiple pies", [&] { Choose(editor->CBMultiple, 1); },
         [&] { return pie->MultiPie() == mpDisabled; }},
        {"automatic pies", [&] { Choose(editor->CBMultiple, 0); },
         [&] { return pie->MultiPie() == mpAutomatic; }},
        {"brightness", [&] { editor->TBBright->SetPosition(-100); },
         [&] { return pie->GradientBright() == -100 && editor->LBright->Caption() == "-100"; }},
        {"other below %", [&] { Choose(editor->CBOther, 1); },
         [&] { return pie->OtherSlice()->Style() == poBelowPercent; }},
        {"other value", [&] { editor->EOtherValue->SetText("2.5"); },
         [&] { return pie->OtherSlice()->Value() == 2.5; }},
        {"other value emptied", [&] { editor->EOtherValue->SetText(""); },
         [&] { return pie->OtherSlice()->Value() == 2.5; }},
        {"other label", [&] { editor->EOtherLabel->SetText("Small"); },
         [&] { return pie->OtherSlice()->Text() == "Small"; }},
        {"colour each", [&] { Click(editor->CBColorEach); },
         [&] { return !pie->ColorEachPoint(); }},
        {"auto mark position", [&] { Click(editor->CBMarksAutoPosition); },
         [&] { return !pie->AutoMarkPosition(); }},
        {"vertical centre", [&] { Click(editor->CBVertCenter); },
         [&] { return pie->PieMarks()->VertCenter(); }},
        {"leg size", [&] { editor->SBLegSize->SetPosition(12); },
         [&] { return pie->PieMarks()->LegSize() == 12; }},
        {"palette Default", [&] { Choose(editor->CBPalette, 0); },
         [&] { return chart->ColorPaletteIndex() == -1; }},
        {"palette Excel", [&] { Choose(editor->CBPalette, 2); },
         [&] { return chart->ColorPaletteIndex() == 1; }},
    });
}

TEST_F(PieEditorTest, OtherValueThatIsNoNumberIsReportedAndKept) {
    pie->OtherSlice()->SetValue(3);
    Open();
    editor->EOtherValue->SetText("1e");
    EXPECT_EQ(pie->OtherSlice()->Value(), 3);
    ASSERT_EQ(dialogs.Messages.size(), 1u);
    EXPECT_EQ(dialogs.Messages[0].Text, "'1e' is not a valid floating point value.");
}

TEST_F(PieEditorTest, EnablingRules) {
    struct Case {
        bool view3D;
        TPieOtherStyle other;
        bool colorEach;
    };
    for (const Case& c : {Case{false, poNone, true}, Case{true, poBelowPercent, false},
                          Case{true, poBelowValue, true}}) {
        chart->SetView3D(c.view3D);
        pie->OtherSlice()->SetStyle(c.other);
        pie->SetColorEachPoint(c.colorEach);
        Open();
        const std::string what = std::to_string(c.view3D) + "," + std::to_string(c.other);
        EXPECT_EQ(editor->CBDark3d->Enabled(), c.view3D) << what;
        EXPECT_EQ(editor->EOtherValue->Enabled(), c.other != poNone) << what;
        EXPECT_EQ(editor->EOtherLabel->Enabled(), c.other != poNone) << what;
        EXPECT_EQ(editor->BColor->Enabled(), !c.colorEach) << what;
        TObject::Free(editor);
    }
    Open();
    Choose(editor->CBOther, 0);
    EXPECT_FALSE(editor->EOtherValue->Enabled());
    Choose(editor->CBOther, 1);
    EXPECT_TRUE(editor->EOtherLabel->Enabled());
    Click(editor->CBColorEach);
    EXPECT_EQ(editor->BColor->Enabled(), !pie->ColorEachPoint());
    EXPECT_EQ(editor->CBPalette->Enabled(), pie->ColorEachPoint());
}

TEST_F(PieEditorTest, LegendButtonEditsTheOtherSlicesLegend) {
    Open();
    TChartLegend* edited = nullptr;
    TModalRunner<TFormTeeLegend> runner(editor, [&](TFormTeeLegend& page) {
        edited = pie->OtherSlice()->LegendIfAny();
        page.CBInverted->SetChecked(true);
        page.Close();
    });
    Click(editor->Button2);
    EXPECT_TRUE(runner.Ran());
    ASSERT_NE(edited, nullptr);
    EXPECT_TRUE(edited->Inverted());
    EXPECT_FALSE(chart->Legend()->Inverted());
}

}  // namespace
