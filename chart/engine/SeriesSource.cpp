#include "chart/engine/SeriesSource.h"

#include "chart/engine/ChartSeries.h"
#include "chart/engine/DataSourcesList.h"

bool TSeriesSourceClass::IsSourceOf(const TChartSeries* series) const {
    const TComponent* first = series ? series->DataSource() : nullptr;
    return first && first->ClassName() == ClassName();
}

TTeeSeriesSource::TTeeSeriesSource(TComponent* owner) : TComponent(owner) {}

// The series forgets the source while the source is whole.
TTeeSeriesSource::~TTeeSeriesSource() {
    Deactivate();
    if (TChartSeries* series = FSeries) {
        FSeries = nullptr;
        series->UnlinkDataSource(this);
    }
}

void TTeeSeriesSource::SetSeries(TChartSeries* value) {
    if (value == FSeries) return;
    Deactivate();
    TChartSeries* old = FSeries;
    // Stored first: the old series, letting go of the source, finds it no longer its own.
    FSeries = value;
    if (old) old->UnlinkDataSource(this);
    if (!value) return;
    try {
        value->SetDataSource(this);
    } catch (...) {
        FSeries = nullptr;
        throw;
    }
}

void TTeeSeriesSource::Notification(TComponent* component, TOperation operation) {
    // The series is past the point where it could be asked anything.
    if (operation == opRemove && component == FSeries) FSeries = nullptr;
    TComponent::Notification(component, operation);
}

void TTeeSeriesSource::SetActive(bool value) {
    if (value == FActive) return;
    FActive = value;
    if (!FSeries) return;
    if (value) {
        if (!ComponentState().Contains(csLoading)) LoadData();
    } else if (!ComponentState().Contains(csDestroying) &&
               !FSeries->ComponentState().Contains(csDestroying) && !KeepPoints) {
        FSeries->Clear();
    }
}

void TTeeSeriesSource::Deactivate() {
    if (!ComponentState().Contains(csLoading) && !ComponentState().Contains(csDestroying))
        SetActive(false);
}

void TTeeSeriesSource::Reload() {
    if (FActive && !ComponentState().Contains(csLoading)) LoadData();
}

void TTeeSeriesSource::Loaded() {
    TComponent::Loaded();
    Reload();
}

std::vector<TClass>& RegisteredSourceClasses() {
    static std::vector<TClass> classes;
    return classes;
}
