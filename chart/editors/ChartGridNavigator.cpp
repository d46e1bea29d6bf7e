#include "chart/editors/ChartGridNavigator.h"

#include "chart/editors/ChartGrid.h"
#include "chart/engine/AxisPanel.h"
#include "platform/classes/Publisher.h"

std::array<bool, TeeNavButtonCount> ChartGridNavigatorEnabled(const TChartGridNavigatorState& s) {
    std::array<bool, TeeNavButtonCount> on{};
    on[nbFirst] = on[nbPrior] = s.FirstDataRow < s.Row;
    on[nbNext] = on[nbLast] = s.Row < s.RowCount - 1;
    on[nbInsert] = (!s.ReadOnly && !s.Editing && s.HasChart && s.ChartHasSeries) || s.HasSeries;
    on[nbDelete] = s.RowCount > 1 && on[nbInsert] && s.HasPoints;
    on[nbEdit] = on[nbInsert];
    on[nbPost] = on[nbCancel] = s.Editing;
    return on;
}

void TChartGridNavigator::Publish(TPublisher<TChartGridNavigator>& p) {
    p.Component("Grid", &TChartGridNavigator::Grid, &TChartGridNavigator::SetGrid);
}

TChartGridNavigator::TChartGridNavigator(TComponent* owner) : TCustomTeeNavigator(owner) {}

TChartGridNavigator::~TChartGridNavigator() { SetGrid(nullptr); }

void TChartGridNavigator::SetGrid(TCustomChartGrid* grid) {
    if (grid == FGrid) return;
    if (FGrid) {
        FGrid->RemoveFreeNotification(this);
        FGrid->OnStateChange = nullptr;
        FGrid->OnCellSelected = nullptr;
        if (FGrid->Navigator() == this) FGrid->SetNavigator(nullptr);
    }
    FGrid = grid;
    if (FGrid) {
        FGrid->FreeNotification(this);
        FGrid->OnStateChange = [this](TObject*) { EnableButtons(); };
        FGrid->OnCellSelected = [this](TObject*, int, int row, bool&) { EnableButtonsForRow(row); };
        FGrid->SetNavigator(this);
    }
    EnableButtons();
}

void TChartGridNavigator::EnableButtons() { EnableButtonsForRow(FGrid ? FGrid->Row() : 0); }

void TChartGridNavigator::EnableButtonsForRow(int row) {
    std::array<bool, TeeNavButtonCount> on{};
    if (FGrid && Enabled()) {
        TChartGridNavigatorState s;
        s.FirstDataRow = FGrid->FirstDataRow();
        s.Row = row;
        s.RowCount = FGrid->RowCount();
        s.ReadOnly = FGrid->IsReadOnly();
        s.Editing = FGrid->Editing();
        s.HasChart = FGrid->Chart() != nullptr;
        s.ChartHasSeries = s.HasChart && FGrid->Chart()->SeriesCount() > 0;
        s.HasSeries = FGrid->Series() != nullptr;
        s.HasPoints = FGrid->HasPoints();
        on = ChartGridNavigatorEnabled(s);
    }
    for (int i = 0; i < TeeNavButtonCount; ++i)
        Button(TTeeNavigateBtn(i))->SetEnabled(on[size_t(i)]);
}

void TChartGridNavigator::BtnClick(TTeeNavigateBtn index) {
    if (FGrid) {
        const int f = FGrid->FirstDataRow();
        const int last = FGrid->RowCount() - 1;
        switch (index) {
            case nbFirst:
                if (FGrid->Row() > f) FGrid->SetRow(f);
                break;
            case nbPrior:
                if (FGrid->Row() > f) FGrid->SetRow(FGrid->Row() - 1);
                break;
            case nbNext:
                if (FGrid->Row() < last) FGrid->SetRow(FGrid->Row() + 1);
                break;
            case nbLast:
                FGrid->SetRow(last);
                break;
            case nbInsert:
                FGrid->InsertRow();
                break;
            case nbDelete:
                FGrid->DeleteRow();
                break;
            case nbEdit:
                if (FGrid->CanFocus()) FGrid->SetFocus();
                FGrid->StartEditing();
                break;
            case nbPost:
                FGrid->StopEditing(false);
                break;
            case nbCancel:
                FGrid->StopEditing(true);
                break;
        }
    }
    TCustomTeeNavigator::BtnClick(index);
}

void TChartGridNavigator::Notification(TComponent* component, TOperation operation) {
    TCustomTeeNavigator::Notification(component, operation);
    if (operation == opRemove && component == FGrid) FGrid = nullptr;
}
