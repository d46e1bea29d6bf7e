#include "chart/editors/PageNavigator.h"

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartPage.h"
#include "chart/engine/SeriesEvents.h"
#include "platform/classes/Publisher.h"
#include "platform/ui/PrintDialog.h"

void TChartPageNavigator::Publish(TPublisher<TChartPageNavigator>& p) {
    p.Component("Chart", &TChartPageNavigator::Chart, &TChartPageNavigator::SetChart);
}

TChartPageNavigator::TChartPageNavigator(TComponent* owner) : TCustomTeeNavigator(owner) {}

TChartPageNavigator::~TChartPageNavigator() = default;

TCustomAxisPanel* TChartPageNavigator::Chart() const {
    return static_cast<TCustomAxisPanel*>(Panel());
}

void TChartPageNavigator::SetChart(TCustomAxisPanel* chart) { SetPanel(chart); }

void TChartPageNavigator::SetPanel(TCustomTeePanel* panel) {
    TCustomTeeNavigator::SetPanel(dynamic_cast<TCustomAxisPanel*>(panel));
}

void TChartPageNavigator::TeeEvent(TTeeEvent* event) {
    if (dynamic_cast<TChartChangePage*>(event)) {
        EnableButtons();
    } else if (auto* s = dynamic_cast<TTeeSeriesEvent*>(event)) {
        if (s->Event == seDataChanged) EnableButtons();
    }
}

void TChartPageNavigator::EnableButtons() {
    const int current = Chart() ? Chart()->CurrentPage() : 1;
    const int count = PageCount();
    const bool on = Enabled() && Chart();
    Button(nbFirst)->SetEnabled(on && current > 1);
    Button(nbPrior)->SetEnabled(on && current > 1);
    Button(nbNext)->SetEnabled(on && current < count);
    Button(nbLast)->SetEnabled(on && current < count);
}

int TChartPageNavigator::PageCount() { return Chart() ? Chart()->Pages()->Count() : 1; }

void TChartPageNavigator::Print() {
    TCustomAxisPanel* chart = Chart();
    if (!chart) return;
    const int count = PageCount();
    if (count < 2) {
        chart->PrintPages(1, 1);
        return;
    }
    TPrintDialog dialog(nullptr);
    dialog.SetOptions({poPageNums});
    dialog.SetPrintRange(prPageNums);
    dialog.SetMinPage(1);
    dialog.SetMaxPage(count);
    dialog.SetFromPage(1);
    dialog.SetToPage(count);
    if (dialog.Execute()) chart->PrintPages(dialog.FromPage(), dialog.ToPage());
}

void TChartPageNavigator::BtnClick(TTeeNavigateBtn index) {
    if (TCustomAxisPanel* chart = Chart()) {
        TChartPage& pages = *chart->Pages();
        switch (index) {
            case nbFirst:
                pages.SetCurrent(1);
                break;
            case nbPrior:
                pages.Previous();
                break;
            case nbNext:
                pages.Next();
                break;
            case nbLast:
                pages.SetCurrent(PageCount());
                break;
            default:
                break;
        }
    }
    TCustomTeeNavigator::BtnClick(index);
}
