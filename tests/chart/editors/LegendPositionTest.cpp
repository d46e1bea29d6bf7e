// The legend page: what showing it leaves in the chart, what each control writes, the custom
// position in pixels or percent, and the title's lines edited in the text editor.
#include <gtest/gtest.h>

#include <QTabBar>
#include <functional>
#include <string>

#include "chart/editors/LegendPage.h"
#include "chart/editors/StringsEditor.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/LineSeries.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Memo.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/RadioGroup.h"
#include "platform/ui/UpDown.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"

namespace {

struct LegendPositionTest : ChartPageFixture<> {
    TChartLegend* legend = nullptr;
    TFormTeeLegend* page = nullptr;

    LegendPositionTest() {
        AddLine("Series1")->AddXYPoint(1, 2);
        legend = chart->Legend();
        window.Show();
    }
    void ShowPage() { page = ShowBeside(new TFormTeeLegend(&window, legend), 450, 320); }
};

TEST_F(LegendPositionTest, ShowingEveryTabChangesNothing) {
    legend->SetCustomPosition(true);
    legend->SetPositionUnits(muPercent);
    legend->SetLeftPercent(150);  // beyond the edit's range
    legend->SetTopPercent(33);
    legend->SetLeft(12000);
    legend->SetResizeChart(true);
    const std::string before = Bytes(chart);
    ShowPage();
    for (TTabSheet* tab : {page->TabPosition, page->TabSymbols, page->TabTitle, page->TabStyle})
        ClickPage(tab);
    page->Reload();
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(LegendPositionTest, CustomEditsWriteInTheLegendsUnits) {
    legend->SetLeft(70);
    legend->SetTop(30);
    legend->SetLeftPercent(25);
    legend->SetTopPercent(35);
    legend->SetCustomPosition(false);  // a pixel position of its own turned it on
    ShowPage();
    ClickPage(page->TabPosition);
    // Without a custom position neither the edits nor the units apply.
    EXPECT_FALSE(page->CBPosPercent->Enabled());
    Click(page->CBCustPos);
    ASSERT_TRUE(page->CBPosPercent->Enabled());
    EXPECT_FALSE(page->CBPosPercent->Checked());
    EXPECT_EQ(page->ECustLeft->Text(), "70");

    Click(page->CBPosPercent);
    EXPECT_EQ(legend->PositionUnits(), muPercent);
    EXPECT_EQ(page->ECustLeft->Text(), "25");
    EXPECT_EQ(page->ECustTop->Text(), "35");
    const struct {
        TEdit* edit;
        const char* text;
        int leftPercent, topPercent, left, top;
    } rows[] = {
        {page->ECustLeft, "40", 40, 35, 70, 30},
        {page->ECustTop, "45", 40, 45, 70, 30},
    };
    for (const auto& row : rows) {
        row.edit->SetText(row.text);
        EXPECT_EQ(legend->LeftPercent(), row.leftPercent) << row.text;
        EXPECT_EQ(legend->TopPercent(), row.topPercent) << row.text;
        EXPECT_EQ(legend->Left(), row.left) << row.text;
        EXPECT_EQ(legend->Top(), row.top) << row.text;
    }
    // Back to pixels: the pixel position is shown again and edited.
    Click(page->CBPosPercent);
    EXPECT_EQ(legend->PositionUnits(), muPixels);
    EXPECT_EQ(page->ECustLeft->Text(), "70");
    EXPECT_EQ(page->ECustTop->Text(), "30");
    page->ECustTop->SetText("55");
    EXPECT_EQ(legend->Top(), 55);
    EXPECT_EQ(legend->TopPercent(), 45);
}

TEST_F(LegendPositionTest, TitleLinesEditedInTheTextEditor) {
    ShowPage();
    ClickPage(page->TabTitle);
    TModalRunner<TStringsEditor> runner(page, [](TStringsEditor& editor) {
        editor.Memo1->SetText("Cavity\r\nEmissivity");
        Click(editor.Button1);
    });
    Click(page->Button1);
    EXPECT_TRUE(runner.Ran());
    ASSERT_EQ(legend->Title()->Text().Count(), 2);
    EXPECT_EQ(legend->Title()->Text()[0], "Cavity");
    EXPECT_EQ(legend->Title()->Text()[1], "Emissivity");
    EXPECT_EQ(page->MemoText->Lines()->Count(), 2);
}

TEST_F(LegendPositionTest, EachControlWritesItsProperty) {
    ShowPage();
    TLegendSymbol* symbol = legend->Symbol();
    const struct {
        TTabSheet* tab;
        TCheckBox* box;
        std::function<bool()> value;
    } boxes[] = {
        {page->TabStyle, page->CBShow, [this] { return legend->Visible(); }},
        {page->TabStyle, page->CBInverted, [this] { return legend->Inverted(); }},
        {page->TabStyle, page->CBFontColor, [this] { return legend->FontSeriesColor(); }},
        {page->TabPosition, page->CBResizeChart, [this] { return legend->ResizeChart(); }},
        {page->TabTitle, page->CBTitleVisible, [this] { return legend->Title()->Visible(); }},
        {page->TabSymbols, page->SymbolEditor->CBContinuous,
         [symbol] { return symbol->Continuous(); }},
        {page->TabSymbols, page->SymbolEditor->CBVisible, [symbol] { return symbol->Visible(); }},
        {page->TabSymbols, page->SymbolEditor->CBSquared, [symbol] { return symbol->Squared(); }},
        {page->TabSymbols, page->SymbolEditor->CBSymPen, [symbol] { return symbol->DefaultPen(); }},
    };
    for (const auto& row : boxes) {
        ClickPage(row.tab);
        const bool was = row.value();
        Click(row.box);
        EXPECT_EQ(row.value(), !was) << row.box->Caption();
        Click(row.box);
        EXPECT_EQ(row.value(), was) << row.box->Caption();
    }
    const struct {
        TTabSheet* tab;
        TEdit* edit;
        const char* text;
        std::function<int()> value;
        int expected;
    } edits[] = {
        {page->TabStyle, page->EVertSpacing, "6", [this] { return legend->VertSpacing(); }, 6},
        {page->TabPosition, page->SETopPos, "-20", [this] { return legend->TopPos(); }, -20},
        {page->TabSymbols, page->SymbolEditor->SEColWi, "35", [symbol] { return symbol->Width(); },
         35},
    };
    for (const auto& row : edits) {
        ClickPage(row.tab);
        row.edit->SetText(row.text);
        EXPECT_EQ(row.value(), row.expected) << row.text;
    }
    const struct {
        TComboBox* combo;
        int item;
        std::function<int()> value;
    } lists[] = {
        {page->CBLegendStyle, 3, [this] { return int(legend->LegendStyle()); }},
        {page->CBTextAlign, 0, [this] { return int(legend->Title()->TextAlignment()); }},
        {page->SymbolEditor->CBSymbolPos, 1, [symbol] { return int(symbol->Position()); }},
        {page->SymbolEditor->CBColWUnits, 1, [symbol] { return int(symbol->WidthUnits()); }},
    };
    const int expected[] = {lsLastValues, taLeftJustify, spRight, lcsPixels};
    for (size_t i = 0; i < std::size(lists); ++i) {
        lists[i].combo->SetItemIndex(lists[i].item);
        lists[i].combo->OnChange(lists[i].combo);
        EXPECT_EQ(lists[i].value(), expected[i]) << i;
    }
    ClickPage(page->TabPosition);
    page->RGPosition->SetItemIndex(2);
    EXPECT_EQ(legend->Alignment(), laTop);
}

}  // namespace
