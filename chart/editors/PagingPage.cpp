#include "chart/editors/PagingPage.h"

#include <memory>

#include "chart/editors/EditorBindings.h"
#include "chart/editors/EditorControls.h"
#include "chart/editors/EditorRoutines.h"
#include "chart/editors/PageNavigator.h"
#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartLists.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/ComponentNames.h"
#include "chart/foundation/EditorHooks.h"
#include "platform/classes/ClassRegistry.h"
#include "platform/rtl/Format.h"
#include "platform/rtl/NumberText.h"
#include "platform/ui/Button.h"
#include "platform/ui/CheckBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Form.h"
#include "platform/ui/Label.h"
#include "platform/ui/UpDown.h"

TClass PageNumToolClass = nullptr;

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
    CBPageNum->OnClick = [this](TObject*) { PageNumClicked(); };
    BEditTool->OnClick = [this](TObject*) { EditToolClicked(); };
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
    LoadPageNum();
}

void TFormTeePage::LoadPageNum() {
    const bool offered = PageNumToolClass != nullptr;
    CBPageNum->SetVisible(offered);
    BEditTool->SetVisible(offered);
    TTeeCustomTool* tool = offered ? FindPageNumTool(false) : nullptr;
    CBPageNum->SetChecked(tool && tool->Active());
    BEditTool->SetEnabled(tool != nullptr);
}

TTeeCustomTool* TFormTeePage::FindPageNumTool(bool create) {
    if (!FChart || !PageNumToolClass) return nullptr;
    for (TTeeCustomTool* tool : FChart->Tools())
        if (tool->InheritsFrom(PageNumToolClass)) return tool;
    if (!create) return nullptr;
    TComponent* owner = FChart->Owner() ? FChart->Owner() : FChart;
    auto* tool = CreateAs<TTeeCustomTool>(PageNumToolClass, owner);
    tool->SetName(UniqueComponentName(owner, "ChartTool"));
    FChart->Tools().AddTool(tool);
    return tool;
}

void TFormTeePage::PageNumClicked() {
    if (Loading()) return;
    TTeeCustomTool* tool = FindPageNumTool(true);
    if (!tool) return;
    tool->SetActive(CBPageNum->Checked());
    BEditTool->SetEnabled(true);
}

void TFormTeePage::EditToolClicked() {
    TTeeCustomTool* tool = FindPageNumTool(false);
    if (!tool) return;
    const TClass formClass = GetClass(TCustomChartElement::EditorClassNameOf(&tool->ClassType()));
    if (!formClass || !formClass->InheritsFrom(TForm::StaticClass())) return;
    std::unique_ptr<TForm> form(CreateAs<TForm>(formClass, this));
    CenterEditorForm(*form);
    form->SetTagObject(tool);
    ApplyFormHook(form.get());
    form->ShowModal();
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
