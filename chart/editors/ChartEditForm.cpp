#include "chart/editors/ChartEditForm.h"

#include "chart/editors/ChartListBox.h"
#include "chart/editors/ChartSubPages.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorHostedPages.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/SeriesPage.h"
#include "chart/editors/ToolsPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesEvents.h"
#include "chart/engine/SeriesTypes.h"
#include "chart/foundation/EditorHooks.h"
#include "chart/foundation/EditorOptions.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/Registry.h"
#include "platform/rtl/Strings.h"
#include "platform/ui/Button.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/Screen.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Splitter.h"
#include "platform/ui/TreeView.h"

namespace {

// The dialog's unscaled size, as the library's texts give it.
constexpr int DefaultEditorWidth = 414;
constexpr int DefaultEditorHeight = 347;

}  // namespace

TChartEditForm::TChartEditForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsSizeable);
    SetBorderIcons({biSystemMenu});
    SetPosition(poScreenCenter);
    const int ppi = Screen()->PixelsPerInch();
    FCreatedWidth = DefaultEditorWidth * ppi / 96;
    FCreatedHeight = DefaultEditorHeight * ppi / 96 + GetSystemMetrics(SM_CYSIZE) - 18;
    SetBounds(0, 0, FCreatedWidth, FCreatedHeight);

    BuildBottom();
    Tree = MakeControl<TTreeView>(this);
    Tree->SetAlign(alLeft);
    Tree->SetWidth(FTreeWidth);
    Tree->SetVisible(false);
    TreeSplitter = MakeControl<TSplitter>(this);
    TreeSplitter->SetAlign(alLeft);
    TreeSplitter->SetVisible(false);
    MainPage = MakeControl<TPageControl>(this);
    MainPage->SetAlign(alClient);
    MainPage->SetHotTrack(true);
    TabChart = MakeTabSheet(this, MainPage, "Chart");
    TabSeries = MakeTabSheet(this, MainPage, "Series");
    TabData = MakeTabSheet(this, MainPage, "Data");
    TabTools = MakeTabSheet(this, MainPage, "Tools");
    TabExport = MakeTabSheet(this, MainPage, "Export");
    TabPrint = MakeTabSheet(this, MainPage, "Print");
    SubPage = MakeControl<TPageControl>(TabChart);
    SubPage->SetAlign(alClient);
    TabSeriesList = MakeTabSheet(TabChart, SubPage, "Series");
    TabGeneral = MakeTabSheet(TabChart, SubPage, "General");
    TabAxis = MakeTabSheet(TabChart, SubPage, "Axis");
    TabTitle = MakeTabSheet(TabChart, SubPage, "Titles");
    TabLegend = MakeTabSheet(TabChart, SubPage, "Legend");
    TabPanel = MakeTabSheet(TabChart, SubPage, "Panel");
    TabPaging = MakeTabSheet(TabChart, SubPage, "Paging");
    TabWalls = MakeTabSheet(TabChart, SubPage, "Walls");
    Tab3D = MakeTabSheet(TabChart, SubPage, "3D");
    BuildSeriesList();
    BuildDataTab();
    MainPage->OnChanging = [this](TObject*, bool& allow) { MainPageChanging(allow); };
    MainPage->OnChange = [this](TObject*) { MainPageChange(); };
    SubPage->OnChanging = [this](TObject*, bool& allow) { SubPageChanging(allow); };
    SubPage->OnChange = [this](TObject*) { SubPageChange(); };
    // A node whose element has gone (a custom axis deleted on the axis page) cannot be chosen.
    Tree->OnChanging = [this](TObject*, TTreeNode* node, bool& allow) {
        allow = !node || TreeNodeKind(node->Data()) != 0;
    };
    Tree->OnChange = [this](TObject*, TTreeNode* node) { TreeChange(node); };
    // Node texts are not edited in place.
    Tree->OnEditing = [](TObject*, TTreeNode*, bool& allow) { allow = false; };

    AssignChart(nullptr);
    SetCaption("");
    MainPage->SetActivePage(TabChart);
    SubPage->SetActivePage(TabSeriesList);
    ReadStoredOptions();
    DoCreate();
}

TChartEditForm::~TChartEditForm() {
    if (FTreeMode) {
        PutPagesBack();
        FTreeWidth = Tree->Width();
        FTreeMode = false;
        SetWidth(FWidthBeforeTree);
    }
    WriteStoredOptions();
    ListenTo(nullptr);
}

void TChartEditForm::BuildBottom() {
    PanBottom = MakeControl<TPanel>(this);
    PanBottom->SetHeight(34);
    PanBottom->SetAlign(alBottom);
    PanBottom->SetBevelOuter(bvNone);
    ButtonHelp = MakePushButton(PanBottom, 8, 4, 75, "&Help...");
    BClose = MakePushButton(PanBottom, 320, 4, 75, "Close");
    BClose->SetAnchors({akTop, akRight});
    BClose->SetDefault(true);
    BClose->SetCancel(true);
    BClose->SetModalResult(mrCancel);
}

// --- Settings store.

void TChartEditForm::ReadStoredOptions() {
    RememberPosition = ReadEditorOptionBool("RememberPosition", true);
    RememberSize = ReadEditorOptionBool("RememberSize", true);
    TreeVisible = ReadEditorOptionBool("TreeMode", true);
    FTreeWidth = ReadEditorOptionInt("TreeWidth", FTreeWidth);
    if (ReadEditorOptionBool("SeriesGroups", false)) Options.Include(ceGroups);
}

void TChartEditForm::WriteStoredOptions() {
    if (TreeVisible) WriteEditorOptionInt("TreeWidth", FTreeWidth);
    WriteEditorOptionBool("SeriesGroups", Options.Contains(ceGroups));
    if (!FChart || !(RememberPosition || RememberSize)) return;
    TRegistry registry;
    if (!registry.OpenKey(EditorRegistryKey, true)) return;
    if (RememberPosition) {
        registry.WriteInteger("Left", Left());
        registry.WriteInteger("Top", Top());
    }
    if (RememberSize) {
        // A size back at the created one is forgotten, so that the next dialog opens at the
        // created size instead of a size remembered earlier.
        auto store = [&](const char* name, int value, int created) {
            if (value != created)
                registry.WriteInteger(name, value);
            else if (registry.ValueExists(name))
                registry.DeleteValue(name);
        };
        store("Width", Width(), FCreatedWidth);
        store("Height", Height(), FCreatedHeight);
    }
}

void TChartEditForm::AssignChart(TCustomChart* chart) {
    if (FChart != chart) {
        if (FChart) FChart->RemoveFreeNotification(this);
        ListenTo(nullptr);
        FChart = chart;
        if (FChart) {
            FChart->FreeNotification(this);
            ListenTo(FChart);
        }
    }
    LBSeries->SetChart(FChart);
    MainPage->SetEnabled(FChart != nullptr);
    SubPage->SetEnabled(FChart != nullptr);
    if (!FChart || !(RememberPosition || RememberSize)) return;
    TStoredEditorPlacement stored;
    {
        TRegistry registry;
        if (!registry.OpenKeyReadOnly(EditorRegistryKey)) return;
        auto read = [&](const char* name) -> std::optional<int> {
            if (!registry.ValueExists(name)) return std::nullopt;
            return registry.ReadInteger(name);
        };
        stored = {read("Left"), read("Top"), read("Width"), read("Height"), read("TreeWidth")};
    }
    TEditorBounds b{Left(), Top(), Width(), Height(), FTreeWidth, false};
    b = PlaceStoredEditor(b, stored, RememberPosition, RememberSize, Screen()->Width(),
                          Screen()->Height());
    if (b.Designed) SetPosition(poDesigned);
    SetBounds(b.Left, b.Top, b.Width, b.Height);
    FTreeWidth = b.TreeWidth;
}

void TChartEditForm::ApplyHelpOptions() {
    // No help files exist here: the button shows with the option and opens nothing.
    ButtonHelp->SetVisible(Options.Contains(ceHelp));
}

void TChartEditForm::ListenTo(TCustomChart* chart) {
    // A chart being freed has dropped its listeners already (its free notifications come
    // after its own parts are gone).
    if (FChart && !chart && !FChart->ComponentState().Contains(csDestroying))
        FChart->RemoveListener(this);
    if (chart) chart->Listeners().Add(this);
}

void TChartEditForm::Notification(TComponent* component, TOperation operation) {
    TForm::Notification(component, operation);
    if (operation != opRemove) return;
    if (component == FChart) {
        ListenTo(nullptr);
        FChart = nullptr;
    }
    if (component == TheSeries) TheSeries = nullptr;
}

void TChartEditForm::HandleTeeEvent(TTeeEvent* event) {
    auto* seriesEvent = dynamic_cast<TTeeSeriesEvent*>(event);
    if (!seriesEvent || ComponentState().Contains(csDestroying)) return;
    switch (seriesEvent->Event) {
        case seAdd:
        case seRemove:
        case seSwap:
            // The list follows the chart itself; its commands follow what is left.
            LBSeriesRefreshButtons();
            break;
        default:
            break;
    }
}

bool TChartEditForm::CloseQuery() {
    if (FSeriesPage && !FSeriesPage->CloseQuery()) return false;
    return TForm::CloseQuery();
}

// --- Showing.

void TChartEditForm::DoShow() {
    if (FChart) {
        SpeedSeries->SetVisible(Options.Contains(ceGroups));
        ViewSeriesGroups1->SetChecked(Options.Contains(ceGroups));
        BMoveUP->SetVisible(Options.Contains(ceOrderSeries));
        BMoveDown->SetVisible(Options.Contains(ceOrderSeries));
        if (ToolTypeList().Count() == 0) TabTools->SetTabVisible(false);
        LBSeries->SetChart(FChart);
        if (Caption().empty()) SetCaption(Format("Editing %s", {FChart->Name()}));
        ApplyHiddenTabs();
        if (TreeVisible) BuildTree();
        UpdateGroups();
        if (HighLightTabs) {
            ShowTabHighlight(MainPage, true);
            ShowTabHighlight(SubPage, true);
        }
        // The default page is looked for with every page at home; the tree then shows it.
        if (FTreeMode) PutPagesBack();
        if (DefaultTab != -1) SelectDefaultPage();
        if (FTreeMode) ShowSelectedTreeNode();
        if (TheSeries) {
            int index = IndexOfItemObject(*LBSeries->Items(), TheSeries);
            if (index >= 0) {
                LBSeries->SelectSeries(index);
                LBSeriesEditSeries();
            }
        } else if (DefaultTab == -1) {
            SelectFirstSeries();
        }
        if (TabSeriesList->Showing() || SubPage->ActivePage() == TabSeriesList) {
            if (LBSeries->Count() == 0) {
                LBSeriesRefreshButtons();
            } else if (DefaultTab == cetSeriesGeneral || DefaultTab == cetSeriesMarks) {
                if (LBSeries->ItemIndex() < 0) LBSeries->SetItemIndex(0);
                LBSeriesEditSeries();
                if (FSeriesPage)
                    FSeriesPage->ShowTab(DefaultTab == cetSeriesGeneral ? stGeneral : stMarks);
            } else {
                SelectFirstSeries();
            }
        } else {
            LBSeriesRefreshButtons();
        }
    }
    TForm::DoShow();
}

void TChartEditForm::ApplyHiddenTabs() {
    TTabSheet* const subTabs[ChartSubPageCount] = {TabSeriesList, TabGeneral, TabAxis,
                                                   TabTitle,      TabLegend,  TabPanel,
                                                   TabPaging,     TabWalls,   Tab3D};
    for (int i = 0; i < ChartSubPageCount; ++i)
        if (HideTabs.Contains(TChartEditorTab(i))) subTabs[i]->SetTabVisible(false);
    const std::pair<TChartEditorTab, TTabSheet*> mainTabs[] = {{cetSeriesData, TabData},
                                                               {cetExport, TabExport},
                                                               {cetTools, TabTools},
                                                               {cetPrintPreview, TabPrint},
                                                               {cetAllSeries, TabSeries}};
    for (auto [tab, sheet] : mainTabs)
        if (HideTabs.Contains(tab)) sheet->SetTabVisible(false);
    bool anySubTab = false;
    for (TTabSheet* sheet : subTabs) anySubTab = anySubTab || sheet->TabVisible();
    if (!anySubTab) TabChart->SetTabVisible(false);
}

void TChartEditForm::SelectDefaultPage() {
    auto activateMain = [this](TTabSheet* sheet) {
        MainPage->SetActivePage(sheet);
        MainPageChange();
    };
    switch (DefaultTab) {
        case cetSeriesData:
            activateMain(TabData);
            return;
        case cetExport:
            activateMain(TabExport);
            return;
        case cetTools:
            activateMain(TabTools);
            return;
        case cetPrintPreview:
            activateMain(TabPrint);
            return;
        default:
            break;
    }
    if (DefaultTab < cetMain || DefaultTab > cet3D) return;
    std::array<bool, ChartSubPageCount> visible{};
    for (int i = 0; i < ChartSubPageCount; ++i)
        visible[size_t(i)] = SubPage->Pages(i)->TabVisible();
    int found = FindDefaultSubPage(DefaultTab, visible);
    if (found >= 0) {
        DefaultTab = found;
        MainPage->SetActivePage(TabChart);
        SubPage->SetActivePage(SubPage->Pages(found));
        SubPageChange();
        return;
    }
    for (TTabSheet* sheet : {TabData, TabTools, TabExport, TabPrint})
        if (sheet->TabVisible()) {
            activateMain(sheet);
            return;
        }
}

void TChartEditForm::SelectFirstSeries() {
    if (LBSeries->Count() == 0) return;
    if (LBSeries->CanFocus()) LBSeries->SetFocus();
    LBSeries->SetItemIndex(0);
    LBSeriesRefreshButtons();
}

// --- Pages.

void TChartEditForm::ShowTabHighlight(TPageControl* pages, bool on) {
    if (TTabSheet* sheet = pages->ActivePage()) sheet->SetHighlighted(on);
}

void TChartEditForm::MainPageChanging(bool& allowChange) {
    // The series page's data-source editor may keep the Series tab open (unfinished work).
    allowChange =
        !FSeriesPage || MainPage->ActivePage() != TabSeries || FSeriesPage->PageSeriesChanging();
    if (allowChange && HighLightTabs) ShowTabHighlight(MainPage, false);
}

void TChartEditForm::SubPageChanging(bool& allowChange) {
    allowChange = true;
    if (HighLightTabs) ShowTabHighlight(SubPage, false);
}

void TChartEditForm::MainPageChange() {
    if (HighLightTabs) ShowTabHighlight(MainPage, true);
    if (FTreeMode) SelectTreeNodeOf(MainPage->ActivePage());
    if (MainPage->ActivePage() == TabSeries) ShowSeriesPage();
    if (MainPage->ActivePage() == TabData) ShowDataPage();
    if (MainPage->ActivePage() == TabTools) ShowToolsPage();
    if (MainPage->ActivePage() == TabExport) ShowEditorExportPage(*this);
    if (MainPage->ActivePage() == TabPrint) ShowEditorPrintPage(*this);
}

TForm* TChartEditForm::SubPageForm(int index) const {
    // By the sheet, not by its place: in tree mode a sheet may be out of its page control.
    const TTabSheet* const sheets[ChartSubPageCount] = {TabSeriesList, TabGeneral, TabAxis,
                                                        TabTitle,      TabLegend,  TabPanel,
                                                        TabPaging,     TabWalls,   Tab3D};
    if (index < 0 || index >= ChartSubPageCount) return nullptr;
    const TTabSheet* sheet = sheets[index];
    for (int i = 0; i < sheet->ControlCount(); ++i)
        if (auto* form = dynamic_cast<TForm*>(sheet->Controls(i))) return form;
    return nullptr;
}

void TChartEditForm::SubPageChange() {
    if (HighLightTabs) ShowTabHighlight(SubPage, true);
    if (FTreeMode && SubPage->Parent() == TabChart) SelectTreeNodeOf(SubPage->ActivePage());
    if (!FChart) return;
    TTabSheet* sheet = SubPage->ActivePage();
    if (!sheet || sheet == TabSeriesList) return;
    TForm* page = SubPageForm(sheet->PageIndex());
    if (!page) {
        page = CreateChartSubPage(this, *FChart, sheet->PageIndex());
        if (!page) return;
        page->SetParentColor(true);
        page->SetBorderIcons({});
        page->SetBorderStyle(bsNone);
        page->SetParent(sheet);
        page->SetAlign(alClient);
        ApplyFormHook(page);
        page->Show();
    } else {
        // A page shown again reads its element again.
        ReloadChartSubPage(*page);
    }
}

void TChartEditForm::ShowSeriesPage() {
    if (!FSeriesPage) {
        FSeriesPage = new TFormTeeSeries(this);
        FSeriesPage->SetBorderIcons({});
        FSeriesPage->SetBorderStyle(bsNone);
        FSeriesPage->SetParent(TabSeries);
        FSeriesPage->SetAlign(alClient);
        FSeriesPage->DataSourceAllowed = Options.Contains(ceDataSource);
        FSeriesPage->GeneralAllowed = !HideTabs.Contains(cetSeriesGeneral);
        FSeriesPage->MarksAllowed = !HideTabs.Contains(cetSeriesMarks);
        FSeriesPage->SeriesList = LBSeries;
        FSeriesPage->Show();
        ApplyFormHook(FSeriesPage);
    }
    FSeriesPage->SetChart(FChart);
    FSeriesPage->SelectSeries(SelectedSeries());
}

void TChartEditForm::ShowToolsPage() {
    if (!FChart) return;
    if (FToolsPage) {
        FToolsPage->Reload();
        return;
    }
    FToolsPage = new TFormTeeTools(this);
    FToolsPage->SetTools(&FChart->Tools());
    FToolsPage->SetAlign(alClient);
    FToolsPage->OnToolAdded = [this](TTeeCustomTool* tool) { ToolAdded(tool); };
    FToolsPage->OnToolDeleted = [this](TTeeCustomTool* tool) { ToolDeleted(tool); };
    EmbedEditorForm(*FToolsPage, *TabTools);
}
