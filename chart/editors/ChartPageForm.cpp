#include "chart/editors/ChartPageForm.h"

#include "platform/rtl/ValueGuard.h"

TChartPageForm::TChartPageForm(TComponent* owner) : TForm(owner) {
    SetBorderStyle(bsNone);
    SetBorderIcons({});
}

TChartPageForm::~TChartPageForm() = default;

void TChartPageForm::Reload() {
    TValueGuard<bool> loading(FLoading, true);
    LoadControls();
}

void TChartPageForm::DoShow() {
    Reload();
    TForm::DoShow();
}
