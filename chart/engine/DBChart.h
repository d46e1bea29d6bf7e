#pragma once
// The dataset-bound chart: series whose DataSource is a dataset (or a data source leading to one)
// take their points from its records. The value lists' ValueSource, the series' XLabelsSource and
// ColorSource name the fields; a "#KEYWORD#" before a field name groups the records into one
// point per label (#SUM#, #COUNT#, #HIGH#, #LOW#, #AVG# on the value field; #HOUR# .. #YEAR#,
// #SORTASC#, #SORTDES# on the label field).
//
// The chart watches each dataset through a data source of its own and refills the series when the
// dataset opens or posts (and, bound through a data source, when the record moves), every few
// seconds with RefreshInterval, and empties directly bound series when it closes. A refresh never
// runs inside another one, nor over a closed dataset; while a dataset's controls are disabled its
// data sources hear nothing, so no refresh starts from it.
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "chart/engine/Chart.h"
#include "platform/db/DataSource.h"
#include "platform/rtl/DateTime.h"

class TCustomDBChart;
class TChartSeries;
class TChartValueList;
class TTimer;

KV_EXCEPTION_CLASS(DBChartException, Exception)

inline constexpr const char* TxtRefreshInterval = "Refresh Interval must be between 0 and 60";
inline constexpr const char* TxtSeriesParentNotSelf = "Series.ParentChart is not myself!";

// A data source the chart makes to watch one dataset; it tells the chart when the dataset
// opens (or posts, or, with data-change watching, moves) and when it closes.
class TDBChartDataSource : public TDataSource {
    KV_DECLARE_CLASS(TDBChartDataSource, TDataSource)
public:
    using TDataSetCallback = std::function<void(TDataSet*)>;
    explicit TDBChartDataSource(TComponent* owner = nullptr) : TDataSource(owner) {}
    // A watcher being freed tells nobody: the base's unbinding from the dataset would otherwise
    // call back into this half-destroyed object and on into the chart.
    ~TDBChartDataSource() override;
    // Watches the dataset for the chart; data changes only when asked.
    void Bind(TCustomDBChart* chart, TDataSet* dataSet, bool watchDataChange);

    TDataSetCallback OnOpened;
    TDataSetCallback OnClosed;
    // The dataset was open when last heard of (cleared while a record is being posted, so that
    // the return to browsing counts as an opening).
    bool WasActive = false;

private:
    void StateChanged();
    void UpdateData();
    void DataChanged();
    void Opened() {
        if (OnOpened) OnOpened(DataSet());
    }
    TCustomDBChart* FChart = nullptr;
};

// The watchers, owned.
class TListOfDataSources {
public:
    TListOfDataSources() = default;
    TListOfDataSources(const TListOfDataSources&) = delete;
    TListOfDataSources& operator=(const TListOfDataSources&) = delete;

    int Count() const { return int(FItems.size()); }
    TDBChartDataSource* GetItem(int index) const { return FItems.at(size_t(index)).get(); }
    // The first watcher of the dataset, -1 when none.
    int IndexOfDataSet(const TDataSet* dataSet) const;
    void Add(std::unique_ptr<TDBChartDataSource> watcher) { FItems.push_back(std::move(watcher)); }
    void Delete(int index) { FItems.erase(FItems.begin() + index); }
    void Clear() { FItems.clear(); }

private:
    std::vector<std::unique_ptr<TDBChartDataSource>> FItems;
};

using TProcessRecordEvent = std::function<void(TCustomDBChart& sender, TDataSet* dataSet)>;

class TCustomDBChart : public TCustomChart {
    KV_DECLARE_CLASS(TCustomDBChart, TCustomChart)
public:
    explicit TCustomDBChart(TComponent* owner);
    ~TCustomDBChart() override;

    // Refill series on dataset events and timer ticks.
    bool AutoRefresh = true;
    // The hourglass while a refresh runs.
    bool ShowGlassCursor = true;
    // Called for each record before its points are added; EAbort ends the records quietly.
    TProcessRecordEvent OnProcessRecord;

    // Seconds between timed refreshes, 0 (no timer) to 60; anything else raises and keeps it.
    int RefreshInterval() const { return FRefreshInterval; }
    void SetRefreshInterval(int seconds);
    // The timer, none before it was first needed.
    TTimer* RefreshTimer() const { return FTimer.get(); }
    bool Refreshing() const { return FRefreshing; }
    const TListOfDataSources& Watchers() const { return FWatchers; }

    // The timer's tick: each open watched dataset refreshes itself and then its series.
    void RefreshAll();
    // Refills the series of the dataset (one series, or every bound one for none).
    void RefreshDataSet(TDataSet* dataSet, TChartSeries* series);
    void RefreshDataSetIfAuto(TDataSet* dataSet, TChartSeries* series) {
        if (AutoRefresh) RefreshDataSet(dataSet, series);
    }
    void WatchDataSet(TDataSet* dataSet, bool watchDataChange);
    void DataSetOpened(TDataSet* dataSet) { RefreshDataSetIfAuto(dataSet, nullptr); }
    void DataSetClosed(TDataSet* dataSet);

    // The field names a series bound to a dataset may name (its fields, else its field
    // definitions); false, nothing listed, for a series not bound to one.
    bool ListSourceFields(TChartSeries* series,
                          const std::function<void(const std::string&)>& proc) override;
    // The same for the series that owns the value list; else the chart's answer.
    bool ListValueSources(const TChartValueList& valueList,
                          const std::function<void(const std::string&)>& proc) override;

    bool AcceptsDataSource(TChartSeries* series, TComponent* component) override;
    void DataSourceRemoved(TChartSeries* series, TComponent* component) override;
    void LoadSeriesFromSource(TChartSeries* series) override;
    void Assign(const TPersistent* source) override;

    // The sum and count of the records behind one point of an #AVG# series fed through a data
    // source: such a series gains one record at a time, so its averages are kept up as it goes.
    struct TRunningAverage {
        double Sum = 0;
        int Count = 0;
    };
    using TRunningAverages = std::map<std::string, TRunningAverage>;

private:
    void UpdateRefreshTimer();

    int FRefreshInterval = 0;
    bool FRefreshing = false;
    std::unique_ptr<TTimer> FTimer;
    TListOfDataSources FWatchers;
    // By series and point label; a series refilled from scratch, or gone from the chart, starts
    // again.
    std::map<const TChartSeries*, TRunningAverages> FRunningAverages;
};

class TDBChart : public TCustomDBChart {
    KV_DECLARE_CLASS(TDBChart, TCustomDBChart)
public:
    using TCustomDBChart::TCustomDBChart;
    // AutoRefresh, RefreshInterval and ShowGlassCursor, each stored when not its default.
    static void Publish(TPublisher<TDBChart>& p);
};

// The dataset behind a series' DataSource: the dataset itself or a data source's; else none.
TDataSet* DataSetOfSource(TComponent* source);

// "#KEYWORD#Field" splits into the keyword and the field; any other text is all field.
void SplitFieldKeyword(const std::string& text, std::string& keyword, std::string& field);

// The ISO 8601 week of the date and the year that week belongs to.
void IsoWeekOfDate(TDateTime date, int& week, int& year);

// The label of the group the date falls in: 0 hour, 1 day, 2 week, 3 weekday, 4 month,
// 5 quarter, 6 year.
std::string DateGroupLabel(TDateTime date, int grouping);
