// The chart editor's tree mode: a tree of everything the dialog edits at its left and, in place
// of its page controls, one content panel that shows the page (or the part of a page) of the
// selected node. Pages moved into the panel go back to their page control, at their own place,
// before another one comes in and before the dialog goes, so that the page indexes the dialog
// relies on (a sub-page's index is its editor tab) always hold.
#include "chart/editors/AxisEditorTexts.h"
#include "chart/editors/AxisPage.h"
#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/TitlesPage.h"
#include "chart/editors/ToolsGallery.h"
#include "chart/editors/ToolsPage.h"
#include "chart/editors/WallsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTitle.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/ChartWalls.h"
#include "platform/rtl/ValueGuard.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Splitter.h"
#include "platform/ui/TreeView.h"

namespace {

// Nodes carry the object they stand for. The object may have gone since the node was made (a
// custom axis deleted on the axis page, a tool freed elsewhere), so a node's object is only
// compared with what the dialog and the chart hold now, never used before it is found there.
const void* NodeData(const TObject* object) { return object; }

enum TNodeKind { nkNone, nkSheet, nkChartPages, nkSeries, nkTool, nkAxis, nkTitle, nkWall };

TTreeNode* AddNode(TTreeView* tree, TTreeNode* parent, const std::string& text, TObject* object) {
    return tree->Items()->AddChildObject(parent, text, const_cast<void*>(NodeData(object)));
}

// A sheet moved into the content panel fills it; at home its page control places it.
void MoveInto(TControl* control, TWinControl* parent) {
    control->SetParent(parent);
    control->SetAlign(alClient);
    control->SetVisible(true);
}

}  // namespace

void TChartEditForm::BuildTree() {
    FTreeMode = true;
    Tree->SetWidth(FTreeWidth);
    Tree->SetVisible(true);
    TreeSplitter->SetVisible(true);
    FWidthBeforeTree = Width();
    SetWidth(Width() + Tree->Width() + TreeSplitter->Width());
    ButtonHelp->SetLeft(16);
    MainPage->SetVisible(false);
    FTreeContent = MakeControl<TPanel>(this);
    FTreeContent->SetBevelOuter(bvNone);
    FTreeContent->SetAlign(alClient);
    LBSeries->OnRemovedSeries = [this](TChartListBox*, TCustomChartSeries*) {
        RebuildSeriesNodes();
    };
    FillTree();
}

void TChartEditForm::Resize() {
    TForm::Resize();
    if (FTreeMode) FWidthBeforeTree = Width() - Tree->Width() - TreeSplitter->Width();
}

void TChartEditForm::FillTree() {
    {
        TValueGuard<bool> selecting(FTreeSelecting, true);
        FillTreeNodes();
    }
    if (FSeriesNode) Tree->SetSelected(FSeriesNode);
    if (Tree->CanFocus()) Tree->SetFocus();
}

void TChartEditForm::FillTreeNodes() {
    Tree->Items()->BeginUpdate();
    Tree->Items()->Clear();
    FSeriesNode = nullptr;
    FToolsNode = nullptr;
    // The series list stays in the tree even with its tab hidden.
    if (TabSeriesList->Visible() || TabSeries->Visible()) {
        FSeriesNode = AddNode(Tree, nullptr, TabSeriesList->Caption(), TabSeriesList);
        RebuildSeriesNodes();
        if (FChart && FChart->SeriesCount() < 11) FSeriesNode->Expand(false);
    }
    bool chartPages = false;
    for (int i = 1; i < SubPage->PageCount(); ++i)
        chartPages = chartPages || SubPage->Pages(i)->TabVisible();
    TTreeNode* chartNode =
        chartPages ? AddNode(Tree, nullptr, TabChart->Caption(), SubPage) : nullptr;
    for (int i = 1; i < SubPage->PageCount(); ++i) {
        TTabSheet* sheet = SubPage->Pages(i);
        if (!sheet->TabVisible()) continue;
        AddTreeChildren(AddNode(Tree, chartNode, sheet->Caption(), sheet), sheet);
    }
    if (chartNode) chartNode->Expand(false);
    for (int i = 2; i < MainPage->PageCount(); ++i) {
        TTabSheet* sheet = MainPage->Pages(i);
        if (!sheet->TabVisible()) continue;
        TTreeNode* node = AddNode(Tree, nullptr, sheet->Caption(), sheet);
        if (sheet != TabTools || !FChart) continue;
        FToolsNode = node;
        for (TTeeCustomTool* tool : FChart->Tools())
            if (tool->ShowInEditor()) AddNode(Tree, node, ToolKindName(&tool->ClassType()), tool);
    }
    Tree->Items()->EndUpdate();
}

void TChartEditForm::AddTreeChildren(TTreeNode* node, TTabSheet* sheet) {
    if (!FChart) return;
    if (sheet == TabAxis) {
        const std::pair<const char*, TChartAxis*> axes[] = {
            {"Left Axis", FChart->LeftAxis()},    {"Right Axis", FChart->RightAxis()},
            {"Top Axis", FChart->TopAxis()},      {"Bottom Axis", FChart->BottomAxis()},
            {"Depth Right", FChart->DepthAxis()}, {"Depth Top", FChart->DepthTopAxis()}};
        for (auto [text, axis] : axes) AddNode(Tree, node, text, axis);
        for (int i = 0; i < FChart->CustomAxes()->Count(); ++i)
            AddNode(Tree, node, "Custom " + std::to_string(i), FChart->CustomAxes()->GetAxis(i));
    } else if (sheet == TabTitle) {
        const std::pair<const char*, TChartTitle*> titles[] = {{"Title", FChart->Title()},
                                                               {"SubTitle", FChart->SubTitle()},
                                                               {"SubFoot", FChart->SubFoot()},
                                                               {"Footer", FChart->Foot()}};
        for (auto [text, title] : titles) AddNode(Tree, node, text, title);
    } else if (sheet == TabWalls) {
        const std::pair<const char*, TChartWall*> walls[] = {{"Left", FChart->Walls()->Left()},
                                                             {"Right", FChart->Walls()->Right()},
                                                             {"Bottom", FChart->Walls()->Bottom()},
                                                             {"Back", FChart->Walls()->Back()}};
        for (auto [text, wall] : walls) AddNode(Tree, node, text, wall);
    }
}

void TChartEditForm::RebuildSeriesNodes() {
    if (!FSeriesNode) return;
    // Nothing to do while the nodes name the list's series in its order.
    const TStrings& items = *LBSeries->Items();
    bool same = FSeriesNode->Count() == items.Count();
    for (int i = 0; same && i < items.Count(); ++i) {
        const TTreeNode* node = FSeriesNode->Item(i);
        same = node->Data() == NodeData(items.Objects(i)) && node->Text() == items.Get(i);
    }
    if (same) return;
    TValueGuard<bool> selecting(FTreeSelecting, true);
    FSeriesNode->DeleteChildren();
    for (int i = 0; i < items.Count(); ++i) {
        auto* series = dynamic_cast<TChartSeries*>(items.Objects(i));
        if (series && series->ShowInEditor()) AddNode(Tree, FSeriesNode, items.Get(i), series);
    }
}

void TChartEditForm::SelectTreeNodeOf(const TObject* object) {
    if (FTreeSelecting || !object) return;
    for (TTreeNode* node = Tree->Items()->GetFirstNode(); node; node = node->GetNext()) {
        if (node->Data() != NodeData(object)) continue;
        if (!node->Selected()) Tree->SetSelected(node);
        return;
    }
}

void TChartEditForm::ShowSelectedTreeNode() {
    if (FTreeContent && FTreeContent->ControlCount() == 0 && Tree->Selected())
        TreeChange(Tree->Selected());
}

void TChartEditForm::PutPagesBack() {
    if (!FTreeContent) return;
    const std::vector<TTabSheet*> mainSheets = {TabChart, TabSeries, TabData,
                                                TabTools, TabExport, TabPrint};
    const std::vector<TTabSheet*> subSheets = {TabSeriesList, TabGeneral, TabAxis,
                                               TabTitle,      TabLegend,  TabPanel,
                                               TabPaging,     TabWalls,   Tab3D};
    while (FTreeContent->ControlCount() > 0) {
        TControl* control = FTreeContent->Controls(0);
        control->SetAlign(alNone);
        if (auto* sheet = dynamic_cast<TTabSheet*>(control)) {
            auto home = [&](TPageControl* pages, const std::vector<TTabSheet*>& sheets) {
                const auto at = std::find(sheets.begin(), sheets.end(), sheet);
                if (at == sheets.end()) return false;
                sheet->SetPageControl(pages);
                sheet->SetPageIndex(int(at - sheets.begin()));
                return true;
            };
            if (!home(MainPage, mainSheets)) home(SubPage, subSheets);
        } else if (control == SubPage) {
            SubPage->SetParent(TabChart);
            SubPage->SetAlign(alClient);
        } else if (control == FTreeInnerPages) {
            control->SetParent(FTreeInnerHome);
            control->SetAlign(FTreeInnerAlign);
            control->SetBounds(FTreeInnerBounds.Left, FTreeInnerBounds.Top,
                               FTreeInnerBounds.Width(), FTreeInnerBounds.Height());
            FTreeInnerPages = nullptr;
        } else if (FToolsPage && control == FToolsPage->PanelToolEditor) {
            control->SetParent(FToolsPage);
            control->SetAlign(alClient);
        } else {
            control->SetParent(nullptr);  // not ours to keep: nothing else goes in
        }
    }
    TabSeriesList->SetTabVisible(!HideTabs.Contains(cetMain));
}

int TChartEditForm::TreeNodeKind(const void* object) const {
    for (const TTabSheet* sheet :
         {TabChart, TabSeries, TabData, TabTools, TabExport, TabPrint, TabSeriesList, TabGeneral,
          TabAxis, TabTitle, TabLegend, TabPanel, TabPaging, TabWalls, Tab3D})
        if (object == NodeData(sheet)) return nkSheet;
    if (object == NodeData(SubPage)) return nkChartPages;
    if (!FChart) return nkNone;
    for (int i = 0; i < FChart->SeriesCount(); ++i)
        if (object == NodeData(FChart->GetSeries(i))) return nkSeries;
    for (const TTeeCustomTool* tool : FChart->Tools())
        if (object == NodeData(tool)) return nkTool;
    for (int i = 0; i < FChart->Axes().Count(); ++i)
        if (object == NodeData(FChart->Axes()[i])) return nkAxis;
    const TChartTitle* const titles[] = {FChart->Title(), FChart->SubTitle(), FChart->SubFoot(),
                                         FChart->Foot()};
    for (const TChartTitle* title : titles)
        if (object == NodeData(title)) return nkTitle;
    const TChartWalls& walls = *FChart->Walls();
    const TChartWall* const wallList[] = {walls.Left(), walls.Right(), walls.Bottom(),
                                          walls.Back()};
    for (const TChartWall* wall : wallList)
        if (object == NodeData(wall)) return nkWall;
    return nkNone;
}

void TChartEditForm::TreeChange(TTreeNode* node) {
    if (FTreeSelecting || !node || !FTreeContent) return;
    const int kind = TreeNodeKind(node->Data());
    if (kind == nkNone) return;  // refused while changing: see OnChanging
    TValueGuard<bool> selecting(FTreeSelecting, true);
    auto* object = static_cast<TObject*>(node->Data());
    PutPagesBack();
    // Shows a sub-page (creating its editor on the first visit) and gives its page form.
    auto showSubPage = [this](TTabSheet* sheet) {
        MainPage->SetActivePage(TabChart);
        SubPage->SetActivePage(sheet);
        SubPageChange();
        return SubPageForm(sheet->PageIndex());
    };
    if (kind == nkSheet) {
        auto* sheet = static_cast<TTabSheet*>(object);
        if (sheet->PageControl() == MainPage) {
            MainPage->SetActivePage(sheet);
            MainPageChange();
        } else {
            showSubPage(sheet);
        }
        MoveInto(sheet, FTreeContent);
        if (sheet == TabSeriesList) {
            if (LBSeries->CanFocus()) LBSeries->SetFocus();
            LBSeries->Invalidate();
        }
    } else if (kind == nkChartPages) {
        if (SubPage->ActivePage() == TabSeriesList)
            for (int i = 1; i < SubPage->PageCount(); ++i)
                if (SubPage->Pages(i)->TabVisible()) {
                    SubPage->SetActivePage(SubPage->Pages(i));
                    break;
                }
        MoveInto(SubPage, FTreeContent);
        TabSeriesList->SetTabVisible(false);
        SubPageChange();
    } else if (kind == nkSeries) {
        auto* series = static_cast<TChartSeries*>(object);
        if (FSeriesPage && !FSeriesPage->PageSeriesChanging()) return;
        const int index = IndexOfItemObject(*LBSeries->Items(), series);
        if (index >= 0) LBSeries->SelectSeries(index);
        MainPage->SetActivePage(TabSeries);
        ShowSeriesPage();
        MoveInto(TabSeries, FTreeContent);
    } else if (kind == nkTool) {
        auto* tool = static_cast<TTeeCustomTool*>(object);
        MainPage->SetActivePage(TabTools);
        ShowToolsPage();
        // Made inside a page that is not showing, the tools page has not filled its list yet.
        if (FToolsPage->LBTools->Count() == 0) FToolsPage->Reload();
        FToolsPage->SelectTool(tool);
        MoveInto(FToolsPage->PanelToolEditor, FTreeContent);
    } else if (kind == nkAxis) {
        auto* axis = static_cast<TChartAxis*>(object);
        // Each page reads its element as it comes into view; then it is pointed at the node's,
        // and only its tabs are shown: the axis list beside them is the tree itself.
        if (auto* page = dynamic_cast<TFormTeeAxis*>(showSubPage(TabAxis))) {
            // Made while its sheet is out of view, the page has not filled its axis list yet.
            if (page->LBAxes->Count() == 0) page->Reload();
            page->LBAxes->SetItemIndex(ListIndexOfAxis(*FChart, axis));
            if (page->LBAxes->OnClick) page->LBAxes->OnClick(page->LBAxes);
            ShowInnerPages(page->PageAxis);
        }
    } else if (kind == nkTitle) {
        if (auto* page = dynamic_cast<TFormTeeTitle*>(showSubPage(TabTitle))) {
            page->CBTitles->SetItemIndex(node->Index());
            if (page->CBTitles->OnChange) page->CBTitles->OnChange(page->CBTitles);
            ShowInnerPages(page->PageControl1);
        }
    } else if (kind == nkWall) {
        auto* wall = static_cast<TChartWall*>(object);
        auto* page = dynamic_cast<TFormTeeWall*>(showSubPage(TabWalls));
        MoveInto(TabWalls, FTreeContent);
        if (page) page->SetWall(wall);
    }
    if (HighLightTabs) {
        ShowTabHighlight(MainPage, true);
        ShowTabHighlight(SubPage, true);
    }
}

void TChartEditForm::ShowInnerPages(TControl* pages) {
    FTreeInnerPages = pages;
    FTreeInnerHome = pages->Parent();
    FTreeInnerAlign = pages->Align();
    FTreeInnerBounds = pages->BoundsRect();
    MoveInto(pages, FTreeContent);
}

void TChartEditForm::ToolAdded(TTeeCustomTool* tool) {
    if (FToolsNode) AddNode(Tree, FToolsNode, ToolKindName(&tool->ClassType()), tool);
}

void TChartEditForm::ToolDeleted(TTeeCustomTool* tool) {
    if (!FToolsNode) return;
    for (int i = 0; i < FToolsNode->Count(); ++i)
        if (FToolsNode->Item(i)->Data() == NodeData(tool)) {
            FToolsNode->Item(i)->Delete();
            return;
        }
}
