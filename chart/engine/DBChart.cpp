// The dataset-bound chart's settings, its watchers and timer, and what it decides about the data
// sources of its series. The refill itself is in DBChartRefresh.cpp.
#include "chart/engine/DBChart.h"

#include "chart/engine/ChartSeries.h"
#include "platform/ui/Timer.h"

// --- Watchers.

void TDBChartDataSource::Bind(TCustomDBChart* chart, TDataSet* dataSet, bool watchDataChange) {
    FChart = chart;
    WasActive = dataSet && dataSet->Active();
    SetDataSet(dataSet);
    OnStateChange = [this](TObject*) { StateChanged(); };
    OnUpdateData = [this](TObject*) { UpdateData(); };
    if (watchDataChange) OnDataChange = [this](TDataSource*, TField*) { DataChanged(); };
}

TDBChartDataSource::~TDBChartDataSource() {
    OnStateChange = nullptr;
    OnUpdateData = nullptr;
    OnDataChange = nullptr;
}

void TDBChartDataSource::StateChanged() {
    const TDataSetState state = State();
    if (state == dsInactive) {
        WasActive = false;
        if (OnClosed) OnClosed(DataSet());
    } else if (state == dsBrowse && !WasActive) {
        // Set first: the refill may move the dataset and be heard here again.
        WasActive = true;
        Opened();
    }
}

void TDBChartDataSource::UpdateData() {
    if (State() == dsBrowse)
        Opened();
    else
        WasActive = false;  // the record is being posted: the return to browsing refills
}

void TDBChartDataSource::DataChanged() {
    if (!FChart || !FChart->Refreshing()) Opened();
}

int TListOfDataSources::IndexOfDataSet(const TDataSet* dataSet) const {
    for (size_t i = 0; i < FItems.size(); ++i)
        if (FItems[i]->DataSet() == dataSet) return int(i);
    return -1;
}

TDataSet* DataSetOfSource(TComponent* source) {
    if (auto* dataSet = dynamic_cast<TDataSet*>(source)) return dataSet;
    if (auto* dataSource = dynamic_cast<TDataSource*>(source)) return dataSource->DataSet();
    return nullptr;
}

// --- The chart.

TCustomDBChart::TCustomDBChart(TComponent* owner) : TCustomChart(owner) {}

TCustomDBChart::~TCustomDBChart() {
    FTimer.reset();
    FWatchers.Clear();
}

void TCustomDBChart::Assign(const TPersistent* source) {
    if (auto* other = dynamic_cast<const TCustomDBChart*>(source)) {
        AutoRefresh = other->AutoRefresh;
        SetRefreshInterval(other->FRefreshInterval);
        ShowGlassCursor = other->ShowGlassCursor;
    }
    TCustomChart::Assign(source);
}

void TCustomDBChart::SetRefreshInterval(int seconds) {
    if (seconds < 0 || seconds > 60) throw DBChartException(TxtRefreshInterval);
    FRefreshInterval = seconds;
    UpdateRefreshTimer();
}

void TCustomDBChart::UpdateRefreshTimer() {
    if (FTimer) FTimer->SetEnabled(false);
    if (FRefreshInterval <= 0) return;
    if (!FTimer) {
        FTimer = std::make_unique<TTimer>(nullptr);
        FTimer->SetEnabled(false);
        FTimer->OnTimer = [this](TObject*) { RefreshAll(); };
    }
    FTimer->SetInterval(FRefreshInterval * 1000);
    FTimer->SetEnabled(true);
}

void TCustomDBChart::RefreshAll() {
    if (!FTimer) return;
    // The timer runs again whatever a refresh raises: one failing tick must not end the
    // timed refreshes for good.
    struct TRestart {
        TTimer& Timer;
        ~TRestart() { Timer.SetEnabled(true); }
    } restart{*FTimer};
    FTimer->SetEnabled(false);
    for (int i = 0; i < FWatchers.Count(); ++i) {
        TDataSet* dataSet = FWatchers.GetItem(i)->DataSet();
        if (!dataSet || !dataSet->Active()) continue;
        dataSet->Refresh();
        RefreshDataSetIfAuto(dataSet, nullptr);
    }
}

void TCustomDBChart::WatchDataSet(TDataSet* dataSet, bool watchDataChange) {
    if (FWatchers.IndexOfDataSet(dataSet) >= 0) return;
    auto watcher = std::make_unique<TDBChartDataSource>();
    watcher->OnOpened = [this](TDataSet* d) { DataSetOpened(d); };
    watcher->OnClosed = [this](TDataSet* d) { DataSetClosed(d); };
    watcher->Bind(this, dataSet, watchDataChange);
    FWatchers.Add(std::move(watcher));
}

void TCustomDBChart::DataSetClosed(TDataSet* dataSet) {
    if (!AutoRefresh) return;
    // Series fed through a data source keep their points.
    for (int i = 0; i < SeriesCount(); ++i)
        if (GetSeries(i)->DataSource() == dataSet) GetSeries(i)->Clear();
}

void TCustomDBChart::LoadSeriesFromSource(TChartSeries* series) {
    if (!series) return;
    if (series->ParentChart() != this) throw ChartException(TxtSeriesParentNotSelf);
    TComponent* source = series->DataSource();
    if (source) series->Clear();
    FRunningAverages.erase(series);
    if (auto* dataSet = dynamic_cast<TDataSet*>(source)) {
        WatchDataSet(dataSet, false);
        RefreshDataSetIfAuto(dataSet, series);
    } else if (auto* dataSource = dynamic_cast<TDataSource*>(source);
               dataSource && dataSource->DataSet()) {
        WatchDataSet(dataSource->DataSet(), true);
        RefreshDataSetIfAuto(dataSource->DataSet(), series);
    } else {
        TCustomChart::LoadSeriesFromSource(series);
    }
}

bool TCustomDBChart::AcceptsDataSource(TChartSeries* series, TComponent* component) {
    return TCustomChart::AcceptsDataSource(series, component) ||
           dynamic_cast<TDataSet*>(component) || dynamic_cast<TDataSource*>(component);
}

void TCustomDBChart::DataSourceRemoved(TChartSeries* series, TComponent* component) {
    TCustomChart::DataSourceRemoved(series, component);
    auto* dataSet = dynamic_cast<TDataSet*>(component);
    if (!dataSet) return;
    // The watcher stays while another series of the chart still draws from the dataset, so
    // that series goes on following its opens, posts and closes.
    for (int i = 0; i < SeriesCount(); ++i) {
        TChartSeries* other = GetSeries(i);
        if (other != series && DataSetOfSource(other->DataSource()) == dataSet) return;
    }
    for (int i = 0; i < FWatchers.Count(); ++i) {
        TDataSet* watched = FWatchers.GetItem(i)->DataSet();
        if (watched == dataSet || !watched) {
            FWatchers.Delete(i);
            return;
        }
    }
}

bool TCustomDBChart::ListSourceFields(TChartSeries* series,
                                      const std::function<void(const std::string&)>& proc) {
    TDataSet* dataSet = DataSetOfSource(series ? series->DataSource() : nullptr);
    if (!dataSet) return false;
    if (dataSet->FieldCount() > 0) {
        for (int i = 0; i < dataSet->FieldCount(); ++i) proc(dataSet->Fields(i)->FieldName());
    } else {
        dataSet->FieldDefs().Update();
        for (int i = 0; i < dataSet->FieldDefs().Count(); ++i)
            proc(dataSet->FieldDefs().Items(i).Name());
    }
    return true;
}

bool TCustomDBChart::ListValueSources(const TChartValueList& valueList,
                                      const std::function<void(const std::string&)>& proc) {
    return ListSourceFields(dynamic_cast<TChartSeries*>(valueList.Owner()), proc) ||
           TCustomChart::ListValueSources(valueList, proc);
}

void TDBChart::Publish(TPublisher<TDBChart>& p) {
    p.Boolean(
         "AutoRefresh", [](const TDBChart& c) { return c.AutoRefresh; },
         [](TDBChart& c, bool v) { c.AutoRefresh = v; })
        .Default(true);
    p.Integer("RefreshInterval", &TDBChart::RefreshInterval, &TDBChart::SetRefreshInterval)
        .Default(0);
    p.Boolean(
         "ShowGlassCursor", [](const TDBChart& c) { return c.ShowGlassCursor; },
         [](TDBChart& c, bool v) { c.ShowGlassCursor = v; })
        .Default(true);
}
