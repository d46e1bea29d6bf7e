// The axis page's tabs on their own: what showing each tab leaves in the chart, and what each
// control writes to the edited axis.
#include <gtest/gtest.h>

#include <QTabBar>
#include <functional>
#include <string>

#include "chart/editors/AxisPage.h"
#include "chart/editors/FontEditor.h"
#include "chart/editors/PenDialog.h"
#include "chart/editors/ShapeEditor.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisTitle.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/LineSeries.h"
#include "chart/foundation/TeeFont.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct AxisTabsTest : ChartPageFixture<> {
    TLineSeries* line = AddParabola("Series1");
    TFormTeeAxis* page = nullptr;

    AxisTabsTest() { window.Show(); }
    TFormTeeAxis* ShowPage(TChartAxis* axis) {
        return page = ShowBeside(new TFormTeeAxis(&window, axis), 480, 360);
    }
    void PickAxis(int index) {
        page->LBAxes->SetItemIndex(index);
        page->LBAxes->OnClick(page->LBAxes);
    }
};

TEST_F(AxisTabsTest, ShowingEveryTabOfEveryAxisChangesNothing) {
    // Values the controls cannot show as they are: beyond their ranges, fractions, odd angles.
    TChartAxis* left = chart->LeftAxis();
    left->SetTickLength(-2000);
    left->SetLabelsAngle(45);
    left->SetLabelsSeparation(35);
    left->Grid()->SetZPosition(33.4);
    left->SetStartPosition(10.6);
    left->SetEndPosition(10.8);
    left->SetMinimumOffset(20000);
    left->Title()->SetAngle(45);
    left->SetAxisValuesFormat("0.0##");
    left->SetLogarithmicBase(2);
    chart->BottomAxis()->SetZPosition(57.5);
    chart->BottomAxis()->SetPositionPercent(-3000);
    new TChartAxis(chart->CustomAxes());
    const std::string before = Bytes(chart);
    ShowPage(left);
    for (int axis = 0; axis < page->LBAxes->Count(); ++axis) {
        PickAxis(axis);
        for (TTabSheet* tab : {page->TabTitle, page->TabLabels, page->TabTicks, page->TabGrid,
                               page->TabPosition, page->TabScales}) {
            ClickPage(tab);
            if (tab == page->TabLabels) {
                ClickPage(page->TabLabelsFormat);
                ClickPage(page->TabLabelsText);
                ClickPage(page->TabLabelsStyle);
            }
            if (tab == page->TabTitle) {
                ClickPage(page->TabTitleFormat);
                // The last tabs lie past the narrow tab bar's end: brought forward as its
                // scroll buttons would.
                TPageControl* shapePages = page->PageTitleFormat;
                for (int i = 0; i < shapePages->PageCount(); ++i) {
                    shapePages->SetActivePage(shapePages->Pages(i));
                    shapePages->OnChange(shapePages);
                }
                ClickPage(page->TabTitleStyle);
            }
        }
    }
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(AxisTabsTest, EachNumberEditWritesItsProperty) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    const struct {
        TTabSheet* tab;
        TEdit* edit;
        const char* text;
        std::function<double()> value;
        double expected;
    } rows[] = {
        {page->TabScales, page->EMinOff, "-7", [a] { return a->MinimumOffset(); }, -7},
        {page->TabScales, page->EMaxOff, "12", [a] { return a->MaximumOffset(); }, 12},
        {page->TabTitle, page->SETitleAngle, "270", [a] { return a->Title()->Angle(); }, 270},
        {page->TabTitle, page->SETitleSize, "40", [a] { return a->TitleSize(); }, 40},
        {page->TabLabels, page->SELabelsSize, "30", [a] { return a->LabelsSize(); }, 30},
        {page->TabLabels, page->SELabelsAngle, "180", [a] { return a->LabelsAngle(); }, 180},
        {page->TabLabels, page->SESepar, "60", [a] { return a->LabelsSeparation(); }, 60},
        {page->TabTicks, page->SEAxisTickLength, "-5", [a] { return a->TickLength(); }, -5},
        {page->TabTicks, page->SEInnerTicksLength, "9", [a] { return a->TickInnerLength(); }, 9},
        {page->TabTicks, page->SEAxisMinorTickLen, "3", [a] { return a->MinorTickLength(); }, 3},
        {page->TabTicks, page->Edit3, "4", [a] { return a->MinorTickCount(); }, 4},
        {page->TabGrid, page->SEMinorCount, "6", [a] { return a->MinorTickCount(); }, 6},
        {page->TabGrid, page->Edit2, "25", [a] { return a->Grid()->ZPosition(); }, 25},
        {page->TabGrid, page->EMarksEvery, "3", [a] { return a->Grid()->DrawEvery(); }, 3},
        {page->TabPosition, page->EPos, "-20", [a] { return a->PositionPercent(); }, -20},
        {page->TabPosition, page->EStart, "10", [a] { return a->StartPosition(); }, 10},
        {page->TabPosition, page->EEnd, "80", [a] { return a->EndPosition(); }, 80},
        {page->TabPosition, page->Edit1, "40", [a] { return a->ZPosition(); }, 40},
    };
    for (const auto& row : rows) {
        ClickPage(row.tab);
        row.edit->SetText(row.text);
        EXPECT_EQ(row.value(), row.expected) << row.text;
    }
    // Text that is no number, or a number beyond the up-down's range, writes nothing.
    ClickPage(page->TabTicks);
    page->SEInnerTicksLength->SetText("-1");
    page->SEInnerTicksLength->SetText("x");
    EXPECT_EQ(a->TickInnerLength(), 9);
    // The minor count is one property shown on two tabs.
    ClickPage(page->TabTicks);
    EXPECT_EQ(page->Edit3->Text(), "6");
}

TEST_F(AxisTabsTest, EachBoxAndListWritesItsProperty) {
    TChartAxis* a = chart->LeftAxis();
    ShowPage(a);
    const struct {
        TTabSheet* tab;
        TTabSheet* subTab;
        TCheckBox* box;
        std::function<bool()> value;
    } rows[] = {
        {page->TabScales, nullptr, page->CBInverted, [a] { return a->Inverted(); }},
        {page->TabScales, nullptr, page->CBVisible, [a] { return a->Visible(); }},
        {page->TabTitle, nullptr, page->CBTitleVisible, [a] { return a->Title()->Visible(); }},
        {page->TabLabels, page->TabLabelsStyle, page->CBLabels, [a] { return a->Labels(); }},
        {page->TabLabels, page->TabLabelsStyle, page->CBMultiline,
         [a] { return a->LabelsMultiLine(); }},
        {page->TabLabels, page->TabLabelsStyle, page->CBOnAxis, [a] { return a->LabelsOnAxis(); }},
        {page->TabLabels, page->TabLabelsStyle, page->CBRoundFirst,
         [a] { return a->RoundFirstLabel(); }},
        {page->TabLabels, page->TabLabelsStyle, page->CBAlternate,
         [a] { return a->LabelsAlternate(); }},
        {page->TabLabels, page->TabLabelsFormat, page->CBExpo, [a] { return a->LabelsExponent(); }},
        {page->TabLabels, page->TabLabelsFormat, page->CBLabelAlign,
         [a] { return a->LabelsAlign() == alDefault; }},
        {page->TabTicks, nullptr, page->CBTickOnLabels, [a] { return a->TickOnLabelsOnly(); }},
        {page->TabGrid, nullptr, page->CBGridCentered, [a] { return a->GridCentered(); }},
    };
    for (const auto& row : rows) {
        ClickPage(row.tab);
        if (row.subTab) ClickPage(row.subTab);
        const bool was = row.value();
        EXPECT_EQ(row.box->Checked(), was) << row.box->Caption();
        Click(row.box);
        EXPECT_EQ(row.value(), !was) << row.box->Caption();
        Click(row.box);
        EXPECT_EQ(row.value(), was) << row.box->Caption();
    }
    // Beside the tabs: the chart's axes as a whole.
    Click(page->CBShow);
    EXPECT_FALSE(chart->AxisVisible());
    Click(page->CBAxisBeh);
    EXPECT_EQ(chart->AxisBehind(), page->CBAxisBeh->Checked());
    // The round boxes follow their Auto boxes.
    ClickPage(page->TabScales);
    Click(page->CBAutoMin);
    EXPECT_FALSE(a->AutomaticMinimum());
    EXPECT_FALSE(page->CBMinRound->Enabled());
    EXPECT_TRUE(page->CBMaxRound->Enabled());
    Click(page->CBMaxRound);
    EXPECT_TRUE(a->MaximumRound());
    // Lists.
    ClickPage(page->TabLabels);
    page->CBLabelStyle->SetItemIndex(4);
    page->CBLabelStyle->OnChange(page->CBLabelStyle);
    EXPECT_EQ(a->LabelStyle(), talText);
    ClickPage(page->TabPosition);
    page->CBPosUnits->SetItemIndex(1);
    page->CBPosUnits->OnChange(page->CBPosUnits);
    EXPECT_EQ(a->PositionUnits(), muPixels);
    // The separation edit and "Show all labels" show one property.
    ClickPage(page->TabLabels);
    ClickPage(page->TabLabelsStyle);
    page->SESepar->SetText("0");
    ClickPage(page->TabScales);
    EXPECT_TRUE(page->CBShowAll->Checked());
}

TEST_F(AxisTabsTest, StartAndEndNeverCross) {
    TChartAxis* a = chart->LeftAxis();
    a->SetStartPosition(20);
    a->SetEndPosition(60);
    ShowPage(a);
    ClickPage(page->TabPosition);
    page->EStart->SetText("60");
    EXPECT_EQ(a->StartPosition(), 20);
    EXPECT_EQ(page->UDStart->Position(), 20);
    page->EEnd->SetText("20");
    EXPECT_EQ(a->EndPosition(), 60);
    EXPECT_EQ(page->EEnd->Text(), "60");
    page->EStart->SetText("59");
    EXPECT_EQ(a->StartPosition(), 59);
}

TEST_F(AxisTabsTest, OrientationAndSideOnlyForCustomAxes) {
    auto* custom = new TChartAxis(chart->CustomAxes());
    ShowPage(chart->LeftAxis());
    ClickPage(page->TabPosition);
    EXPECT_FALSE(page->CBHorizAxis->Enabled());
    EXPECT_FALSE(page->CBOtherSide->Enabled());
    PickAxis(4);  // depth: no Z position
    EXPECT_FALSE(page->Edit1->Enabled());
    TChartAxis* changed = nullptr;
    page->OnHorizontalChange = [&](TChartAxis* axis) { changed = axis; };
    PickAxis(6);
    ASSERT_EQ(page->Axis(), custom);
    EXPECT_TRUE(page->Edit1->Enabled());
    ASSERT_TRUE(page->CBHorizAxis->Enabled());
    Click(page->CBHorizAxis);
    EXPECT_TRUE(custom->Horizontal());
    EXPECT_EQ(changed, custom);
    Click(page->CBOtherSide);
    EXPECT_TRUE(custom->OtherSide());
}

TEST_F(AxisTabsTest, LabelsFontEditorMadeOnceAndFollowsTheAxis) {
    ShowPage(chart->LeftAxis());
    ClickPage(page->TabLabels);
    EXPECT_EQ(page->LabelsFontEditor(), nullptr);
    ClickPage(page->TabLabelsText);
    TTeeFontEditor* editor = page->LabelsFontEditor();
    ASSERT_NE(editor, nullptr);
    EXPECT_EQ(editor->Font(), chart->LeftAxis()->LabelsFont());
    PickAxis(3);
    EXPECT_EQ(page->LabelsFontEditor(), editor);
    EXPECT_EQ(editor->Font(), chart->BottomAxis()->LabelsFont());
    editor->ESize->SetText("17");
    EXPECT_EQ(chart->BottomAxis()->LabelsFont()->Size(), 17);
    EXPECT_NE(chart->LeftAxis()->LabelsFont()->Size(), 17);
    ClickPage(page->TabLabelsStyle);
    ClickPage(page->TabLabelsText);
    EXPECT_EQ(page->LabelsFontEditor(), editor);
}

TEST_F(AxisTabsTest, TitleShapePagesMovedInOnceAndFollowTheAxis) {
    ShowPage(chart->LeftAxis());
    ClickPage(page->TabTitle);
    EXPECT_EQ(page->TitleShapeEditor(), nullptr);
    EXPECT_EQ(page->PageTitleFormat->PageCount(), 0);
    ClickPage(page->TabTitleFormat);
    TFormTeeShape* editor = page->TitleShapeEditor();
    ASSERT_NE(editor, nullptr);
    const int pages = page->PageTitleFormat->PageCount();
    EXPECT_EQ(pages, 6);
    EXPECT_EQ(editor->TabFormat->PageControl(), page->PageTitleFormat);
    EXPECT_EQ(editor->Shape(), chart->LeftAxis()->Title());

    PickAxis(3);
    ClickPage(page->TabTitleStyle);
    ClickPage(page->TabTitleFormat);
    EXPECT_EQ(page->TitleShapeEditor(), editor);
    EXPECT_EQ(page->PageTitleFormat->PageCount(), pages);
    EXPECT_EQ(editor->Shape(), chart->BottomAxis()->Title());

    // A shape page's control writes the chosen axis' title; a page's editor is built on its
    // first visit through the host's page control.
    ClickPage(editor->TabBorder);
    Click(editor->CBRound);
    EXPECT_EQ(chart->BottomAxis()->Title()->ShapeStyle(), fosRoundRectangle);
    EXPECT_EQ(chart->LeftAxis()->Title()->ShapeStyle(), fosRectangle);
    EXPECT_EQ(editor->TabGradient->ControlCount(), 0);
    ClickPage(editor->TabGradient);
    EXPECT_GT(editor->TabGradient->ControlCount(), 0);
}

TEST_F(AxisTabsTest, FormatListAndItsLabelFollowTheAxisKind) {
    line->XValues().SetDateTime(true);
    chart->BottomAxis()->SetLimits(0, 10);
    ShowPage(chart->BottomAxis());
    ClickPage(page->TabLabels);
    ClickPage(page->TabLabelsFormat);
    EXPECT_EQ(page->LabelAxisFormat->Caption(), "DateTime For&mat:");
    EXPECT_GE(page->CBFormat->Items()->IndexOf("yyyy-mm-dd"), 0);
    page->CBFormat->SetText("dd-mm-yyyy");
    page->CBFormat->OnChange(page->CBFormat);
    EXPECT_EQ(chart->BottomAxis()->DateTimeFormat(), "dd-mm-yyyy");
    PickAxis(0);
    EXPECT_EQ(page->LabelAxisFormat->Caption(), "Values For&mat:");
    EXPECT_EQ(page->CBFormat->Text(), "#,##0.###");
}

}  // namespace
