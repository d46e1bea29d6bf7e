#include "workbench/windows/ResultPlotForm.h"

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/LineSeries.h"
#include "platform/ui/BitBtn.h"
#include "platform/ui/PageControl.h"
#include "platform/ui/Panel.h"
#include "platform/ui/StatusBar.h"
#include "workbench/ResultPlotData.h"
#include "workbench/StoredRun.h"
#include "workbench/windows/ControlBuilding.h"
#include "workbench/windows/WorkbenchCharts.h"

namespace {

TChart* AddChartPage(TForm* form, TPageControl* pages, const std::string& caption) {
    TTabSheet* sheet = new TTabSheet(form);
    sheet->SetPageControl(pages);
    sheet->SetCaption(caption);
    TChart* chart = MakeControl<TChart>(sheet, alClient);
    SetUpWorkbenchChart(*chart, 0, "Double-click to Edit");
    chart->SetColorPaletteIndex(13);
    return chart;
}

}  // namespace

TResultPlotForm::TResultPlotForm(TComponent* owner, TResultsDatabase& db,
                                 const std::string& rtPageCaption, int statusPanels)
    : TForm(owner), FData(std::make_unique<TRunPlotData>(PlotDataOf(ReadStoredRun(db)))) {
    SetPosition(poScreenCenter);
    StatusBar1 = MakeControl<TStatusBar>(this, alBottom);
    for (int i = 0; i < statusPanels; ++i) StatusBar1->Panels()->Add()->SetWidth(250);
    pControls = MakeControl<TPanel>(this, alTop);
    pControls->SetHeight(48);
    pControls->SetBevelOuter(bvNone);
    btnClose = MakeControl<TBitBtn>(pControls);
    btnClose->SetKind(bkClose);
    btnClose->SetAnchors({akTop, akRight});
    PageControl1 = MakeControl<TPageControl>(this, alClient);
    chEE = AddChartPage(this, PageControl1, "Effective Emissivity");
    chRT = AddChartPage(this, PageControl1, rtPageCaption);
    // Either chart opens the editor on the chart of the page shown.
    ce = MakeWorkbenchChartEditor(this, "Edit Graph");
    for (TChart* chart : {chEE, chRT})
        EditOnDoubleClick(*chart, *ce, [this]() -> TCustomChart* {
            return PageControl1->ActivePageIndex() == 0 ? chEE : chRT;
        });
    PageControl1->SetActivePageIndex(0);
}

TResultPlotForm::~TResultPlotForm() = default;

TLineSeries* TResultPlotForm::AddResultSeries(TChart* chart, const std::string& name,
                                              const std::string& title, TColor line,
                                              TColor pointerFill, TColor pointerOutline) {
    auto* series = new TLineSeries(this);
    series->SetName(name);
    chart->AddSeries(series);
    SetUpResultSeries(*series, title, line, pointerFill, pointerOutline);
    return series;
}

void TResultPlotForm::ShowLegend(int symbolWidth) {
    TChartLegend* legend = chEE->Legend();
    legend->SetVisible(true);
    legend->SetAlignment(laBottom);
    legend->SetCheckBoxes(true);
    legend->Symbol()->SetWidth(symbolWidth);
}

void TResultPlotForm::SetPanelText(int index, const std::string& text) {
    StatusBar1->Panels()->Items(index)->SetText(text);
}
