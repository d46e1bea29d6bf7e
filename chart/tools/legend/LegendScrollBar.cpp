#include "chart/tools/legend/LegendScrollBar.h"

#include "chart/engine/Chart.h"
#include "chart/engine/ChartLegend.h"
#include "chart/engine/ChartPage.h"

TLegendScrollBar::TLegendScrollBar(TComponent* owner) : TTeeScrollBar(owner) {}

TLegendScrollBar::~TLegendScrollBar() { Hook(false); }

TChartLegend* TLegendScrollBar::Legend() const {
    auto* chart = dynamic_cast<TCustomChart*>(FParentChart);
    return chart ? chart->Legend() : nullptr;
}

bool TLegendScrollBar::Paged() const {
    return FParentChart && FParentChart->MaxPointsPerPage() > 0;
}

void TLegendScrollBar::Hook(bool install) {
    TChartLegend* legend = Legend();
    if (!legend) return;
    if (!install) {
        legend->OnSize = nullptr;
        return;
    }
    // The legend grows by the bar's thickness and keeps its items out of that strip.
    legend->OnSize = [this](TChartLegend&, int& size) {
        TRect bounds;
        if (Active() && CalcBounds(bounds)) size += Size() + 1;
    };
}

void TLegendScrollBar::SetParentChart(TCustomAxisPanel* value) {
    Hook(false);
    TTeeScrollBar::SetParentChart(value);
    if (!ComponentState().Contains(csDestroying)) Hook(true);
}

int TLegendScrollBar::PageSize() {
    if (Paged()) return 1;
    TChartLegend* legend = Legend();
    return legend ? legend->LastValue() - legend->FirstValue() + 1 : 0;
}

int TLegendScrollBar::PageStep() { return Paged() ? 1 : TTeeScrollBar::PageStep(); }

int TLegendScrollBar::Position() {
    if (Paged()) return FParentChart->CurrentPage() - 1;
    TChartLegend* legend = Legend();
    return legend ? legend->FirstValue() : 0;
}

void TLegendScrollBar::SetPosition(int value) {
    if (Paged())
        FParentChart->Pages()->SetCurrent(value + 1);
    else if (TChartLegend* legend = Legend())
        legend->SetFirstValue(value);
}

int TLegendScrollBar::Max() {
    if (Paged()) return FParentChart->Pages()->Count();
    TChartLegend* legend = Legend();
    return legend ? legend->ItemCount() + legend->FirstValue() : 0;
}

bool TLegendScrollBar::CalcBounds(TRect& rect) {
    TChartLegend* legend = Legend();
    if (!legend || !legend->ShouldDraw()) return false;
    const int count = legend->ItemCount() + legend->FirstValue();
    if (count <= 0 || legend->LastValue() < 0) return false;
    if (DrawStyle() == dsWhenNeeded && legend->LastValue() + 1 >= count && legend->FirstValue() < 1)
        return false;
    SetHorizontal(!legend->IsVertical());
    rect = legend->ShapeBounds();
    return true;
}
