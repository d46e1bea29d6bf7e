#include <gtest/gtest.h>

#include "ChartStubs.h"
#include "chart/engine/AxisGridPen.h"
#include "chart/engine/AxisItems.h"
#include "chart/engine/ChartEngineStartup.h"
#include "chart/engine/ErrorBox.h"
#include "chart/engine/SeriesGroups.h"
#include "chart/engine/SeriesMarksSymbol.h"
#include "chart/foundation/TeeShadow.h"
#include "platform/classes/PropInfo.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Dialogs.h"

namespace {

class ChartToolsGroupsTest : public ::testing::Test {
protected:
    void SetUp() override { RegisterTestChartClasses(); }
    TComponent Form{nullptr};
    TTestChart* Chart = new TTestChart(&Form);
    TTestSeries* AddSeries() {
        return static_cast<TTestSeries*>(Chart->AddSeries(new TTestSeries(&Form)));
    }
};

TEST_F(ChartToolsGroupsTest, ToolsMoveBetweenChartsAndHearOnlyWhileActive) {
    auto* tool = static_cast<TTestSeriesTool*>(
        Chart->Tools().AddToolOfClass(&TTestSeriesTool::StaticClass()));
    EXPECT_EQ(tool->Owner(), Chart);
    EXPECT_EQ(tool->ParentChart(), Chart);
    auto* second = new TTestSeriesTool(&Form);
    Chart->Tools().AddTool(second);
    Chart->ToolsChartEvent(cteBeforeDrawAxes);
    second->SetActive(false);
    Chart->ToolsChartEvent(cteAfterDraw);
    EXPECT_EQ(tool->Kinds, (std::vector<int>{3, 0}));
    EXPECT_EQ(second->Kinds, (std::vector<int>{3}));

    TTestChart other(nullptr);
    tool->SetParentChart(&other);
    EXPECT_EQ(Chart->Tools().Count(), 1);
    EXPECT_EQ(other.Tools().GetTool(0), tool);
    tool->SetParentChart(nullptr);
    EXPECT_EQ(other.Tools().Count(), 0);
    // An axis tool that moves lets go of the first chart's axis.
    auto* axisTool = new TTestAxisTool(&Form);
    axisTool->SetAxis(Chart->LeftAxis());
    EXPECT_EQ(axisTool->ParentChart(), Chart);
    axisTool->SetParentChart(&other);
    EXPECT_EQ(axisTool->Axis(), nullptr);
    delete axisTool;
    delete tool;
    EXPECT_EQ(TCustomChartElement::EditorClassNameOf(&TTestSeriesTool::StaticClass()),
              "TSeriesToolEditor");
    EXPECT_EQ(TCustomChartElement::EditorClassNameOf(&TTestAxisTool::StaticClass()),
              "TAxisToolEditor");
    EXPECT_EQ(TCustomChartElement::EditorClassNameOf(&TTestSeries::StaticClass()), "");
}

TEST_F(ChartToolsGroupsTest, MouseLeavingAndStoredChildren) {
    auto* tool = new TTestSeriesTool(&Form);
    Chart->Tools().AddTool(tool);
    Chart->LeaveMouse();
    EXPECT_EQ(tool->Kinds, std::vector<int>{cteMouseLeave});
    // Series, then tools, are the chart's stored children; internal ones are not.
    auto* internal = new TTestSeriesTool(&Form);
    internal->InternalElement = true;
    Chart->Tools().AddTool(internal);
    auto* s = AddSeries();
    auto* hidden = AddSeries();
    hidden->InternalElement = true;
    std::vector<TComponent*> children;
    Chart->GetChildren([&](TComponent* c) { children.push_back(c); }, &Form);
    EXPECT_EQ(children, (std::vector<TComponent*>{s, tool}));
}

TEST_F(ChartToolsGroupsTest, SeriesToolAxesAndItsSeriesFreed) {
    auto* tool = new TTestSeriesTool(&Form);
    Chart->Tools().AddTool(tool);
    // Without a series: the top axis only when the active series use it and not the bottom.
    EXPECT_EQ(tool->GetHorizAxis(), Chart->BottomAxis());
    auto* s = AddSeries();
    s->SetHorizAxis(aTopAxis);
    s->SetVertAxis(aRightAxis);
    EXPECT_EQ(tool->GetHorizAxis(), Chart->TopAxis());
    EXPECT_EQ(tool->GetVertAxis(), Chart->RightAxis());
    auto* t = AddSeries();  // on the bottom axis
    EXPECT_EQ(tool->GetHorizAxis(), Chart->BottomAxis());
    t->SetActive(false);
    EXPECT_EQ(tool->GetHorizAxis(), Chart->TopAxis());
    tool->SetSeries(t);
    EXPECT_EQ(tool->GetHorizAxis(), Chart->BottomAxis());
    delete t;
    EXPECT_EQ(tool->Series(), nullptr);
}

TEST_F(ChartToolsGroupsTest, ChartListsAnswerForTheirChart) {
    EXPECT_TRUE(Chart->SeriesList().AllActive());  // empty
    auto* a = AddSeries();
    auto* b = AddSeries();
    EXPECT_EQ(Chart->SeriesList().LastSeries(), b);
    Chart->SeriesList().SetAllActive(false);
    EXPECT_FALSE(a->Active() || b->Active());
    a->AddY(1);
    Chart->SeriesList().ClearValues();
    EXPECT_EQ(a->Count(), 0);
    TChartAxes& axes = Chart->Axes();
    EXPECT_EQ(axes.Depth(), Chart->DepthAxis());
    EXPECT_EQ(axes.Right(), Chart->RightAxis());
    axes.SetBehind(false);
    EXPECT_FALSE(Chart->AxisBehind());
    // Fast pixel mode: the clamped mapping gives way to the plain one.
    Chart->SetChartRect(TRect{0, 0, 100, 100});
    Chart->BottomAxis()->SetLimits(0, 1);
    Chart->BottomAxis()->ComputeRange();
    Chart->BottomAxis()->PositionInChart();
    EXPECT_EQ(Chart->BottomAxis()->PixelOfValue(1e9), AxisPixelLimit);
    axes.SetFastPixelMode(true);
    EXPECT_GT(Chart->BottomAxis()->PixelOfValue(1e6), AxisPixelLimit);
}

TEST_F(ChartToolsGroupsTest, GroupsAreNamedInTurnAndSwitchTheirSeries) {
    TSeriesGroups& groups = *Chart->SeriesGroups();
    auto* g1 = static_cast<TSeriesGroup*>(groups.Add());
    auto* g2 = static_cast<TSeriesGroup*>(groups.Add());
    EXPECT_EQ(g1->Name(), "Group1");
    EXPECT_EQ(g2->Name(), "Group2");
    EXPECT_EQ(g1->Active(), gaYes);  // empty
    TTestSeries* s[3] = {AddSeries(), AddSeries(), AddSeries()};
    for (auto* x : s) g1->Add(x);
    s[2]->SetActive(false);
    EXPECT_EQ(g1->Active(), gaSome);
    g1->SetActive(gaSome);
    EXPECT_FALSE(s[2]->Active());
    g1->SetActive(gaNo);
    EXPECT_EQ(g1->Active(), gaNo);
    g1->SetActive(gaYes);
    EXPECT_TRUE(s[0]->Active() && s[1]->Active() && s[2]->Active());
    EXPECT_EQ(groups.IndexOfSeries(s[1]), 0);
    // A series that leaves the chart leaves its groups.
    delete s[1];
    EXPECT_EQ(g1->Series().Count(), 2);
    g2->Assign(g1);
    EXPECT_EQ(g2->Name(), "Group1");
    EXPECT_EQ(g2->Series().Count(), 2);
}

TEST_F(ChartToolsGroupsTest, AxisItemsGridAndMarksSymbol) {
    TAxisItems& items = Chart->LeftAxis()->Items();
    EXPECT_TRUE(items.Auto());
    EXPECT_TRUE(items.Format()->Transparent());
    items.Add(5, "five");
    EXPECT_FALSE(items.Auto());
    EXPECT_TRUE(items[0]->Transparent());
    EXPECT_EQ(items[0]->Text(), "five");
    items.Clear();
    EXPECT_FALSE(items.Auto());
    EXPECT_EQ(items.Count(), 0);
    Chart->RightAxis()->Items().Add(1, "one");
    items.CopyFrom(Chart->RightAxis()->Items());
    ASSERT_EQ(items.Count(), 1);
    EXPECT_EQ(items[0]->Value(), 1);

    // The grid's depth is stored against its axis' default.
    const TPropInfo* z = TAxisGridPen::StaticClass().Properties().Find("ZPosition");
    TAxisGridPen* top = Chart->TopAxis()->Grid();
    EXPECT_EQ(top->ZPosition(), 100);
    EXPECT_FALSE(z->ShouldWrite(top));
    EXPECT_FALSE(z->ShouldWrite(Chart->BottomAxis()->Grid()));
    top->SetZPosition(0);
    EXPECT_TRUE(z->ShouldWrite(top));
    EXPECT_EQ(top->DrawEvery(), 1);

    TSeriesMarksSymbol symbol(Chart);
    EXPECT_FALSE(symbol.Visible());
    EXPECT_FALSE(symbol.IsShown());
    EXPECT_EQ(symbol.Shadow()->HorizSize(), 1);
    symbol.SetVisible(true);
    EXPECT_TRUE(symbol.IsShown());
}

TEST_F(ChartToolsGroupsTest, AddSeriesToStringsListsWhatEditorsShow) {
    auto* a = AddSeries();
    auto* b = AddSeries();
    auto* c = AddSeries();
    a->SetName("Alpha");
    b->SetShowInEditor(false);
    c->SetTitle("Gamma");
    TStringList list;
    AddSeriesToStrings(list, Chart->SeriesList(), true);
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Strings(0), "Alpha");
    EXPECT_EQ(list.Objects(0), a);
    EXPECT_EQ(list.Strings(1), "Gamma");
    list.Clear();
    AddSeriesToStrings(list, Chart->SeriesList(), false);
    EXPECT_EQ(list.Strings(1), "");  // c has no name
}

class TRecordingDialogs : public TDialogService {
public:
    TModalResult MessageBox(const std::string& text, const std::string& caption, TMsgDlgType type,
                            TMsgDlgButtons) override {
        Texts.push_back(text);
        Caption = caption;
        Type = type;
        return mrOk;
    }
    bool ExecuteFileDialog(TFileDialogRequest&) override { return false; }
    bool ExecuteColorDialog(TColor&, std::vector<TColor>&) override { return false; }
    std::vector<std::string> Texts;
    std::string Caption = "?";
    TMsgDlgType Type = mtInformation;
};

TEST(ChartEngineUnitTest, ErrorBoxCutsLongTextsAndStartUpRegistersTheAxes) {
    TRecordingDialogs dialogs;
    TDialogService* former = SetDialogService(&dialogs);
    ShowErrorBox(std::string(2000, 'x'));
    SetDialogService(former);
    ASSERT_EQ(dialogs.Texts.size(), 1u);
    EXPECT_EQ(dialogs.Texts[0].size(), 1023u);
    EXPECT_EQ(dialogs.Caption, "");
    EXPECT_EQ(dialogs.Type, mtError);

    ChartEngineUnitStartup();
    ChartEngineUnitStartup();
    ChartEngineUnitShutdown();
    EXPECT_EQ(GetClass("TChartDepthAxis"), &TChartDepthAxis::StaticClass());
    ChartEngineUnitShutdown();
    EXPECT_EQ(GetClass("TChartAxis"), nullptr);
}

}  // namespace
