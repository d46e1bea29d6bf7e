#include "chart/editors/ChartPageForm.h"

TChartPageForm::TChartPageForm(TComponent* owner) : TEditorForm(owner) {
    SetBorderStyle(bsNone);
    SetBorderIcons({});
}

TChartPageForm::~TChartPageForm() = default;

void TChartPageForm::Reload() {
    auto loading = LoadGuard();
    LoadBindings();
    LoadControls();
}

void TChartPageForm::DoShow() {
    Reload();
    TEditorForm::DoShow();
}
