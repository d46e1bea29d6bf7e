#pragma once
// The chart editor dialog: one form with every page that edits a chart. The Chart page holds
// the series list and the chart-wide sub-pages (Axis, Titles, Legend, Panel...), whose editor
// forms are made on their first visit; the Series page edits one series. The form remembers its
// window in the editor-options settings and follows the chart's series events so that its list
// never holds a series that is gone.
#include <string>

#include "chart/editors/ChartEditorTypes.h"
#include "chart/foundation/TeePanel.h"
#include "platform/ui/Form.h"

class TButton;
class TCheckListBox;
class TCustomChart;
class TChartSeries;
class TChartListBox;
class TChartGrid;
class TChartGridNavigator;
class TPageControl;
class TPanel;
class TTabSheet;
class TFormTeeSeries;
class TFormTeeTools;
class TMenuItem;
class TPopupMenu;
class TSpeedButton;
class TSplitter;
class TSeriesGroup;
class TTeeCustomTool;
class TTreeNode;
class TTreeView;

class TChartEditForm : public TForm, public IPanelListener {
    KV_DECLARE_CLASS(TChartEditForm, TForm)
public:
    explicit TChartEditForm(TComponent* owner);
    ~TChartEditForm() override;

    // Makes chart (may be none) the edited one and applies the remembered window.
    void AssignChart(TCustomChart* chart);
    TCustomChart* Chart() const { return FChart; }
    void ApplyHelpOptions();

    // Set between creation and show.
    TChartEditorOptions Options = DefaultChartEditorOptions;
    TChartEditorHiddenTabs HideTabs;
    int DefaultTab = -1;  // -1: none, else a TChartEditorTab
    bool HighLightTabs = false;
    bool RememberPosition = true;
    bool RememberSize = true;
    bool TreeVisible = true;
    TChartSeries* TheSeries = nullptr;  // the series to open at show time

    // The series selected in the list, or none.
    TChartSeries* SelectedSeries() const;
    // The series page, once made.
    TFormTeeSeries* SeriesPage() const { return FSeriesPage; }
    // The editor form embedded in a sub-page, or none before its first visit.
    TForm* SubPageForm(int index) const;
    // The tools page, once made.
    TFormTeeTools* ToolsPage() const { return FToolsPage; }
    // In tree mode, the panel that shows the page of the selected node.
    TPanel* TreeContent() const { return FTreeContent; }
    // The tree's "Series" and "Tools" nodes (none outside tree mode or without the page).
    TTreeNode* SeriesNode() const { return FSeriesNode; }
    TTreeNode* ToolsNode() const { return FToolsNode; }

    TTreeView* Tree;
    TSplitter* TreeSplitter;
    TPageControl* MainPage;
    TTabSheet* TabChart;
    TTabSheet* TabSeries;
    TTabSheet* TabData;
    TTabSheet* TabTools;
    TTabSheet* TabExport;
    TTabSheet* TabPrint;
    TPageControl* SubPage;
    TTabSheet* TabSeriesList;
    TTabSheet* TabGeneral;
    TTabSheet* TabAxis;
    TTabSheet* TabTitle;
    TTabSheet* TabLegend;
    TTabSheet* TabPanel;
    TTabSheet* TabPaging;
    TTabSheet* TabWalls;
    TTabSheet* Tab3D;
    TPanel* PanTop;
    TButton* BAddGroup;
    TButton* BDeleteGroup;
    TButton* BRenameGroup;
    TSpeedButton* SpeedSeries;
    TPanel* PanelGroups;
    TCheckListBox* Groups;
    TSplitter* Splitter1;
    TChartListBox* LBSeries;
    TPanel* PanRight;
    TButton* BMoveUP;
    TButton* BMoveDown;
    TButton* BAddSeries;
    TButton* BDeleteSeries;
    TButton* BRenameSeries;
    TButton* BCloneSeries;
    TButton* BChangeTypeSeries;
    TChartGrid* ChartGrid1;
    TChartGridNavigator* ChartGridNavigator1;
    TSpeedButton* SBGridText;
    TSpeedButton* SBGridCol;
    TSpeedButton* SBGrid3D;
    TSpeedButton* SBGridX;
    TSpeedButton* SBCopyData;
    TPopupMenu* PopupData;
    TMenuItem* EditColor1;
    TMenuItem* DefaultColor1;
    TMenuItem* Makenullpoint1;
    TMenuItem* N1;
    TMenuItem* Insertrow1;
    TMenuItem* Deleterow1;
    TMenuItem* N2;
    TMenuItem* extfont1;
    TPopupMenu* PopupSeries;
    TMenuItem* ViewSeriesNames1;
    TMenuItem* ViewSeriesGroups1;
    TPanel* PanBottom;
    TButton* ButtonHelp;
    TButton* BClose;

    // What the user does; public so that hosts and tests reach them as the form's handlers.
    void MainPageChanging(bool& allowChange);
    void MainPageChange();
    void SubPageChanging(bool& allowChange);
    void SubPageChange();
    void TreeChange(TTreeNode* node);
    void LBSeriesRefreshButtons();
    void LBSeriesEditSeries();
    void BRenameSeriesClick();
    void BMoveClick(bool up);
    void BAddSeriesClick();
    void BDeleteSeriesClick();
    void BCloneSeriesClick();
    void BChangeTypeSeriesClick();
    void LBSeriesOtherItemsChange();
    void SpeedSeriesMouseDown();
    void ViewSeriesNames1Click();
    void ViewSeriesGroups1Click();
    // Series groups (ChartEditGroups.cpp).
    void UpdateGroups();
    void FillGroups();
    void GroupsClick();
    void GroupsClickCheck();
    void BAddGroupClick();
    void BRenameGroupClick();
    void BDeleteGroupClick();
    void GroupsDragOver(TObject* source, int x, int y, bool& accept);
    void GroupsDragDrop(TObject* source, int x, int y);
    // The Data tab (ChartEditData.cpp).
    void SBGridTextClick();
    void SBGridColClick();
    void SBGrid3DClick();
    void SBGridXClick();
    void SBCopyDataClick();
    void PopupDataPopup();
    void extfont1Click();
    void ChartGridMouseDown(TMouseButton button, TShiftState shift);

    void HandleTeeEvent(TTeeEvent* event) override;
    // The series page's answer first.
    bool CloseQuery() override;

protected:
    void DoShow() override;
    void Resize() override;
    void Notification(TComponent* component, TOperation operation) override;

private:
    void BuildSeriesList();
    void BuildSeriesCommands();
    void BuildGroups();
    void BuildDataTab();
    void BuildBottom();
    // A sheet shown in the tree's content panel goes back to its page control.
    void PutSheetBack(TTabSheet* sheet);
    // After the list replaced or removed series, the series page edits what the list selects.
    void SeriesPageFollowsList();
    // The groups list's row of the first group (1 with the "(all)" row, else 0).
    int FirstGroupRow() const;
    TSeriesGroup* GroupOfRow(int row) const;
    void ReadStoredOptions();
    void WriteStoredOptions();
    void ApplyHiddenTabs();
    void SelectDefaultPage();
    void SelectFirstSeries();
    void ShowSeriesPage();
    void ShowDataPage();
    void ShowToolsPage();
    void ShowTabHighlight(TPageControl* pages, bool on);

    // Tree mode (ChartEditTree.cpp).
    void BuildTree();
    void FillTree();
    void FillTreeNodes();
    void RebuildSeriesNodes();
    void AddTreeChildren(TTreeNode* node, TTabSheet* sheet);
    // Selects the first node standing for object, unless it is selected already.
    void SelectTreeNodeOf(const TObject* object);
    // What a node's object is among the dialog's pages and the chart's live elements (none
    // once it is gone).
    int TreeNodeKind(const void* object) const;
    // Shows the selected node's page when the content panel is empty.
    void ShowSelectedTreeNode();
    // Every sheet and page control moved into the content panel goes back where it belongs.
    void PutPagesBack();
    // Moves a page's inner page control into the content panel, remembering its place.
    void ShowInnerPages(TControl* pages);
    void ToolAdded(TTeeCustomTool* tool);
    void ToolDeleted(TTeeCustomTool* tool);
    void ListenTo(TCustomChart* chart);

    TCustomChart* FChart = nullptr;
    TFormTeeSeries* FSeriesPage = nullptr;
    TFormTeeTools* FToolsPage = nullptr;
    TPanel* FTreeContent = nullptr;
    TTreeNode* FSeriesNode = nullptr;
    TTreeNode* FToolsNode = nullptr;
    // A page's inner page control shown alone in the content panel (axis and title nodes), with
    // its place in that page, where it goes back.
    TControl* FTreeInnerPages = nullptr;
    TWinControl* FTreeInnerHome = nullptr;
    TAlign FTreeInnerAlign = alNone;
    TRect FTreeInnerBounds;
    // The form's width without the tree, put back when the dialog goes.
    int FWidthBeforeTree = 0;
    bool FTreeMode = false;
    // The tree selects a node itself: page changes do not select it again.
    bool FTreeSelecting = false;
    int FTreeWidth = 126;
    // The size the form was made with; a remembered size equal to it is not kept.
    int FCreatedWidth = 0;
    int FCreatedHeight = 0;
};
