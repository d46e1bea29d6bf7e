#include "chart/editors/ChartEditorPanel.h"

#include "chart/editors/ChartEditForm.h"
#include "chart/engine/Chart.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/ui/Panel.h"

TChartEditorPanel::TChartEditorPanel(TComponent* owner) : TCustomPanelNoCaption(owner) {
    SetBevelOuter(bvLowered);
    SetBounds(Left(), Top(), 409, 291);
    FEditor = new TChartEditForm(this);
    ApplyFormHook(FEditor);
    FEditor->RememberPosition = false;
    FEditor->RememberSize = false;
    FEditor->SetBorderStyle(bsNone);
    FEditor->PanBottom->Hide();
    FEditor->SetParent(this);
    FEditor->SetAlign(alClient);
    FEditor->Show();
}

TChartEditorPanel::~TChartEditorPanel() {
    if (FChart) FChart->RemoveFreeNotification(this);
}

void TChartEditorPanel::SetChart(TCustomChart* chart) {
    if (FChart) FChart->RemoveFreeNotification(this);
    FChart = chart;
    if (FChart) FChart->FreeNotification(this);
    FEditor->AssignChart(chart);
}

void TChartEditorPanel::Notification(TComponent* component, TOperation operation) {
    TCustomPanelNoCaption::Notification(component, operation);
    if (operation == opRemove && component == FChart) FChart = nullptr;
}
