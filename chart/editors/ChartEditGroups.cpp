// The chart editor's series groups: a check list of the chart's groups at the left of the series
// list. Selecting a group lists only its series, its check switches them all on or off, and a
// series dragged from the list onto a group joins it (leaving the group it was listed under).
#include <algorithm>
#include <vector>

#include "chart/editors/ChartEditForm.h"
#include "chart/editors/ChartListBox.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/SeriesGroups.h"
#include "platform/rtl/StringList.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckListBox.h"
#include "platform/ui/Dialogs.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/SpeedButton.h"
#include "platform/ui/Splitter.h"

namespace {

TCheckBoxState GroupCheck(TSeriesGroupActive active) {
    return active == gaYes ? cbChecked : active == gaNo ? cbUnchecked : cbGrayed;
}

}  // namespace

void TChartEditForm::BuildGroups() {
    PanelGroups = MakeControl<TPanel>(TabSeriesList);
    PanelGroups->SetWidth(90);
    PanelGroups->SetAlign(alLeft);
    PanelGroups->SetBevelOuter(bvNone);
    PanelGroups->SetVisible(false);
    Groups = MakeControl<TCheckListBox>(PanelGroups);
    Groups->SetAlign(alClient);
    Splitter1 = MakeControl<TSplitter>(TabSeriesList);
    Splitter1->SetAlign(alLeft);
    Splitter1->SetVisible(false);
    Groups->OnClick = [this](TObject*) { GroupsClick(); };
    Groups->OnClickCheck = [this](TObject*) { GroupsClickCheck(); };
    Groups->OnDragOver = [this](TObject*, TObject* source, int x, int y, TDragState, bool& accept) {
        GroupsDragOver(source, x, y, accept);
    };
    Groups->OnDragDrop = [this](TObject*, TObject* source, int x, int y) {
        GroupsDragDrop(source, x, y);
    };
    BAddGroup->OnClick = [this](TObject*) { BAddGroupClick(); };
    BRenameGroup->OnClick = [this](TObject*) { BRenameGroupClick(); };
    BDeleteGroup->OnClick = [this](TObject*) { BDeleteGroupClick(); };
}

int TChartEditForm::FirstGroupRow() const { return Options.Contains(ceGroupAll) ? 1 : 0; }

TSeriesGroup* TChartEditForm::GroupOfRow(int row) const {
    if (!FChart || !Options.Contains(ceGroups) || row < FirstGroupRow()) return nullptr;
    const int index = row - FirstGroupRow();
    TSeriesGroups& groups = *FChart->SeriesGroups();
    return index < groups.Count() ? groups.GetGroup(index) : nullptr;
}

void TChartEditForm::UpdateGroups() {
    const bool visible = Options.Contains(ceGroups);
    for (TControl* c : std::initializer_list<TControl*>{BAddGroup, BDeleteGroup, BRenameGroup,
                                                        PanelGroups, Splitter1})
        c->SetVisible(visible);
    if (visible)
        FillGroups();
    else
        LBSeries->SetSeriesGroup(nullptr);  // without the groups every series is listed again
    // Above the list's left edge, clear of the group buttons.
    const int clear = visible ? BRenameGroup->Left() + BRenameGroup->Width() + 4 : 4;
    SpeedSeries->SetLeft(std::max(LBSeries->Left(), clear));
}

void TChartEditForm::FillGroups() {
    int kept = std::max(0, Groups->ItemIndex());
    TStringList rows;
    std::vector<TCheckBoxState> states;
    if (Options.Contains(ceGroupAll)) {
        rows.Add("(all)");
        states.push_back(FChart && FChart->SeriesList().AllActive() ? cbChecked : cbUnchecked);
    }
    if (FChart) {
        TSeriesGroups& groups = *FChart->SeriesGroups();
        for (int i = 0; i < groups.Count(); ++i) {
            rows.Add(groups.GetGroup(i)->Name());
            states.push_back(GroupCheck(groups.GetGroup(i)->Active()));
        }
    }
    Groups->Items()->Assign(rows);
    for (int i = 0; i < Groups->Count(); ++i) Groups->SetState(i, states[size_t(i)]);
    kept = std::min(kept, Groups->Count() - 1);
    Groups->SetItemIndex(kept);
    GroupsClick();
}

void TChartEditForm::GroupsClick() {
    TSeriesGroup* group = GroupOfRow(Groups->ItemIndex());
    // The group's series may have changed since it was chosen.
    if (LBSeries->SeriesGroup() == group)
        LBSeries->RefreshList();
    else
        LBSeries->SetSeriesGroup(group);
    BDeleteGroup->SetEnabled(group != nullptr);
    BRenameGroup->SetEnabled(group != nullptr);
    LBSeriesRefreshButtons();
}

void TChartEditForm::GroupsClickCheck() {
    const int row = Groups->ItemIndex();
    if (!FChart || row < 0) return;
    const bool allRow = Options.Contains(ceGroupAll);
    if (allRow && row == 0) {
        FChart->SeriesList().SetAllActive(Groups->Checked(0));
        FillGroups();
    } else if (TSeriesGroup* group = GroupOfRow(row)) {
        const TCheckBoxState state = Groups->State(row);
        group->SetActive(state == cbChecked ? gaYes : state == cbUnchecked ? gaNo : gaSome);
        if (allRow) Groups->SetChecked(0, FChart->SeriesList().AllActive());
    }
    GroupsClick();
}

void TChartEditForm::BAddGroupClick() {
    if (!FChart) return;
    std::string name;
    // An empty name is asked for again; Cancel adds nothing.
    do {
        if (!InputQuery("Add new group", "Group name:", name)) return;
    } while (name.empty());
    FChart->SeriesList().AddGroup(name);
    FillGroups();
    Groups->SetItemIndex(Groups->Count() - 1);
    GroupsClick();
}

void TChartEditForm::BRenameGroupClick() {
    TSeriesGroup* group = GroupOfRow(Groups->ItemIndex());
    if (!group) return;
    std::string name = Groups->Items()->Get(Groups->ItemIndex());
    if (!InputQuery("Change group name", "Group name:", name)) return;
    group->SetName(name);
    FillGroups();
}

void TChartEditForm::BDeleteGroupClick() {
    TSeriesGroup* group = GroupOfRow(Groups->ItemIndex());
    if (!group || !ConfirmDelete(Groups->Items()->Get(Groups->ItemIndex()), this)) return;
    // The list must not keep listing a group that is gone.
    LBSeries->SetSeriesGroup(nullptr);
    TObject::Free(group);
    FillGroups();
}

// --- Dragging series onto groups.

void TChartEditForm::GroupsDragOver(TObject* source, int x, int y, bool& accept) {
    auto* list = dynamic_cast<TChartListBox*>(source);
    TChartSeries* series = list ? list->SelectedSeriesObject() : nullptr;
    const int row = Groups->ItemAtPos({x, y});
    accept = series && row >= 0;
    if (!accept) return;
    if (TSeriesGroup* group = GroupOfRow(row)) accept = group->Series().IndexOf(series) < 0;
}

void TChartEditForm::GroupsDragDrop(TObject* source, int x, int y) {
    auto* list = dynamic_cast<TChartListBox*>(source);
    TChartSeries* series = list ? list->SelectedSeriesObject() : nullptr;
    const int row = Groups->ItemAtPos({x, y});
    if (!series || row < 0) return;
    TSeriesGroup* target = GroupOfRow(row);
    if (target && target->Series().IndexOf(series) < 0) target->Add(series);
    // A drop moves the series out of the group it was listed under.
    TSeriesGroup* former = GroupOfRow(Groups->ItemIndex());
    if (former && former != target) former->Series().Remove(series);
    FillGroups();
    Groups->SetItemIndex(row);
    GroupsClick();
}
