#include "chart/engine/SeriesCreation.h"

#include <algorithm>
#include <vector>

#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/ChartTools.h"
#include "chart/engine/DataSourcesList.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/TeeFunction.h"
#include "chart/foundation/ComponentNames.h"

std::string UniqueSeriesName(const TComponent* owner) {
    return UniqueComponentName(owner, "Series");
}

TChartSeries* CreateChartSeries(TComponent* owner, TCustomAxisPanel* chart, TClass seriesClass,
                                TClass functionClass) {
    TComponent* useOwner = owner ? owner : chart;
    if (chart)
        for (const TChartSeries* s : chart->SeriesList())
            if (s->Owner() == chart) {
                useOwner = chart;
                break;
            }
    TChartSeries* series = CreateAs<TChartSeries>(seriesClass, useOwner);
    series->SetName(UniqueSeriesName(useOwner));
    series->SetParentChart(chart);
    if (functionClass) CreateSeriesFunction(series, functionClass);
    return series;
}

TTeeFunction* CreateSeriesFunction(TChartSeries* series, TClass functionClass) {
    TTeeFunction* function = CreateAs<TTeeFunction>(functionClass, series->Owner());
    function->AttachToSeries(series);
    function->SetName(UniqueComponentName(series->Owner(), "TeeFunction"));
    return function;
}

TChartSeries* CloneSeries(TChartSeries* series) {
    return CloneSeries(series, series->Owner(), series->ParentChart());
}

TChartSeries* CloneSeries(TChartSeries* series, TCustomAxisPanel* chart) {
    return CloneSeries(series, series->Owner(), chart);
}

TChartSeries* CloneSeries(TChartSeries* series, TComponent* owner, TCustomAxisPanel* chart) {
    TClass functionClass = series->Function() ? &series->Function()->ClassType() : nullptr;
    TChartSeries* copy = CreateChartSeries(owner, chart, &series->ClassType(), functionClass);
    copy->Assign(series);
    return copy;
}

TTeeCustomTool* CloneChartTool(TTeeCustomTool* tool, TComponent* owner) {
    TTeeCustomTool* copy = CreateAs<TTeeCustomTool>(&tool->ClassType(), owner);
    copy->SetName(UniqueComponentName(owner, "ChartTool"));
    copy->Assign(tool);
    return copy;
}

namespace {
// Series dependent takes newSource where it took oldSource, in the same place among its
// sources. The first source cannot be dropped alone (that lets go of every source), so the
// list is built anew in order.
void MoveDependent(TChartSeries& dependent, TChartSeries* oldSource, TChartSeries* newSource) {
    std::vector<TComponent*> sources;
    for (TComponent* c : dependent.DataSources()) {
        TComponent* next = c == oldSource ? newSource : c;
        if (std::find(sources.begin(), sources.end(), next) == sources.end())
            sources.push_back(next);
    }
    // Clearing lets go of a source component too (deactivating it): it is active again after.
    std::vector<TTeeSeriesSource*> active;
    for (TComponent* c : sources)
        if (auto* source = dynamic_cast<TTeeSeriesSource*>(c); source && source->Active())
            active.push_back(source);
    dependent.DataSources().Clear();
    for (TComponent* c : sources) dependent.DataSources().AddSource(c);
    for (TTeeSeriesSource* source : active) source->Activate();
}
}  // namespace

void ReplaceSeries(TChartSeries*& oldSeries, TChartSeries* newSeries) {
    TChartSeries* old = oldSeries;
    if (old == newSeries) return;
    // The function moves over with the settings (the old series forgets it, so it is freed
    // once, with the new series).
    newSeries->Assign(old);
    newSeries->AfterDrawValues = old->AfterDrawValues;
    newSeries->BeforeDrawValues = old->BeforeDrawValues;
    newSeries->OnAfterAdd = old->OnAfterAdd;
    newSeries->OnBeforeAdd = old->OnBeforeAdd;
    newSeries->OnClearValues = old->OnClearValues;
    newSeries->OnClick = old->OnClick;
    newSeries->OnDblClick = old->OnDblClick;
    newSeries->OnGetMarkText = old->OnGetMarkText;
    const std::string name = old->Name();

    while (old->DependentSeries().Count() > 0) {
        TChartSeries* dependent = old->DependentSeries()[0];
        MoveDependent(*dependent, old, newSeries);
        // A dependent that could not drop the old series must not hold the loop.
        old->DependentSeries().Remove(dependent);
    }

    TCustomAxisPanel* chart = old->ParentChart();
    if (chart) {
        for (TTeeCustomTool* t : chart->Tools())
            if (auto* st = dynamic_cast<TTeeCustomToolSeries*>(t); st && st->Series() == old)
                st->SetSeries(newSeries);
        if (newSeries->ParentChart() == chart) chart->SwapSeries(old, newSeries);
    }
    oldSeries = nullptr;
    TObject::Free(old);
    newSeries->SetName(name);
    if (TCustomAxisPanel* c = newSeries->ParentChart())
        c->BroadcastSeriesEvent(newSeries, seChangeTitle);
    newSeries->RefreshFromSource();
    if (newSeries->DataEnteredByHand) newSeries->SignalDataChanged();
}

TChartSeries* ChangeSeriesClass(TChartSeries*& series, TClass newClass) {
    if (&series->ClassType() == newClass) return series;
    TChartSeries* replacement =
        CreateChartSeries(series->Owner(), series->ParentChart(), newClass, nullptr);
    ReplaceSeries(series, replacement);
    series = replacement;
    return replacement;
}
