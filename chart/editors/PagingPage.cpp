#include "chart/editors/PagingPage.h"

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/PageNavigator.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartPage.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

TFormTeePage::TFormTeePage(TComponent* owner, TCustomChart* chart)
    : TChartPageForm(owner), FChart(chart) {
    SetCaption("Paging");
    SetBounds(0, 0, 400, 220);
    BuildControls();
    BindProperties();
    SEPointsPerPage->OnChange = [this](TObject*) { PointsPerPageChanged(); };
    CBNoPages->OnClick = [this](TObject*) {
        if (Loading() || !CBNoPages->Checked()) return;
        UDPointsPerPage->SetPosition(0);  // the edit's handler writes it
    };
    ChartPageNavigator1->OnButtonClicked = [this](TTeeNavigateBtn) { RefreshLabel(); };
    ChartPageNavigator1->SetChart(FChart);
    DoCreate();
}

TFormTeePage::~TFormTeePage() = default;

void TFormTeePage::BuildControls() {
    MakeLabel(this, 8, 12, "P&oints per Page:");
    TUpDownEdit points = MakeUpDownEdit(this, 110, 8, 55, 0, 32000);
    SEPointsPerPage = points.Edit;
    UDPointsPerPage = points.UpDown;
    CBNoPages = MakeCheckBox(this, 200, 10, 150, "&No pages");
    CBScaleLast = MakeCheckBox(this, 8, 40, 180, "&Scale Last Page");
    CBAutoScale = MakeCheckBox(this, 8, 64, 180, "&Auto scale axis");
    CBPageLegend = MakeCheckBox(this, 8, 88, 180, "&Current page Legend");
    CBPageNum = MakeCheckBox(this, 200, 40, 150, "Show &Page Number");
    BEditTool = MakePushButton(this, 200, 64, 75, "&Edit...");
    CBPageNum->SetVisible(false);
    BEditTool->SetVisible(false);
    ChartPageNavigator1 = MakeControl<TChartPageNavigator>(this, 8, 124, 120, 25);
    LabelPages = MakeLabel(this, 140, 130, "");
}

void TFormTeePage::BindProperties() {
    auto pages = [this] { return FChart ? FChart->Pages() : nullptr; };
    BindCheckBox(*this, CBScaleLast, pages, &TChartPage::ScaleLastPage,
                 &TChartPage::SetScaleLastPage);
    BindCheckBox(*this, CBAutoScale, pages, &TChartPage::AutoScale, &TChartPage::SetAutoScale);
    BindCheckBox(
        *this, CBPageLegend, [this] { return FChart ? FChart->Legend() : nullptr; },
        &TChartLegend::CurrentPage, &TChartLegend::SetCurrentPage);
}

void TFormTeePage::LoadControls() {
    if (!FChart) return;
    UDPointsPerPage->SetPosition(FChart->Pages()->MaxPointsPerPage());
    RefreshNoPages();
    RefreshLabel();
    ChartPageNavigator1->EnableButtons();
}

void TFormTeePage::PointsPerPageChanged() {
    // An empty edit is no paging.
    if (Loading()) return;
    int v = 0;
    if (!SEPointsPerPage->Text().empty() && !TryStrToInt(SEPointsPerPage->Text(), v)) return;
    if (v < 0 || v > 32000) return;
    FChart->Pages()->SetMaxPointsPerPage(v);
    RefreshNoPages();
    RefreshLabel();
}

void TFormTeePage::RefreshNoPages() {
    const bool none = FChart->Pages()->MaxPointsPerPage() == 0;
    if (CBNoPages->Checked() != none) CBNoPages->SetChecked(none);
    CBNoPages->SetEnabled(!none);
}

void TFormTeePage::RefreshLabel() {
    LabelPages->SetCaption(
        Format("Page %d of %d", {FChart->CurrentPage(), FChart->Pages()->Count()}));
}
