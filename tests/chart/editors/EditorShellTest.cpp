// The chart editor dialog's shell: highlighted tabs and page changes the series page may refuse,
// the Tools page, and the tree mode with its nodes against the chart's elements.
#include <gtest/gtest.h>

#include <QTabBar>
#include <QTimer>

#include "chart/editors/AxisPage.h"
#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartEditor.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/SourceEditorBase.h"
#include "chart/editors/TitlesPage.h"
#include "chart/editors/ToolsGallery.h"
#include "chart/editors/ToolsPage.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/ChartWalls.h"
#include "chart/engine/LineSeries.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/EditorOptions.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/Splitter.h"
#include "platform/ui/TabControl.h"
#include "platform/ui/TreeView.h"
#include "tests/chart/editors/ChartPageFixture.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ScratchSettings.h"

namespace {

class TShellTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TShellTool, TTeeCustomTool)
public:
    explicit TShellTool(TComponent* owner) : TTeeCustomTool(owner) {}
    static std::string KindName() { return "Shell Tool"; }
    static std::string KindDescription() { return "A tool of the tests."; }
};

// A source kind whose editor may refuse to close, as an unfinished data-source editor does.
class TShellSource : public TTeeSeriesSource {
    KV_DECLARE_CLASS(TShellSource, TTeeSeriesSource)
public:
    using TTeeSeriesSource::TTeeSeriesSource;
    static std::string KindCaption() { return "Shell source"; }
    static std::string EditorFormClass() { return "TShellSourceEditor"; }
};

class TShellSourceEditor : public TBaseSourceEditor {
    KV_DECLARE_CLASS(TShellSourceEditor, TBaseSourceEditor)
public:
    using TBaseSourceEditor::TBaseSourceEditor;
    bool CloseQuery() override { return MayClose; }
    bool MayClose = true;
};

struct EditorShellTest : ::testing::Test {
    TLibraryStartup library;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TChartEditor* ce = new TChartEditor(&window);

    EditorShellTest() {
        RegisteredSourceClasses().push_back(&TShellSource::StaticClass());
        RegisterClass(&TShellSourceEditor::StaticClass());
        chart->SetName("chCavity");
        chart->SetParent(&window);
        chart->SetBounds(0, 0, 300, 200);
        AddSeries(2);
        ce->HighLightTabs = true;
        ce->SetChart(chart);
    }
    ~EditorShellTest() override {
        UnregisterToolClasses({&TShellTool::StaticClass()});
        UnRegisterClass(&TShellSourceEditor::StaticClass());
        RegisteredSourceClasses().pop_back();
    }
    void AddSeries(int count) {
        for (int n = 0; n < count; ++n) {
            auto* s = new TLineSeries(&window);
            s->SetName("Series" + std::to_string(chart->SeriesCount() + 1));
            chart->AddSeries(s);
            for (int i = 0; i < 4; ++i) s->AddXYPoint(i, i * n);
        }
    }
    static void RegisterTool() { RegisterToolClasses({&TShellTool::StaticClass()}); }
    // Runs the editor; act is the user's part, after which the dialog is closed with Close.
    void Edit(const std::function<void(TChartEditForm&)>& act) { EditChart(ce, act); }
    static void ClickTab(TPageControl* pages, TTabSheet* sheet) {
        auto* bar = pages->Widget()->findChild<QTabBar*>();
        int tab = 0;
        for (int i = 0; i < sheet->PageIndex(); ++i) tab += pages->Pages(i)->TabVisible();
        TUserInput().Click(pages, bar->mapTo(pages->Widget(), bar->tabRect(tab).center()));
    }
    static std::vector<std::string> Highlighted(TPageControl* pages) {
        std::vector<std::string> tabs;
        for (int i = 0; i < pages->PageCount(); ++i)
            if (pages->Pages(i)->Highlighted()) tabs.push_back(pages->Pages(i)->Caption());
        return tabs;
    }
    // The tree as indented lines, "+" before an expanded node with children.
    static std::vector<std::string> TreeLines(TTreeView* tree) {
        std::vector<std::string> lines;
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n; n = n->GetNext())
            lines.push_back(std::string(size_t(2 * n->Level()), ' ') +
                            (n->HasChildren() && n->Expanded() ? "+" : "") + n->Text());
        return lines;
    }
    static TTreeNode* NodeNamed(TTreeView* tree, const std::string& text) {
        for (TTreeNode* n = tree->Items()->GetFirstNode(); n; n = n->GetNext())
            if (n->Text() == text) return n;
        return nullptr;
    }
};

TEST_F(EditorShellTest, TheDialogAndTheToolsFormsAreFoundByName) {
    for (const char* name : {"TChartEditForm", "TFormTeeTools", "TTeeToolsGallery"})
        EXPECT_NE(GetClass(name), nullptr) << name;
}

TEST_F(EditorShellTest, TheActiveTabsAreHighlightedAndTheSeriesPageMayRefuseAChange) {
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(Highlighted(f.MainPage), std::vector<std::string>{"Chart"});
        EXPECT_EQ(Highlighted(f.SubPage), std::vector<std::string>{"Series"});
        ClickTab(f.SubPage, f.TabAxis);
        EXPECT_EQ(f.SubPage->ActivePage(), f.TabAxis);
        EXPECT_EQ(Highlighted(f.SubPage), std::vector<std::string>{"Axis"});
        ClickTab(f.MainPage, f.TabSeries);
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabSeries);
        EXPECT_EQ(Highlighted(f.MainPage), std::vector<std::string>{"Series"});
        ASSERT_NE(f.SeriesPage(), nullptr);

        // The series page's data-source editor is not done: the page stays.
        auto* series = chart->GetSeries(0);
        (new TShellSource(series))->SetSeries(series);
        f.SeriesPage()->ShowTab(stDataSource);
        auto* editor = dynamic_cast<TShellSourceEditor*>(f.SeriesPage()->DataSourceEditor());
        ASSERT_NE(editor, nullptr);
        editor->MayClose = false;
        ClickTab(f.MainPage, f.TabData);
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabSeries);
        EXPECT_TRUE(f.TabSeries->Showing());
        EXPECT_EQ(Highlighted(f.MainPage), std::vector<std::string>{"Series"});
        editor->MayClose = true;
        ClickTab(f.MainPage, f.TabData);
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabData);
        EXPECT_EQ(Highlighted(f.MainPage), std::vector<std::string>{"Data"});
    });
    ce->HighLightTabs = false;
    Edit([&](TChartEditForm& f) {
        ClickTab(f.SubPage, f.TabLegend);
        EXPECT_TRUE(Highlighted(f.MainPage).empty());
        EXPECT_TRUE(Highlighted(f.SubPage).empty());
    });
}

TEST_F(EditorShellTest, TheToolsTabShowsWithRegisteredToolsAndTakesItsTurnAsDefaultPage) {
    const TChartEditorHiddenTabs allSubPages = {
        cetMain, cetGeneral, cetAxis, cetTitles, cetLegend, cetPanel, cetPaging, cetWalls, cet3D};
    ce->DefaultTab = cet3D;
    ce->HideTabs = allSubPages;
    ce->HideTabs.Include(cetSeriesData);
    Edit([&](TChartEditForm& f) {
        EXPECT_FALSE(f.TabTools->TabVisible());  // no tool kinds: no Tools page
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabExport);
    });
    RegisterTool();
    Edit([&](TChartEditForm& f) {
        EXPECT_TRUE(f.TabTools->TabVisible());
        EXPECT_EQ(f.MainPage->ActivePage(), f.TabTools);  // Data, then Tools
        ASSERT_NE(f.ToolsPage(), nullptr);
        EXPECT_EQ(f.ToolsPage()->Parent(), f.TabTools);
    });
    ce->HideTabs.Include(cetTools);
    ce->DefaultTab = cetTools;  // asked for by name, a hidden page still opens
    Edit([&](TChartEditForm& f) { EXPECT_EQ(f.MainPage->ActivePage(), f.TabTools); });
}

TEST_F(EditorShellTest, TheToolsPageAddsAndDeletesThroughTheDialog) {
    RegisterTool();
    const std::string before = Bytes(&window);
    Edit([&](TChartEditForm& f) {
        ClickTab(f.MainPage, f.TabTools);
        ASSERT_NE(f.ToolsPage(), nullptr);
        TFormTeeTools& page = *f.ToolsPage();
        EXPECT_EQ(page.LBTools->Count(), 0);
        TModalRunner<TTeeToolsGallery> runner(&f, [](TTeeToolsGallery& g) {
            g.TabControl1->SetTabIndex(tgtOther);
            g.FillTools();
            g.LBTool->SetItemIndex(0);
            g.LBToolClick();
            Click(g.BOk);
        });
        Click(page.BAdd);
        ASSERT_EQ(chart->Tools().Count(), 1);
        EXPECT_EQ(page.LBTools->Items()->Get(0), "Shell Tool");
        ClickTab(f.MainPage, f.TabData);
        ClickTab(f.MainPage, f.TabTools);  // back again: the list is still right
        EXPECT_EQ(page.LBTools->Count(), 1);
        dialogs.Answers = {mrYes};
        Click(page.BDelete);
        EXPECT_EQ(chart->Tools().Count(), 0);
        EXPECT_EQ(page.LBTools->Count(), 0);
    });
    EXPECT_EQ(Bytes(&window), before);
}

TEST_F(EditorShellTest, TreeNodesStandForTheChartsElements) {
    RegisterTool();
    auto* tool = new TShellTool(&window);
    tool->SetParentChart(chart);
    chart->CustomAxes()->Add();
    ce->TreeView = true;
    ce->HideTabs = {cetGeneral, cetPaging, cetWalls, cet3D, cetExportNative};
    const std::string before = Bytes(&window);
    int treeWidth = 0;
    int widthBefore = 0;
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(TreeLines(f.Tree),
                  (std::vector<std::string>{
                      "+Series",         "  Series1",       "  Series2",      "+Chart",
                      "  Axis",          "    Left Axis",   "    Right Axis", "    Top Axis",
                      "    Bottom Axis", "    Depth Right", "    Depth Top",  "    Custom 0",
                      "  Titles",        "    Title",       "    SubTitle",   "    SubFoot",
                      "    Footer",      "  Legend",        "  Panel",        "Data",
                      "Tools",           "  Shell Tool",    "Export",         "Print"}));
        EXPECT_TRUE(f.Tree->Visible());
        EXPECT_FALSE(f.MainPage->Visible());
        EXPECT_EQ(f.Tree->Selected(), f.SeriesNode());
        EXPECT_EQ(f.TabSeriesList->Parent(), f.TreeContent());
        EXPECT_EQ(f.Width(), 414 + f.Tree->Width() + f.TreeSplitter->Width());
        widthBefore = f.Width() - f.Tree->Width() - f.TreeSplitter->Width();

        // An axis node shows only the axis page's tabs, set to that axis.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Top Axis"));
        auto* axisPage = dynamic_cast<TFormTeeAxis*>(f.SubPageForm(cetAxis));
        ASSERT_NE(axisPage, nullptr);
        auto showsOnly = [&](TControl* control) {
            return f.TreeContent()->ControlCount() == 1 &&
                   f.TreeContent()->Controls(0) == control && control->Visible();
        };
        EXPECT_TRUE(showsOnly(axisPage->PageAxis));
        EXPECT_EQ(f.TabAxis->Parent(), f.SubPage);
        EXPECT_EQ(f.SubPage->ActivePage(), f.TabAxis);
        EXPECT_EQ(f.TabSeriesList->Parent(), f.SubPage);
        EXPECT_EQ(f.TabSeriesList->PageIndex(), 0);  // back in its place
        EXPECT_EQ(axisPage->Axis(), chart->TopAxis());
        EXPECT_EQ(axisPage->LBAxes->ItemIndex(), 2);
        f.Tree->SetSelected(NodeNamed(f.Tree, "Custom 0"));
        EXPECT_TRUE(showsOnly(axisPage->PageAxis));
        EXPECT_EQ(axisPage->Axis(), chart->CustomAxes()->GetAxis(0));
        // The node of an element that has gone (a custom axis deleted on the axis page) can
        // no longer be chosen.
        TTreeNode* custom = f.Tree->Selected();
        f.Tree->SetSelected(NodeNamed(f.Tree, "Top Axis"));
        chart->CustomAxes()->Delete(0);
        f.Tree->SetSelected(custom);
        EXPECT_EQ(f.Tree->Selected()->Text(), "Top Axis");
        EXPECT_TRUE(showsOnly(axisPage->PageAxis));

        // A title node shows only the titles page's tabs, set to that title; the axis tabs
        // went back to their place in the axis page.
        f.Tree->SetSelected(NodeNamed(f.Tree, "SubFoot"));
        auto* titlePage = dynamic_cast<TFormTeeTitle*>(f.SubPageForm(cetTitles));
        ASSERT_NE(titlePage, nullptr);
        EXPECT_TRUE(showsOnly(titlePage->PageControl1));
        EXPECT_EQ(titlePage->Title(), chart->SubFoot());
        EXPECT_EQ(titlePage->CBTitles->ItemIndex(), 2);
        EXPECT_EQ(f.SubPage->ActivePage(), f.TabTitle);
        EXPECT_EQ(axisPage->PageAxis->Parent(), axisPage);
        // Beside the axis list, anchored to the page's other edges.
        EXPECT_EQ(axisPage->PageAxis->Left(), axisPage->LBAxes->Left() + 96);
        EXPECT_EQ(axisPage->PageAxis->Top(), 0);
        EXPECT_EQ(axisPage->ClientWidth() - axisPage->PageAxis->BoundsRect().Right, 4);
        EXPECT_EQ(axisPage->ClientHeight() - axisPage->PageAxis->BoundsRect().Bottom, 4);
        EXPECT_EQ(f.TabAxis->PageIndex(), cetAxis);
        f.Tree->SetSelected(NodeNamed(f.Tree, "Title"));
        EXPECT_TRUE(showsOnly(titlePage->PageControl1));
        EXPECT_EQ(titlePage->Title(), chart->Title());
        // The "Titles" node shows the whole page again, its tabs back inside it.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Titles"));
        EXPECT_TRUE(showsOnly(f.TabTitle));
        EXPECT_EQ(titlePage->PageControl1->Parent(), titlePage);
        EXPECT_EQ(titlePage->PageControl1->Align(), alClient);
        // A sub-page change from code while an axis node shows selects the page's own node.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Left Axis"));
        f.SubPage->SetActivePage(f.TabAxis);
        f.SubPageChange();
        EXPECT_EQ(f.Tree->Selected()->Text(), "Axis");
        EXPECT_TRUE(showsOnly(f.TabAxis));
        EXPECT_EQ(axisPage->PageAxis->Parent(), axisPage);

        // A series node shows the series page on that series.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Series2"));
        EXPECT_EQ(f.TabSeries->Parent(), f.TreeContent());
        ASSERT_NE(f.SeriesPage(), nullptr);
        EXPECT_EQ(f.SeriesPage()->Series(), chart->GetSeries(1));

        // The "Chart" node shows the sub-pages without the series list's tab.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Chart"));
        EXPECT_EQ(f.SubPage->Parent(), f.TreeContent());
        EXPECT_FALSE(f.TabSeriesList->TabVisible());
        EXPECT_NE(f.SubPage->ActivePage(), f.TabSeriesList);

        // A tool node shows the tools page's editor area with the tool selected.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Shell Tool"));
        ASSERT_NE(f.ToolsPage(), nullptr);
        EXPECT_EQ(f.ToolsPage()->SelectedTool(), tool);
        EXPECT_EQ(f.ToolsPage()->PanelToolEditor->Parent(), f.TreeContent());
        EXPECT_EQ(f.SubPage->Parent(), f.TabChart);
        EXPECT_TRUE(f.TabSeriesList->TabVisible());

        // A page node and a page change from code select each other.
        f.Tree->SetSelected(NodeNamed(f.Tree, "Legend"));
        EXPECT_EQ(f.TabLegend->Parent(), f.TreeContent());
        EXPECT_EQ(f.ToolsPage()->PanelToolEditor->Parent(), f.ToolsPage());
        f.MainPage->SetActivePage(f.TabData);
        f.MainPageChange();
        EXPECT_EQ(f.Tree->Selected()->Text(), "Data");
        EXPECT_EQ(f.TabData->Parent(), f.TreeContent());
        treeWidth = f.Tree->Width();
        EXPECT_EQ(widthBefore, 414);
    });
    // Everything went back before the dialog did; its width is written for the next time.
    EXPECT_EQ(ReadEditorOptionInt("TreeWidth", -1), treeWidth);
    EXPECT_EQ(Bytes(&window), before);
}

TEST_F(EditorShellTest, TreeFollowsHiddenTabsSeriesAndTools) {
    RegisterTool();
    AddSeries(9);  // 11 series: the Series node starts collapsed
    ce->TreeView = true;
    ce->HideTabs = {cetMain, cetAxis,       cetGeneral, cetPaging,      cetWalls,
                    cet3D,   cetSeriesData, cetExport,  cetPrintPreview};
    Edit([&](TChartEditForm& f) {
        EXPECT_EQ(TreeLines(f.Tree)[0], "Series");  // kept with its tab hidden; collapsed
        EXPECT_EQ(f.SeriesNode()->Count(), 11);
        EXPECT_EQ(NodeNamed(f.Tree, "Axis"), nullptr);
        EXPECT_EQ(NodeNamed(f.Tree, "Left Axis"), nullptr);
        ASSERT_NE(f.ToolsNode(), nullptr);

        // Series renamed, removed and reordered elsewhere: the nodes follow the list.
        chart->GetSeries(0)->SetTitle("Cavity");
        f.LBSeriesRefreshButtons();
        EXPECT_EQ(f.SeriesNode()->Item(0)->Text(), "Cavity");
        TObject::Free(chart->GetSeries(10));
        EXPECT_EQ(f.SeriesNode()->Count(), 10);
        chart->ExchangeSeries(0, 1);
        f.LBSeriesRefreshButtons();
        EXPECT_EQ(f.SeriesNode()->Item(1)->Text(), "Cavity");

        // Tools added and deleted on the tools page have their nodes.
        f.Tree->SetSelected(f.ToolsNode());
        TFormTeeTools& page = *f.ToolsPage();
        TModalRunner<TTeeToolsGallery> runner(&f, [](TTeeToolsGallery& g) {
            g.TabControl1->SetTabIndex(tgtOther);
            g.FillTools();
            g.LBTool->SetItemIndex(0);
            g.LBToolClick();
            Click(g.BOk);
        });
        Click(page.BAdd);
        ASSERT_EQ(f.ToolsNode()->Count(), 1);
        EXPECT_EQ(f.ToolsNode()->Item(0)->Text(), "Shell Tool");
        dialogs.Answers = {mrYes};
        Click(page.BDelete);
        EXPECT_EQ(f.ToolsNode()->Count(), 0);
    });
}

}  // namespace
