// What the chart decides about the data sources of its series, and how it refills a series.
#include "chart/engine/AxisPanel.h"
#include "chart/engine/ChartSeries.h"
#include "chart/engine/SeriesSource.h"
#include "chart/engine/TeeFunction.h"

bool TCustomAxisPanel::AcceptsDataSource(TChartSeries* series, TComponent* component) {
    if (series->AcceptsAsSource(component)) return true;
    if (auto* source = dynamic_cast<TTeeSeriesSource*>(component))
        return ClassAs<TSeriesSourceClass>(&source->ClassType()).IsAvailableFor(this);
    return false;
}

void TCustomAxisPanel::DataSourceRemoved(TChartSeries* series, TComponent* component) {
    auto* source = dynamic_cast<TTeeSeriesSource*>(component);
    // Only a source that still feeds this series lets go of it (the entry is out of the list
    // already, whichever place it had).
    if (source && source->Series() == series) source->SetSeries(nullptr);
}

void TCustomAxisPanel::LoadSeriesFromSource(TChartSeries* series) {
    if (series->ComponentState().Contains(csLoading)) return;
    TComponent* first = series->DataSource();
    if (auto* source = dynamic_cast<TChartSeries*>(first)) {
        series->LoadFromSeries(*source);
    } else if (auto* component = dynamic_cast<TTeeSeriesSource*>(first)) {
        component->Reload();
    } else if (!first && series->Function() && series->Function()->NoSourceRequired) {
        TSeriesUpdate update(*series);
        series->Clear();
        series->Function()->ComputeFromSources(nullptr);
    }
    // Without either, a series in design state would show sample values; there is none.
}
