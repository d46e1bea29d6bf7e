// The chart editor's tools page and the tools gallery, with tool classes of the tests' own: a
// series tool whose editor form is registered, an axis tool and a plain tool whose editors are
// not.
#include <gtest/gtest.h>

#include <QTabBar>

#include "chart/editors/ToolsGallery.h"
#include "chart/editors/ToolsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/SeriesTypes.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/classes/Writer.h"
#include "platform/rtl/Streams.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Memo.h"
#include "platform/ui/Panel.h"
#include "platform/ui/RecordingDialogService.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/TabControl.h"
#include "tests/chart/editors/LibraryStartup.h"
#include "tests/chart/editors/ModalRunner.h"
#include "tests/platform/ui/UserInput.h"
#include "tests/support/ComponentBytes.h"
#include "tests/support/ScratchSettings.h"

namespace {

class TMarkTool : public TTeeCustomToolSeries {
    KV_DECLARE_CLASS(TMarkTool, TTeeCustomToolSeries)
public:
    explicit TMarkTool(TComponent* owner) : TTeeCustomToolSeries(owner) {}
    static std::string KindName() { return "Mark Tips"; }
    static std::string KindDescription() { return "Shows a point's mark under the mouse."; }
    static std::string EditorClassName() { return "TMarkToolEditor"; }
};

class TLineTool : public TTeeCustomToolAxis {
    KV_DECLARE_CLASS(TLineTool, TTeeCustomToolAxis)
public:
    explicit TLineTool(TComponent* owner) : TTeeCustomToolAxis(owner) {}
    static std::string KindName() { return "Axis Lines"; }
    static std::string KindDescription() { return "Draws lines across an axis."; }
    static std::string EditorClassName() { return "TNoSuchToolEditor"; }
};

class TNoteTool : public TTeeCustomTool {
    KV_DECLARE_CLASS(TNoteTool, TTeeCustomTool)
public:
    explicit TNoteTool(TComponent* owner) : TTeeCustomTool(owner) {}
    static std::string KindName() { return "Annotation"; }
    static std::string KindDescription() { return "A text on the chart."; }
};

// The editor form of the mark tool: it tells which tool it was given.
class TMarkToolEditor : public TForm {
    KV_DECLARE_CLASS(TMarkToolEditor, TForm)
public:
    explicit TMarkToolEditor(TComponent* owner) : TForm(owner) {}
};

struct ToolsPageTest : ::testing::Test {
    TLibraryStartup library;
    TScratchSettings settings;
    TRecordingDialogService dialogs;
    TForm window{nullptr};
    TChart* chart = new TChart(&window);
    TFormTeeTools* page = nullptr;

    ToolsPageTest() {
        RegisterToolClasses(
            {&TMarkTool::StaticClass(), &TLineTool::StaticClass(), &TNoteTool::StaticClass()});
        RegisterClass(&TMarkToolEditor::StaticClass());
        chart->SetName("Chart1");
        chart->SetParent(&window);
        window.SetBounds(0, 0, 500, 400);
    }
    ~ToolsPageTest() override {
        UnRegisterClass(&TMarkToolEditor::StaticClass());
        UnregisterToolClasses(
            {&TMarkTool::StaticClass(), &TLineTool::StaticClass(), &TNoteTool::StaticClass()});
    }
    template <class T>
    T* AddTool(const std::string& name, TComponent* owner = nullptr) {
        auto* tool = new T(owner ? owner : &window);
        tool->SetName(name);
        tool->SetParentChart(chart);
        return tool;
    }
    // The page as the dialog makes it: given the chart's tools, embedded and shown.
    void ShowPage() {
        page = new TFormTeeTools(&window);
        page->SetTools(&chart->Tools());
        page->SetParent(&window);
        page->SetAlign(alClient);
        window.Show();
        page->Show();
    }
    std::vector<std::string> Listed() const {
        std::vector<std::string> items;
        for (int i = 0; i < page->LBTools->Count(); ++i)
            items.push_back(page->LBTools->Items()->Get(i));
        return items;
    }
    std::vector<TTeeCustomTool*> ChartTools() const {
        return {chart->Tools().begin(), chart->Tools().end()};
    }
    static void Click(TControl* c) { TUserInput().Click(c, QPoint(6, c->Height() / 2)); }
};

TEST_F(ToolsPageTest, AChartWithoutToolsOffersOnlyAdd) {
    ShowPage();
    EXPECT_EQ(page->LBTools->Count(), 0);
    EXPECT_TRUE(page->BAdd->Enabled());
    for (TControl* c :
         {static_cast<TControl*>(page->CBActive), static_cast<TControl*>(page->BDelete),
          static_cast<TControl*>(page->BClone)})
        EXPECT_FALSE(c->Enabled());
    EXPECT_EQ(page->ToolEditor(), nullptr);
}

TEST_F(ToolsPageTest, ListsTheToolsShownInTheEditorAndEmbedsTheirEditors) {
    TMarkTool* mark = AddTool<TMarkTool>("ChartTool1");
    TLineTool* lines = AddTool<TLineTool>("ChartTool2");
    AddTool<TNoteTool>("ChartTool3")->SetShowInEditor(false);
    const std::string before = Bytes(chart);
    ShowPage();
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Mark Tips", "Axis Lines"}));
    EXPECT_EQ(page->SelectedTool(), mark);
    ASSERT_NE(page->ToolEditor(), nullptr);
    EXPECT_EQ(page->ToolEditor()->ClassType().ClassName(), "TMarkToolEditor");
    EXPECT_EQ(page->ToolEditor()->TagObject(), mark);
    EXPECT_EQ(page->ToolEditor()->Parent(), page->PanelToolEditor);
    EXPECT_FALSE(page->BMoveUp->Enabled());
    EXPECT_TRUE(page->BMoveDown->Enabled());
    EXPECT_EQ(Bytes(chart), before);  // loading changes nothing

    // A tool without a registered editor: listed, switched on and off, nothing embedded.
    page->LBTools->SetItemIndex(1);
    page->LBToolsClick();
    EXPECT_EQ(page->ToolEditor(), nullptr);
    EXPECT_TRUE(page->CBActive->Checked());
    page->CBActive->SetChecked(false);
    EXPECT_FALSE(lines->Active());
    page->CBActive->SetChecked(true);
    EXPECT_TRUE(lines->Active());
    EXPECT_EQ(Bytes(chart), before);
}

TEST_F(ToolsPageTest, AnEditorThatRefusesToCloseKeepsItsTool) {
    TMarkTool* mark = AddTool<TMarkTool>("ChartTool1");
    AddTool<TNoteTool>("ChartTool2");
    ShowPage();
    page->ToolEditor()->OnCloseQuery = [](TObject*, bool& canClose) { canClose = false; };
    page->LBTools->SetItemIndex(1);
    page->LBToolsClick();
    EXPECT_EQ(page->SelectedTool(), mark);
    EXPECT_EQ(page->LBTools->ItemIndex(), 0);
    // The tool is loaded again.
    ASSERT_NE(page->ToolEditor(), nullptr);
    EXPECT_EQ(page->ToolEditor()->TagObject(), mark);
}

TEST_F(ToolsPageTest, DeletingSelectsThePreviousOrTheLastTool) {
    const struct {
        int deleted;
        std::vector<std::string> left;
        int selected;
    } cases[] = {
        {0, {"B", "C"}, 1},
        {1, {"A", "C"}, 1},
        {2, {"A", "B"}, 1},
    };
    for (const auto& c : cases) {
        for (const char* name : {"A", "B", "C"}) AddTool<TNoteTool>(name);
        ShowPage();
        page->LBTools->SetItemIndex(c.deleted);
        page->LBToolsClick();
        dialogs.Answers = {mrYes};
        Click(page->BDelete);
        ASSERT_EQ(dialogs.Messages.size(), 1u);
        EXPECT_EQ(dialogs.Messages[0].Text, "Delete Annotation ?");
        std::vector<std::string> left;
        for (TTeeCustomTool* tool : ChartTools()) left.push_back(tool->Name());
        EXPECT_EQ(left, c.left) << c.deleted;
        EXPECT_EQ(page->LBTools->ItemIndex(), c.selected) << c.deleted;
        EXPECT_EQ(page->LBTools->Count(), 2);

        dialogs.Answers = {mrNo};  // No deletes nothing
        Click(page->BDelete);
        EXPECT_EQ(chart->Tools().Count(), 2);
        chart->Tools().Clear();
        TObject::Free(page);
        dialogs.Messages.clear();
    }
}

TEST_F(ToolsPageTest, MovingKeepsTheListTheChartAndTheStoredOrderTogether) {
    TTeeCustomTool* a = AddTool<TNoteTool>("ToolA");
    TTeeCustomTool* b = AddTool<TMarkTool>("ToolB");
    TTeeCustomTool* c = AddTool<TLineTool>("ToolC");
    ShowPage();
    Click(page->BMoveDown);
    Click(page->BMoveDown);
    EXPECT_EQ(Listed(), (std::vector<std::string>{"Mark Tips", "Axis Lines", "Annotation"}));
    EXPECT_EQ(ChartTools(), (std::vector<TTeeCustomTool*>{b, c, a}));
    EXPECT_LT(b->ComponentIndex(), c->ComponentIndex());
    EXPECT_LT(c->ComponentIndex(), a->ComponentIndex());
    EXPECT_EQ(page->SelectedTool(), a);
    EXPECT_FALSE(page->BMoveDown->Enabled());
    Click(page->BMoveUp);
    EXPECT_EQ(ChartTools(), (std::vector<TTeeCustomTool*>{b, a, c}));
}

TEST_F(ToolsPageTest, AddedToolsAreNamedAndOwnedAsTheChartsToolsAre) {
    std::vector<TTeeCustomTool*> reported;
    // The gallery: the Other tab, Annotation, Add.
    auto addFromGallery = [&] {
        TModalRunner<TTeeToolsGallery> runner(&window, [](TTeeToolsGallery& g) {
            g.TabControl1->SetTabIndex(tgtOther);
            g.FillTools();
            g.LBTool->SetItemIndex(g.LBTool->Items()->IndexOf("Annotation"));
            g.LBToolClick();
            EXPECT_TRUE(g.BOk->Enabled());
            Click(g.BOk);
        });
        Click(page->BAdd);
        EXPECT_TRUE(runner.Ran());
    };
    ShowPage();
    page->OnToolAdded = [&](TTeeCustomTool* tool) { reported.push_back(tool); };
    addFromGallery();
    ASSERT_EQ(chart->Tools().Count(), 1);
    TTeeCustomTool* first = chart->Tools()[0];
    EXPECT_EQ(first->ClassType().ClassName(), "TNoteTool");
    EXPECT_EQ(first->Name(), "ChartTool1");
    EXPECT_EQ(first->Owner(), &window);  // the chart's owner
    EXPECT_EQ(reported, std::vector<TTeeCustomTool*>{first});
    EXPECT_EQ(page->SelectedTool(), first);

    // Once the chart owns one of its tools, the chart owns the new ones too.
    TNoteTool* owned = AddTool<TNoteTool>("Owned", chart);
    (void)owned;
    addFromGallery();
    ASSERT_EQ(chart->Tools().Count(), 3);
    EXPECT_EQ(chart->Tools()[2]->Owner(), chart);
    EXPECT_EQ(chart->Tools()[2]->Name(), "ChartTool1");  // first free name in its owner

    // Cancel adds nothing.
    TModalRunner<TTeeToolsGallery> cancel(&window, [](TTeeToolsGallery& g) { Click(g.BCan); });
    Click(page->BAdd);
    EXPECT_EQ(chart->Tools().Count(), 3);

    // A clone: same class and owner, in the chart, listed and selected.
    page->LBTools->SetItemIndex(0);
    page->LBToolsClick();
    Click(page->BClone);
    ASSERT_EQ(chart->Tools().Count(), 4);
    TTeeCustomTool* copy = chart->Tools()[3];
    EXPECT_EQ(copy->Owner(), &window);
    EXPECT_EQ(copy->Name(), "ChartTool2");
    EXPECT_EQ(page->SelectedTool(), copy);
    EXPECT_EQ(reported.back(), copy);
}

TEST_F(ToolsPageTest, TheGalleryListsEachKindOnItsTab) {
    auto* gallery = new TTeeToolsGallery(&window);
    std::vector<std::vector<std::string>> tabs;
    TModalRunner<TTeeToolsGallery> runner(&window, [&](TTeeToolsGallery& g) {
        auto* bar = g.TabControl1->Widget()->findChild<QTabBar*>();
        ASSERT_EQ(bar->count(), 3);
        EXPECT_EQ(bar->tabText(0).toStdString(), "Series");
        EXPECT_EQ(bar->tabText(1).toStdString(), "Axis");
        EXPECT_EQ(bar->tabText(2).toStdString(), "Other");
        for (int tab = 0; tab < 3; ++tab) {
            g.TabControl1->SetTabIndex(tab);
            g.FillTools();
            EXPECT_FALSE(g.BOk->Enabled());
            std::vector<std::string> names;
            for (int i = 0; i < g.LBTool->Count(); ++i) names.push_back(g.LBTool->Items()->Get(i));
            tabs.push_back(names);
        }
        g.TabControl1->SetTabIndex(tgtSeries);
        g.FillTools();
        g.LBTool->SetItemIndex(0);
        g.LBToolClick();
        EXPECT_EQ(g.MemoDesc->Lines()->Get(0), "Shows a point's mark under the mouse.");
        EXPECT_EQ(g.SelectedClass(), &TMarkTool::StaticClass());
        EXPECT_EQ(g.Width(), 300);
        EXPECT_FALSE(g.PanelDemos->Visible());
        Click(g.BCan);
    });
    EXPECT_EQ(gallery->ShowModal(), mrCancel);
    EXPECT_EQ(tabs, (std::vector<std::vector<std::string>>{
                        {"Mark Tips"}, {"Axis Lines"}, {"Annotation"}}));
    TObject::Free(gallery);
}

}  // namespace
