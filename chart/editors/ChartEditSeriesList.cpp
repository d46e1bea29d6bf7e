// The chart editor's "Series" sub-page: the series list with its command buttons and the View
// menu. The list does the work of each command; the dialog decides which commands its options
// allow and keeps the series page and the tree in step with what the list did.
#include <algorithm>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/SeriesPage.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesGroups.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Menus.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"

void TChartEditForm::BuildSeriesList() {
    PanTop = MakeControl<TPanel>(TabSeriesList);
    PanTop->SetHeight(28);
    PanTop->SetAlign(alTop);
    PanTop->SetBevelOuter(bvNone);
    BAddGroup = MakePushButton(PanTop, 4, 3, 24, "+");
    BDeleteGroup = MakePushButton(PanTop, 30, 3, 24, "-");
    BRenameGroup = MakePushButton(PanTop, 56, 3, 24, "...");
    BDeleteGroup->SetEnabled(false);
    BRenameGroup->SetEnabled(false);
    SpeedSeries = MakeControl<TSpeedButton>(PanTop, 4, 3, 60, 22);
    SpeedSeries->SetCaption("View");
    PanRight = MakeControl<TPanel>(TabSeriesList);
    PanRight->SetWidth(100);
    PanRight->SetAlign(alRight);
    PanRight->SetBevelOuter(bvNone);
    BuildGroups();
    BuildSeriesCommands();
    LBSeries = MakeControl<TChartListBox>(TabSeriesList);
    LBSeries->SetAlign(alClient);
    LBSeries->SetItemHeight(24);
    LBSeries->OnClick = [this](TObject*) { LBSeriesRefreshButtons(); };
    LBSeries->OnRefresh = [this](TObject*) { LBSeriesRefreshButtons(); };
    LBSeries->OnDblClickSeries = [this](TChartListBox*, int) { LBSeriesEditSeries(); };
    LBSeries->OnOtherItemsChange = [this](TObject*) { LBSeriesOtherItemsChange(); };

    PopupSeries = new TPopupMenu(this);
    auto item = [this](const char* caption, void (TChartEditForm::*click)()) {
        auto* menuItem = new TMenuItem(this);
        menuItem->SetCaption(caption);
        menuItem->OnClick = [this, click](TObject*) { (this->*click)(); };
        PopupSeries->Items()->Add(menuItem);
        return menuItem;
    };
    ViewSeriesNames1 = item("View Series &Names", &TChartEditForm::ViewSeriesNames1Click);
    ViewSeriesGroups1 = item("View Series &Groups", &TChartEditForm::ViewSeriesGroups1Click);
    SpeedSeries->OnMouseDown = [this](TObject*, TMouseButton button, TShiftState, int, int) {
        if (button == mbLeft) SpeedSeriesMouseDown();
    };
}

void TChartEditForm::BuildSeriesCommands() {
    BMoveUP = MakePushButton(PanRight, 8, 8, 28, "\u25B2");
    BMoveDown = MakePushButton(PanRight, 40, 8, 28, "\u25BC");
    BAddSeries = MakePushButton(PanRight, 8, 40, 84, "&Add...");
    BDeleteSeries = MakePushButton(PanRight, 8, 70, 84, "&Delete");
    BRenameSeries = MakePushButton(PanRight, 8, 100, 84, "&Title...");
    BCloneSeries = MakePushButton(PanRight, 8, 130, 84, "C&lone");
    BChangeTypeSeries = MakePushButton(PanRight, 8, 160, 84, "&Change...");
    BAddSeries->OnClick = [this](TObject*) { BAddSeriesClick(); };
    BDeleteSeries->OnClick = [this](TObject*) { BDeleteSeriesClick(); };
    BRenameSeries->OnClick = [this](TObject*) { BRenameSeriesClick(); };
    BCloneSeries->OnClick = [this](TObject*) { BCloneSeriesClick(); };
    BChangeTypeSeries->OnClick = [this](TObject*) { BChangeTypeSeriesClick(); };
    BMoveUP->OnClick = [this](TObject*) { BMoveClick(true); };
    BMoveDown->OnClick = [this](TObject*) { BMoveClick(false); };
}

TChartSeries* TChartEditForm::SelectedSeries() const {
    return LBSeries ? LBSeries->SelectedSeriesObject() : nullptr;
}

void TChartEditForm::LBSeriesRefreshButtons() {
    const bool selected = FChart && FChart->SeriesCount() > 0 && LBSeries->ItemIndex() >= 0;
    const int selCount = LBSeries->ItemIndex() >= 0 ? std::max(1, LBSeries->SelCount()) : 0;
    TSeriesButtonsState s =
        SeriesButtonsFor(Options, selected, selCount, LBSeries->ItemIndex(), LBSeries->Count());
    BAddSeries->SetEnabled(s.Add);
    BDeleteSeries->SetEnabled(s.Delete);
    BRenameSeries->SetEnabled(s.Rename);
    BChangeTypeSeries->SetEnabled(s.ChangeType);
    BCloneSeries->SetEnabled(s.Clone);
    BMoveUP->SetEnabled(s.MoveUp);
    BMoveDown->SetEnabled(s.MoveDown);
    BMoveUP->SetVisible(s.MoveVisible);
    BMoveDown->SetVisible(s.MoveVisible);
    // What the list itself offers (keys, dragging, its icons) follows the same rules.
    LBSeries->AllowAddSeries = s.Add;
    LBSeries->AllowDeleteSeries = s.Delete;
    LBSeries->AskDelete = Options.Contains(ceAskDelete);
    LBSeries->EnableDragSeries = Options.Contains(ceOrderSeries);
    if (!s.ChangeType && LBSeries->ShowSection(clsIcon)) LBSeries->EnableChangeType = false;
    if (FTreeMode) RebuildSeriesNodes();
}

void TChartEditForm::LBSeriesEditSeries() {
    if (!SelectedSeries()) return;
    if (FTreeMode) {
        SelectTreeNodeOf(SelectedSeries());  // the series' node shows its page
        return;
    }
    MainPage->SetActivePage(TabSeries);
    ShowSeriesPage();
}

void TChartEditForm::LBSeriesOtherItemsChange() {
    if (!FSeriesPage) return;
    PutSheetBack(TabSeries);
    // By the series: a list showing one group has rows the chooser does not.
    FSeriesPage->CBSeries->SetItemIndex(
        IndexOfItemObject(*FSeriesPage->CBSeries->Items(), SelectedSeries()));
}

void TChartEditForm::PutSheetBack(TTabSheet* sheet) {
    if (sheet->PageControl() == MainPage && sheet->Parent() == MainPage) return;
    if (!FTreeContent || sheet->Parent() != FTreeContent) return;
    // In tree mode the sheet may be showing in the content panel: everything there goes home.
    PutPagesBack();
}

void TChartEditForm::SeriesPageFollowsList() {
    if (!FSeriesPage) return;
    // Its editors belonged to a series that may be gone; the page reads the list's selection
    // the next time it shows.
    FSeriesPage->ClearEditors();
    FSeriesPage->SetChart(FChart);
}

// --- Commands.

void TChartEditForm::BAddSeriesClick() {
    if (!BAddSeries->Enabled()) return;
    PutSheetBack(TabSeries);
    TChartSeries* series = LBSeries->AddSeries();
    if (series) {
        if (TSeriesGroup* group = GroupOfRow(Groups->ItemIndex())) {
            group->Add(series);
            LBSeries->FillSeries(series);
        }
        if (series->Function()) {
            // A new function asks for its sources first: its editor opens on the series page.
            MainPage->SetActivePage(TabSeries);
            ShowSeriesPage();
            FSeriesPage->ShowTab(stDataSource);
        }
    }
    if (LBSeries->CanFocus()) LBSeries->SetFocus();
    LBSeriesRefreshButtons();
}

void TChartEditForm::BDeleteSeriesClick() {
    if (!BDeleteSeries->Enabled()) return;
    PutSheetBack(TabSeries);
    if (LBSeries->DeleteSelected()) SeriesPageFollowsList();
    LBSeriesRefreshButtons();
}

void TChartEditForm::BCloneSeriesClick() {
    if (!BCloneSeries->Enabled()) return;
    LBSeries->CloneSelected();
    LBSeriesRefreshButtons();
}

void TChartEditForm::BChangeTypeSeriesClick() {
    if (!BChangeTypeSeries->Enabled()) return;
    LBSeries->ChangeTypeOfSelected();
    SeriesPageFollowsList();
    LBSeriesRefreshButtons();
}

void TChartEditForm::BRenameSeriesClick() {
    if (!BRenameSeries->Enabled()) return;
    if (LBSeries->RenameSelected() && FTreeMode) RebuildSeriesNodes();
    if (!Parent() && LBSeries->CanFocus()) LBSeries->SetFocus();
    LBSeriesRefreshButtons();
}

void TChartEditForm::BMoveClick(bool up) {
    if (up)
        LBSeries->MoveUp();
    else
        LBSeries->MoveDown();
    LBSeriesRefreshButtons();
}

// --- The View button and its menu.

void TChartEditForm::SpeedSeriesMouseDown() {
    const TPoint at = SpeedSeries->ClientToScreen({0, SpeedSeries->Height()});
    PopupSeries->Popup(at.X, at.Y);
}

void TChartEditForm::ViewSeriesNames1Click() {
    const bool names = !ViewSeriesNames1->Checked();
    ViewSeriesNames1->SetChecked(names);
    PutSheetBack(TabSeries);
    LBSeries->SetShowNames(names);
    BRenameSeries->SetCaption(names ? "&Name..." : "&Title...");
    SpeedSeries->Invalidate();
}

void TChartEditForm::ViewSeriesGroups1Click() {
    const bool groups = !ViewSeriesGroups1->Checked();
    ViewSeriesGroups1->SetChecked(groups);
    if (groups)
        Options.Include(ceGroups);
    else
        Options.Exclude(ceGroups);
    UpdateGroups();
    SpeedSeries->Invalidate();
}
