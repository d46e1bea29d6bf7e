// How a series lets the chart's drawing pass draw it: the order of its points and of the series
// sharing its depth row, the draw events around its points, and where a point lies on screen.
#include <string>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartAxis.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/foundation/Canvas3D.h"

bool TChartSeries::DrawsValuesForward() const {
    const TChartAxis* across = FYMandatory ? FResolvedHorizAxis : FResolvedVertAxis;
    const bool forward = !(across && across->Inverted());
    return FParentChart && FParentChart->ViewTurnedRound ? !forward : forward;
}

bool TChartSeries::DrawsSeriesForward(int /*valueIndex*/) const {
    return !(FParentChart && FParentChart->ViewTurnedRound);
}

void TChartSeries::ListSeriesOrder(int first, int count, int /*valueIndex*/,
                                   std::vector<int>& order) const {
    order.clear();
    for (int i = first; i < count; ++i) order.push_back(i);
}

void TChartSeries::ListValueOrder(int first, int last, std::vector<int>& order) const {
    order.clear();
    for (int i = first; i <= last; ++i) order.push_back(i);
}

void TChartSeries::DrawAllValues() {
    if (FirstInView < 0) return;
    TCanvas3D* canvas = FParentChart ? FParentChart->Canvas3D() : nullptr;
    auto drawOne = [&](int i) {
        if (canvas) canvas->BeginNamedPart(std::to_string(i));
        DrawValue(i);
        if (canvas) canvas->EndNamedPart();
    };
    if (DrawsValuesForward())
        for (int i = FirstInView; i <= LastInView; ++i) drawOne(i);
    else
        for (int i = LastInView; i >= FirstInView; --i) drawOne(i);
}

bool TChartSeries::HasZOrderSiblings() const {
    if (!FParentChart || !FParentChart->ZOrderingEnabled()) return false;
    const int row = GetDepthIndex();
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        const TChartSeries* s = FParentChart->GetSeries(i);
        if (s != this && s->Active() && !s->HasOwnDepth && s->GetDepthIndex() == row) return true;
    }
    return false;
}

bool TChartSeries::IsFirstOfDepthRow() const {
    if (!Active()) return false;
    if (!FParentChart) return true;
    const int row = GetDepthIndex();
    for (int i = 0; i < FParentChart->SeriesCount(); ++i) {
        const TChartSeries* s = FParentChart->GetSeries(i);
        if (s == this) break;
        if (s->Active() && s->GetDepthIndex() == row) return false;
    }
    return true;
}

namespace {

// The draw event to every active tool of the chart that works on this series.
void TellSeriesTools(TCustomAxisPanel* chart, const TChartSeries* series,
                     TChartSeriesToolEvent kind) {
    if (!chart) return;
    const std::vector<TTeeCustomTool*> tools(chart->Tools().begin(), chart->Tools().end());
    for (TTeeCustomTool* t : tools)
        if (auto* st = dynamic_cast<TTeeCustomToolSeries*>(t);
            st && st->Active() && st->Series() == series)
            st->SeriesDrawEvent(kind);
}

}  // namespace

void TChartSeries::DoBeforeDrawValues() {
    TellSeriesTools(FParentChart, this, csteBeforeDrawValues);
    if (BeforeDrawValues) BeforeDrawValues(this);
}

void TChartSeries::DoAfterDrawValues() {
    TellSeriesTools(FParentChart, this, csteAfterDrawValues);
    if (AfterDrawValues) AfterDrawValues(this);
}

void TChartSeries::ValueScreenPoint(int valueIndex, int& x, int& y) const {
    x = PointXPixel(valueIndex);
    y = PointYPixel(valueIndex);
}

bool TChartSeries::IsValueInChartRect(int valueIndex) const {
    int x = 0, y = 0;
    ValueScreenPoint(valueIndex, x, y);
    return FParentChart && FParentChart->ChartRect().Contains(x, y);
}
